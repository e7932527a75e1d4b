#include "computer/wzorzec.h"

#include "computer/szukanie_wspolne.h"
#include "model/gra.h"
#include "model/slownik.h"

SearchControl TheSearchControl;

namespace reference {

using namespace search_detail;

namespace {

LineBound TheLine; // the bounds of the line being searched

// Whether a branch whose candidates score at most bound in the level's
// ranking is skipped: none of them can become the best move.
bool Pruned(int bound)
{
    return TheSearchControl.prune && !MayBeat(bound);
}

void SearchAnchor(int pos)
{
    const LineSlot* line = Szukanie.line;
    char* word = Szukanie.word;
    if (!line[pos - 1].letter) {
        const int limit = FreeSquaresBefore(pos);
        BoundLeftParts(pos, limit);
        if (Pruned(TheRun.leftPartBound[0]))
            return;
        StartAlongLine() = pos;
        LeftPart(pos, word, 0, TopLevelList, 0, limit);
        return;
    }
    // The tiles before the anchor begin the word; no rack letter goes there.
    int sum = 0;
    const int first = PrefixStart(pos, sum);
    if (Pruned(RankedScore(TheRun.line->Ending(pos, sum, 1, 0, 0, TheRun.rack.lettersOfValue),
                           first)))
        return;
    int list = TopLevelList, node = 0, len = 0;
    for (int i = first; i < pos; ++i) {
        node = 0;
        list = Slownik::FindChild(line[i].letter, list, node);
        if (!node || list <= 0)
            return;
        word[len++] = static_cast<char>(line[i].letter);
    }
    StartAlongLine() = first;
    LeftPart(pos, word, len, list, node, 0);
}

void SearchPass(bool across)
{
    Szukanie.across = across;
    for (int n = 1; n <= BoardSize; ++n) {
        (across ? Szukanie.startY : Szukanie.startX) = n;
        FillLine(n, TheLine);
        for (int pos = 1; pos <= BoardSize; ++pos) {
            if (Stopped())
                return;
            if (Szukanie.line[pos].anchor)
                SearchAnchor(pos);
        }
    }
}

// For each node of the sibling list from list whose letter is in allowed
// (and has a child list, with needChild): takes a tile for it, puts its
// letter at word[len], calls visit(node, its record, letter index, whether
// the tile is a blank) and gives the tile back. Stops at the early stop.
template <class Visit>
void ForEachLetter(int list, LetterBits allowed, bool needChild, char* word, int len, Visit visit)
{
    const int end = Slownik::Limit();
    for (int i = list; i > 0 && i < end; ++i) {
        if (Stopped())
            return;
        const Wezel& c = Slownik::Node(i);
        const int index = Placeable.index[c.letter];
        if (index && (allowed & Bit(index)) && (!needChild || c.firstChild > 0)) {
            const bool blank = TakeTile(index, len);
            word[len] = static_cast<char>(c.letter);
            visit(i, c, index, blank);
            GiveTileBack(index, blank);
        }
        if (c.lastSibling)
            break;
    }
}

} // namespace

void LeftPart(int anchor, char* word, int len, int list, int node, int limit)
{
    ScoreWordStart(len);
    ExtendRight(anchor, word, len, list, node, false);
    if (!TheGra || limit <= 0)
        return;
    if (Pruned(TheRun.leftPartBound[len + 1]))
        return;
    // A letter without a child list cannot reach the anchor.
    ForEachLetter(list, Available(), true, word, len, [&](int i, const Wezel& c, int, bool) {
        --StartAlongLine();
        LeftPart(anchor, word, len + 1, c.firstChild, i, limit - 1);
        ++StartAlongLine();
    });
}

void ExtendRight(int pos, char* word, int len, int list, int node, bool extended)
{
    if (!TheGra)
        return;
    const LineSlot& slot = Szukanie.line[pos];
    if (slot.letter) {
        int found = 0;
        const int child = Slownik::FindChild(slot.letter, list, found);
        if (found) {
            word[len] = static_cast<char>(slot.letter);
            WithBoardTile(pos, [&] { ExtendRight(pos + 1, word, len + 1, child, found, true); });
        }
        return;
    }
    // An empty square or the border after the word's last letter.
    if (extended && node >= 1 && Slownik::Node(node).endOfWord)
        TryCandidate(word, len);
    const LetterBits allowed = slot.set & Available();
    if (!allowed)
        return;
    const WordScore& w = TheRun.score;
    const int bound =
        TheRun.line->Ending(pos, w.sum, w.product, w.cross, w.tiles, TheRun.lettersOfValue);
    if (Pruned(RankedScore(bound, StartAlongLine())))
        return;
    ForEachLetter(list, allowed, false, word, len,
                  [&](int i, const Wezel& c, int index, bool blank) {
                      WithNewTile(pos, index, blank, [&] {
                          ExtendRight(pos + 1, word, len + 1, c.firstChild, i, true);
                      });
                  });
}

void TryCandidate(char* word, int len)
{
    search_detail::TryCandidate(word, len, TheSearchControl.onCandidate);
}

void FindBestMove()
{
    if (!PrepareSearch())
        return;
    SearchPass(true);
    SearchPass(false);
    LayBestMove();
}

} // namespace reference
