#include "computer/szukanie.h"

#include <algorithm>
#include <iterator>

#include "computer/kolejka_kotwic.h"
#include "computer/lewe_czesci.h"
#include "computer/liczenie_bitow.h"
#include "computer/listy.h"
#include "computer/pamiec_zbiorow.h"
#include "computer/szukanie_wspolne.h"
#include "computer/wzorzec.h"
#include "model/gra.h"

using namespace search_detail;

ZK_BIT_COUNT_BEGIN

namespace fast {

namespace {

// The anchor being searched.
struct AnchorInSearch {
    const Anchor* anchor = nullptr;
    // The letter of the tile after the anchor as a bit (bit 0 for a tile no
    // word can pass), or 0 when the square after it is empty.
    LetterBits after = 0;
    // The anchor's letters that the rack can supply.
    LetterBits letters = 0;
    // Entry n bounds, in the level's ranking, the words whose left part has
    // n letters (-1: none).
    int boundOfLength[LeftPartLengths] = {};
    // Entry [first][last]: the most a word can score whose left part has
    // first to last letters; made only where the left parts are grown.
    int boundOfLengths[LeftPartLengths][LeftPartLengths] = {};

    // Makes a the anchor searched: its line selected, its rank set and,
    // with no tiles before it, its bound for each left-part length.
    void Start(const Anchor& a)
    {
        anchor = &a;
        TheLines.Select(a.across, a.line);
        TheRun.rank = a.rank;
        TheRun.anchor = a.pos;
        StartAlongLine() = a.start;
        const Tile next = Szukanie.line[a.pos + 1].letter;
        after = next ? Bit(Placeable.index[next]) : 0;
        letters = Szukanie.line[a.pos].set & TheRun.rack.available;
        if (a.prefixLength == 0)
            BoundEachLeftPart(a.pos, a.limit, boundOfLength);
    }

    // Whether any word of an anchor without tiles before it may beat the
    // best move.
    bool MayWin() const
    {
        return MayBeat(*std::max_element(std::begin(boundOfLength), std::end(boundOfLength)));
    }

    // Makes boundOfLengths from boundOfLength, for growing left parts.
    void BoundLengthRanges()
    {
        for (int first = 0; first < LeftPartLengths; ++first) {
            int best = -1;
            for (int last = first; last < LeftPartLengths; ++last)
                boundOfLengths[first][last] = best = std::max(best, boundOfLength[last]);
        }
    }

    // The bound of left parts of first to last letters (none: -1).
    int LeftPartsFrom(int first, int last) const
    {
        last = std::min(last, LeftPartLengths - 1);
        return first <= last ? boundOfLengths[first][last] : -1;
    }

    // Whether a word whose next letter comes from list may go on through
    // the anchor's square at: a tile there, or a letter of list that the
    // anchor's set and the rack admit, with a child list holding the tile
    // after the anchor.
    [[gnu::always_inline]] bool GoesThrough(const LineSlot& at, int list,
                                            LetterBits available) const
    {
        const SearchGraph& graph = TheSearchGraph;
        return at.letter
               || ((graph.Letters(list) & at.set & available)
                   && (!after || (graph.Then(list) & after)));
    }

