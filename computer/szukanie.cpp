#include "computer/szukanie.h"

#include <algorithm>
#include <iterator>

#include "computer/listy.h"
#include "computer/szukanie_wspolne.h"
#include "computer/wzorzec.h"
#include "model/gra.h"
#include "model/punktacja.h"
#include "model/slownik.h"

using namespace search_detail;

namespace {

// Every line of both passes, prepared before the first anchor is searched.
struct PreparedLines {
    LineSlot slots[2][BoardSpan][BoardSpan]; // [across][line][position]
    LineBound bounds[2][BoardSpan];
};
PreparedLines Lines;

// An anchor to search, with its bound and its rank in the reference's order.
struct Anchor {
    int bound;
    int rank;
    std::uint8_t across, line, pos, limit;
    int leftPartBound[RackSlots + 2];
};
constexpr int MaxAnchors = 2 * BoardSize * BoardSize;
Anchor Anchors[MaxAnchors];
int AnchorCount = 0;

// The line of the anchor being searched, copied into Szukanie's line buffer.
int CurrentLine = -1;

void SelectLine(int across, int line)
{
    const int key = across * BoardSpan + line;
    Szukanie.across = static_cast<std::uint8_t>(across);
    (across ? Szukanie.startY : Szukanie.startX) = line;
    Run.line = &Lines.bounds[across][line];
    if (key == CurrentLine)
        return;
    CurrentLine = key;
    std::copy(std::begin(Lines.slots[across][line]), std::end(Lines.slots[across][line]),
              Szukanie.line);
}

// The tiles directly before the anchor at pos: the first of them (pos when
// there are none) and the sum of their values.
int PrefixStart(int pos, int& sum)
{
    int first = pos;
    sum = 0;
    while (Szukanie.line[first - 1].letter)
        sum += (*Run.line)[--first].value;
    return first;
}

// Prepares every line and lists its anchors with their bounds.
void CollectAnchors()
{
    AnchorCount = 0;
    int rank = 0;
    for (const int across : {1, 0}) {
        Szukanie.across = static_cast<std::uint8_t>(across);
        for (int n = 1; n <= BoardSize; ++n) {
            FillLine(n, Lines.bounds[across][n]);
            std::copy(std::begin(Szukanie.line), std::end(Szukanie.line),
                      Lines.slots[across][n]);
            for (int pos = 1; pos <= BoardSize; ++pos, ++rank) {
                if (!Szukanie.line[pos].anchor)
                    continue;
                Anchor& a = Anchors[AnchorCount++];
                a.rank = rank;
                a.across = static_cast<std::uint8_t>(across);
                a.line = static_cast<std::uint8_t>(n);
                a.pos = static_cast<std::uint8_t>(pos);
                a.limit = 0;
                if (!Szukanie.line[pos - 1].letter) {
                    while (Szukanie.line[pos - 1 - a.limit].open)
                        ++a.limit;
                    BoundLeftParts(pos, a.limit);
                    std::copy(std::begin(Run.leftPartBound), std::end(Run.leftPartBound),
                              a.leftPartBound);
                    a.bound = a.leftPartBound[0];
                } else {
                    int sum = 0;
                    const int first = PrefixStart(pos, sum);
                    a.bound = RankedScore(
                        Run.line->Ending(pos, sum, 1, 0, 0, Run.rack.lettersOfValue), first);
                }
            }
        }
    }
    CurrentLine = -1;
    std::sort(Anchors, Anchors + AnchorCount, [](const Anchor& a, const Anchor& b) {
        return a.bound != b.bound ? a.bound > b.bound : a.rank < b.rank;
    });
}

void ExtendRight(int pos, char* word, int len, int list, int node, bool extended);

// A complete word: scored from the running totals first (exact for a word
// of two letters or more, more than its score otherwise), laid and scored
// by the game's rule only when that may win.
void Record(char* word, int len)
{
    const int raw = Run.sum * Run.product + Run.cross + (Run.tiles == RackSlots ? AllTilesBonus : 0);
    if (Beats(RankedScore(raw, StartAlongLine())))
        TryCandidate(word, len, nullptr);
}

void LeftPart(int anchor, char* word, int len, int list, int node, int limit)
{
    const LineSlot& at = Szukanie.line[anchor];
    const LetterBits available = Available();
    // The word as it stands goes on only through the anchor: a tile there, or
    // a letter of list that the anchor's set and the rack admit.
    if (at.letter || (TheSiblingMasks.From(list) & at.set & available)) {
        ScoreWordStart(len);
        ExtendRight(anchor, word, len, list, node, false);
    }
    if (limit <= 0 || !Beats(Run.leftPartBound[len + 1]))
        return;
    // A letter without a child list cannot reach the anchor.
    for (int i = list; TheSiblingMasks.WithChildFrom(i) & available; ++i) {
        const Wezel& c = Slownik::Node(i);
        const int index = Placeable.index[c.letter];
        if (index && (available & Bit(index)) && c.firstChild > 0) {
            const bool blank = TakeTile(index, len);
            word[len] = static_cast<char>(c.letter);
            --StartAlongLine();
            LeftPart(anchor, word, len + 1, c.firstChild, i, limit - 1);
            ++StartAlongLine();
            GiveTileBack(index, blank);
        }
        if (c.lastSibling)
            break;
    }
}

void ExtendRight(int pos, char* word, int len, int list, int node, bool extended)
{
    const LineSlot& slot = Szukanie.line[pos];
    if (slot.letter) {
        int found = 0;
        const int child = Slownik::FindChild(slot.letter, list, found);
        if (found) {
            word[len] = static_cast<char>(slot.letter);
            const int sum = Run.sum;
            Run.sum += (*Run.line)[pos].value;
            ExtendRight(pos + 1, word, len + 1, child, found, true);
            Run.sum = sum;
        }
        return;
    }
    // An empty square or the border after the word's last letter.
    if (extended && node >= 1 && Slownik::Node(node).endOfWord)
        Record(word, len);
    const LetterBits allowed = slot.set & Available();
    if (!(TheSiblingMasks.From(list) & allowed))
        return;
    const int bound =
        Run.line->Ending(pos, Run.sum, Run.product, Run.cross, Run.tiles, Run.lettersOfValue);
    if (!Beats(RankedScore(bound, StartAlongLine())))
        return;
    for (int i = list; TheSiblingMasks.From(i) & allowed; ++i) {
        const Wezel& c = Slownik::Node(i);
        const int index = Placeable.index[c.letter];
        if (index && (allowed & Bit(index))) {
            const bool blank = TakeTile(index, len);
            word[len] = static_cast<char>(c.letter);
            const int sum = Run.sum, product = Run.product, cross = Run.cross;
            ScoreNewTile(pos, index, blank);
            ExtendRight(pos + 1, word, len + 1, c.firstChild, i, true);
            Run.sum = sum;
            Run.product = product;
            Run.cross = cross;
            --Run.tiles;
            GiveTileBack(index, blank);
        }
        if (c.lastSibling)
            break;
    }
}

void SearchAnchor(const Anchor& a)
{
    SelectLine(a.across, a.line);
    Run.rank = a.rank;
    char* word = Szukanie.word;
    const int pos = a.pos;
    if (!Szukanie.line[pos - 1].letter) {
        std::copy(std::begin(a.leftPartBound), std::end(a.leftPartBound), Run.leftPartBound);
        StartAlongLine() = pos;
        LeftPart(pos, word, 0, TopLevelList, 0, a.limit);
        return;
    }
    // The tiles before the anchor begin the word; no rack letter goes there.
    int sum = 0;
    const int first = PrefixStart(pos, sum);
    int list = TopLevelList, node = 0, len = 0;
    for (int i = first; i < pos; ++i) {
        node = 0;
        list = Slownik::FindChild(Szukanie.line[i].letter, list, node);
        if (!node || list <= 0)
            return;
        word[len++] = static_cast<char>(Szukanie.line[i].letter);
    }
    StartAlongLine() = first;
    LeftPart(pos, word, len, list, node, 0);
}

// Levels III and IV: anchors best first, until one cannot win.
void SearchBestFirst()
{
    TheSiblingMasks.Update();
    CollectAnchors();
    for (int k = 0; k < AnchorCount; ++k) {
        const Anchor& a = Anchors[k];
        Run.rank = a.rank;
        if (!Beats(a.bound)) {
            if (a.bound < BestScore())
                break;
            continue;
        }
        SearchAnchor(a);
    }
}

} // namespace

void FindBestMove()
{
    const Gracz* player = CurrentPlayer();
    if (player && (player->Poziom == 1 || player->Poziom == 2)) {
        reference::FindBestMove();
        return;
    }
    if (!PrepareSearch())
        return;
    SearchBestFirst();
    LayBestMove();
}