    // The same for a listed left part, from the entry's own copy of its
    // list's letters.
    [[gnu::always_inline]] bool GoesThrough(const LineSlot& at, const LeftPartEntry& e) const
    {
        return (e.letters & at.set & e.available) && (!after || (e.then & after));
    }
};
AnchorInSearch TheAnchor;

void ExtendRight(int pos, char* word, int len, int list, bool endOfWord, bool extended);

// A complete word: scored from the running totals first, laid and scored by
// the game's rule only when that may win.
void Record(char* word, int len)
{
    if (MayBeat(RankedScore(TheRun.score.Raw(), StartAlongLine())))
        TryCandidate(word, len, nullptr);
}

// Grows the left parts before the anchor at position anchor from list, the
// word so far of len letters, while limit free squares remain before it.
void LeftPart(int anchor, char* word, int len, int list, int limit)
{
    const SearchGraph& graph = TheSearchGraph;
    const LineSlot& at = Szukanie.line[anchor];
    const LetterBits available = Available();
    // The word as it stands goes on only through the anchor.
    if (TheAnchor.GoesThrough(at, list, available)) {
        ScoreWordStart(len);
        ExtendRight(anchor, word, len, list, false, false);
    }
    // A longer left part leaves a letter for the anchor only while the
    // dictionary's words below list are long enough.
    limit = std::min(limit, graph.Longest(list) - 1);
    if (limit <= 0 || !MayBeat(TheAnchor.LeftPartsFrom(len + 1, len + limit)))
        return;
    // A letter without a child list cannot reach the anchor; one whose left
    // part goes on neither through the anchor nor to a longer left part is
    // not tried.
    const bool longer = limit > 1 && MayBeat(TheAnchor.LeftPartsFrom(len + 2, len + limit));
    const std::uint32_t letters = graph.Letters(list);
    for (LetterBits m = letters & available; m; m &= m - 1) {
        const int index = __builtin_ctzll(m);
        const int child = SearchGraph::Child(graph.Entry(list, index));
        if (child <= 0)
            continue;
        const bool blank = TakeTile(index, len);
        // A left part that may grow by one letter only must be followed by
        // one of the anchor's letters then.
        if (TheAnchor.GoesThrough(at, child, Available())
            || (longer && (limit > 2 || (graph.Then(child) & TheAnchor.letters)))) {
            word[len] = static_cast<char>(graph.Letter(index));
            --StartAlongLine();
            LeftPart(anchor, word, len + 1, child, limit - 1);
            ++StartAlongLine();
        }
        GiveTileBack(index, blank);
    }
}

// Extends the word through position pos from list; endOfWord: a word ends
// with its letters so far, recorded on an empty square once the anchor has
// been filled (extended).
void ExtendRight(int pos, char* word, int len, int list, bool endOfWord, bool extended)
{
    const SearchGraph& graph = TheSearchGraph;
    const LineSlot& slot = Szukanie.line[pos];
    if (slot.letter) {
        std::uint32_t entry = 0;
        if (graph.Find(list, Placeable.index[slot.letter], entry)) {
            word[len] = static_cast<char>(slot.letter);
            WithBoardTile(pos, [&] {
                ExtendRight(pos + 1, word, len + 1, SearchGraph::Child(entry),
                            SearchGraph::EndOfWord(entry), true);
            });
        }
        return;
    }
    // An empty square or the border after the word's last letter.
    if (extended && endOfWord)
        Record(word, len);
    const LetterBits allowed = slot.set & Available() & graph.Letters(list);
    if (!allowed)
        return;
    // No bound is tried on the way: the anchor's and the left part's have
    // passed, and one on every square cut too little to pay for itself; a
    // complete word is still checked before it is laid. A letter goes here
    // only when the word can go on after it: into the tile on the next
    // square, else by ending here or by a letter the next square admits.
    const LineSlot& next = Szukanie.line[pos + 1];
    const LetterBits nextLetters =
        next.letter ? Bit(Placeable.index[next.letter]) : next.set & Available();
    for (LetterBits m = allowed; m; m &= m - 1) {
        const int index = __builtin_ctzll(m);
        const std::uint32_t entry = graph.Entry(list, index);
        if (!(graph.Letters(SearchGraph::Child(entry)) & nextLetters)
            && (next.letter || !SearchGraph::EndOfWord(entry)))
            continue;
        const bool blank = TakeTile(index, len);
        word[len] = static_cast<char>(graph.Letter(index));
        WithNewTile(pos, index, blank, [&] {
            ExtendRight(pos + 1, word, len + 1, SearchGraph::Child(entry),
                        SearchGraph::EndOfWord(entry), true);
        });
        GiveTileBack(index, blank);
    }
}

// The words of the anchor being searched from the listed left parts.
void SearchLeftParts()
{
    const Anchor& a = *TheAnchor.anchor;
    const LineSlot& at = Szukanie.line[a.pos];
    char* word = Szukanie.word;
    const int longest = std::min<int>(a.limit, LeftPartLengths - 1);
    for (int n = 0; n <= longest; ++n) {
        if (!MayBeat(TheAnchor.boundOfLength[n]))
            continue;
        StartAlongLine() = a.pos - n;
        for (const LeftPartEntry& e : TheLeftParts.OfLength(n)) {
            if (!TheAnchor.GoesThrough(at, e))
                continue;
            // The left part lies on free squares: scored tile by tile.
            bool blank[RackSlots - 1];
            TheRun.score = WordScore{};
            for (int i = 0; i < n; ++i) {
                blank[i] = TakeTile(e.index[i], i);
                word[i] = static_cast<char>(TheSearchGraph.Letter(e.index[i]));
                ScoreNewTile(a.pos - n + i, e.index[i], blank[i]);
            }
            ExtendRight(a.pos, word, n, e.list, false, false);
            for (int i = n - 1; i >= 0; --i)
                GiveTileBack(e.index[i], blank[i]);
        }
    }
}

void SearchAnchor(const Anchor& a)
{
    TheAnchor.Start(a);
    char* word = Szukanie.word;
    if (a.prefixLength == 0) {
        if (!TheAnchor.MayWin())
            return;
        if (TheLeftParts.Listed()) {
            SearchLeftParts();
            return;
        }
        TheAnchor.BoundLengthRanges();
        LeftPart(a.pos, word, 0, TheSearchGraph.Root(), a.limit);
        return;
    }
    for (int i = 0; i < a.prefixLength; ++i)
        word[i] = static_cast<char>(Szukanie.line[a.start + i].letter);
    LeftPart(a.pos, word, a.prefixLength, a.list, 0);
}

} // namespace

// Levels III and IV: anchors best first, until one cannot win.
void FindBestMove()
{
    if (TheSearchGraph.Update())
        ForgetCrossSets();
    if (!TheSearchGraph.Ready()) {
        reference::FindBestMove();
        return;
    }
    // The sets hold every letter a square allows, not only the rack's: the
    // search meets them only through the rack's letters.
    if (!PrepareSearch(ComputeCrossSets))
        return;
    // The graph's letters come in letter-index order: a tie at one anchor
    // goes by the reference's order.
    TheRun.keyed = true;
    TheAnchors.Collect(TheLines);
    TheLeftParts.List();
    TheAnchors.WalkBestFirst([](const Anchor& a) {
        TheRun.rank = a.rank;
        if (MayBeat(a.bound)) {
            SearchAnchor(a);
            return true;
        }
        // Every anchor after one bounded below the best is bounded lower.
        return a.bound >= BestScore();
    });
    TheRun.keyed = false;
    LayBestMove();
}

} // namespace fast

ZK_BIT_COUNT_END

bool LastSearchListedLeftParts() { return fast::TheLeftParts.Listed(); }

void LimitListedLeftParts(int count) { fast::TheLeftParts.Limit(count); }

void FindBestMove()
{
    const Gracz* player = CurrentPlayer();
    static const bool bitCount = HasBitCount();
    if (!bitCount || (player && (player->Poziom == 1 || player->Poziom == 2))) {
        reference::FindBestMove();
        return;
    }
    fast::FindBestMove();
}
