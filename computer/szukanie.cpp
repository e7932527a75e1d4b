#include "computer/szukanie.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>

#include "computer/kotwice.h"
#include "computer/listy.h"
#include "computer/szukanie_wspolne.h"
#include "computer/wzorzec.h"
#include "model/gra.h"
#include "model/punktacja.h"
#include "model/slownik.h"

using namespace search_detail;

// The search's own functions use the processor's bit count instruction
// (every list step counts the bits of a letter mask); FindBestMove runs them
// only on a processor that has it, and the reference search elsewhere.
#if defined(__x86_64__) || defined(__i386__)
#define ZK_BIT_COUNT_TARGET 1
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("popcnt"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("popcnt")
#endif
#endif

namespace {

// The cross-check sets of the latest patterns: a pattern's set depends
// only on the dictionary, and from one search to the next most of the board
// stays as it was.
class CrossSetCache {
public:
    void Clear() { std::fill(std::begin(entries_), std::end(entries_), Entry{}); }

    // The set of the pattern's '?' (all of it, not only the rack's letters).
    LetterBits Find(const char* pattern)
    {
        std::uint32_t hash = 2166136261u;
        int length = 0;
        for (; pattern[length]; ++length)
            hash = (hash ^ static_cast<std::uint8_t>(pattern[length])) * 16777619u;
        Entry& e = entries_[hash % std::size(entries_)];
        if (e.length == length + 1 && std::memcmp(e.pattern, pattern, length) == 0)
            return e.set;
        ZbiorLiter set;
        TheSearchGraph.CrossCheck(pattern, set);
        e.set = set.Word();
        if (length < static_cast<int>(sizeof e.pattern)) {
            std::memcpy(e.pattern, pattern, length);
            e.length = static_cast<std::uint8_t>(length + 1);
        } else {
            e.length = 0;
        }
        return e.set;
    }

private:
    struct Entry {
        std::uint8_t length = 0; // the pattern's length + 1; 0: empty
        char pattern[BoardSize + 1] = {};
        LetterBits set = 0;
    };
    Entry entries_[4096];
};
CrossSetCache TheCrossSets;

// The cross-check sets of the board, line by line: the across sets of a
// column depend only on the column's tiles, the down sets of a row only on
// the row's. From one search to the next most lines stay as they were; they
// get the sets kept from before.
class CrossSetLines {
public:
    void Clear() { known_ = false; }

    // Fills the sets of every playing square on Plansza (the search reads
    // no border square's).
    void Compute()
    {
        // The lines holding a square whose tile changed since the sets
        // were made: its column's across sets and its row's down sets.
        bool changed[2][BoardSpan] = {};
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                const std::uint16_t tile = TileOf(Plansza[x][y]);
                if (known_ && tile == tiles_[x][y])
                    continue;
                tiles_[x][y] = tile;
                changed[1][x] = changed[0][y] = true;
            }
        for (const bool across : {true, false})
            for (int n = 1; n <= BoardSize; ++n)
                ComputeLine(across, n, !known_ || changed[across][n]);
        known_ = true;
    }

private:
    // A square's tile and its blank's letter.
    static std::uint16_t TileOf(const Pole& p)
    {
        return static_cast<std::uint16_t>(p.tile | p.blankLetter << 8);
    }

    void ComputeLine(bool across, int n, bool changed)
    {
        ZbiorLiter* const sets = sets_[across][n];
        // The line's playing squares on the board as one array: across sets
        // go down a column (x = n), down sets along a row (y = n).
        const int step = across ? 1 : BoardSpan;
        Pole* const first = (across ? &Plansza[n][0] : &Plansza[0][n]) + step;
        ZbiorLiter Pole::*const set = across ? &Pole::acrossSet : &Pole::downSet;
        if (changed) {
            ComputeLineCrossSets(across, n, [](const char* pattern, ZbiorLiter& found) {
                found.SetWord(TheCrossSets.Find(pattern));
            });
            const Pole* p = first;
            for (int i = 0; i < BoardSize; ++i, p += step)
                sets[i] = p->*set;
            return;
        }
        Pole* q = first;
        for (int i = 0; i < BoardSize; ++i, q += step)
            q->*set = sets[i];
    }

    bool known_ = false;                          // tiles_ and sets_ are those of the board
    std::uint16_t tiles_[BoardSpan][BoardSpan] = {}; // each square's tile when its sets were made
    ZbiorLiter sets_[2][BoardSpan][BoardSize];    // [across][column or row][playing square]
};
CrossSetLines TheCrossSetLines;

// The lines of both passes that hold an anchor, prepared before the first
// anchor is searched.
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
    std::uint8_t start;             // the first square of its words
    int list, prefixLength;         // after the tiles before the anchor, if any
    int leftPartBound[LeftPartLengths]; // by the left part's length, not the longest
};
constexpr int MaxAnchors = 2 * BoardSize * BoardSize;
Anchor Anchors[MaxAnchors];
int AnchorCount = 0;
// The search order: anchors by bound, highest first, and in the order they
// were listed (their ranks) within a bound. Bounds are buckets, each a chain
// of anchors, walked down from the highest: no sort, and the walk ends where
// the bounds can no longer win. Bounds past the last bucket share it, sorted
// there by insertion (none seen in play: a move would have to score over a
// thousand).
constexpr int OrderBuckets = 1024;
int BucketFirst[OrderBuckets], BucketLast[OrderBuckets];
int NextInBucket[MaxAnchors];
int HighestBucket = -1;

int BucketOf(int bound) { return std::min(bound + 1, OrderBuckets - 1); } // bounds are at least -1

void ClearOrder()
{
    for (int b = 0; b <= HighestBucket; ++b)
        BucketFirst[b] = -1;
    HighestBucket = -1;
}

void AddToOrder(int k)
{
    const int b = BucketOf(Anchors[k].bound);
    NextInBucket[k] = -1;
    if (b > HighestBucket) {
        for (int i = HighestBucket + 1; i <= b; ++i)
            BucketFirst[i] = -1;
        HighestBucket = b;
    }
    if (BucketFirst[b] < 0) {
        BucketFirst[b] = BucketLast[b] = k;
        return;
    }
    if (b < OrderBuckets - 1) {
        NextInBucket[BucketLast[b]] = k;
        BucketLast[b] = k;
        return;
    }
    // The last bucket: after every anchor of a higher or equal bound.
    int* link = &BucketFirst[b];
    while (*link >= 0 && Anchors[*link].bound >= Anchors[k].bound)
        link = &NextInBucket[*link];
    NextInBucket[k] = *link;
    *link = k;
}

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

// Walks the tiles from first to the anchor at pos from the top-level list:
// false when they are no word's beginning; else a's list and prefix length
// after them.
bool WalkPrefix(int first, int pos, Anchor& a)
{
    const SearchGraph& graph = TheSearchGraph;
    a.list = graph.Root();
    a.prefixLength = 0;
    for (int i = first; i < pos; ++i) {
        std::uint32_t entry = 0;
        if (!graph.Find(a.list, Placeable.index[Szukanie.line[i].letter], entry))
            return false;
        a.list = SearchGraph::Child(entry);
        if (a.list <= 0)
            return false;
        ++a.prefixLength;
    }
    return true;
}

// One bound for the words of the anchor at pos, whatever their left part
// (limit free squares before it); each left part's own bound is found only
// if the anchor is searched. With no room for a left part it is that bound.
int BoundAllLeftParts(int pos, int limit)
{
    const int longest = std::min(limit, Run.rack.tiles - 1);
    LineBound& line = *Run.line;
    if (longest <= 0)
        return RankedScore(line.Ending(pos, 0, 1, 0, 0, Run.rack.lettersOfValue), pos);
    int sum = 0, product = 1;
    for (int n = 1; n <= longest; ++n) {
        sum += line[pos - n].value;
        product *= line[pos - n].wordMultiplier;
    }
    // Not ranked: a risk factor is at least 1.
    return line.EndingAfterLeftParts(pos, sum, product, longest, Run.rack.lettersOfValue);
}

// The anchors of every line as bit masks: bit pos of entry [across][n] for
// the anchor at position pos of row n (across) or column n. An anchor whose
// set along the line holds no letter the rack can supply takes no tile, so
// no word goes through it: it is left out, and a line left without anchors
// is not prepared.
void FindAnchorLines(std::uint16_t (&lines)[2][BoardSpan])
{
    for (auto& direction : lines)
        std::fill(std::begin(direction), std::end(direction), 0);
    const LetterBits rack = Run.rack.available;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const Pole& p = Plansza[x][y];
            if (!p.anchor)
                continue;
            if (p.acrossSet.Word() & rack)
                lines[1][y] |= static_cast<std::uint16_t>(1u << x);
            if (p.downSet.Word() & rack)
                lines[0][x] |= static_cast<std::uint16_t>(1u << y);
        }
}

void CollectAnchors()
{
    AnchorCount = 0;
    ClearOrder();
    std::uint16_t anchorLines[2][BoardSpan];
    FindAnchorLines(anchorLines);
    int rank = 0;
    for (const int across : {1, 0}) {
        Szukanie.across = static_cast<std::uint8_t>(across);
        for (int n = 1; n <= BoardSize; ++n, rank += BoardSize) {
            if (!anchorLines[across][n])
                continue;
            FillLine(n, Lines.bounds[across][n]);
            std::copy(std::begin(Szukanie.line), std::end(Szukanie.line),
                      Lines.slots[across][n]);
            for (unsigned m = anchorLines[across][n]; m; m &= m - 1) {
                const int pos = __builtin_ctz(m);
                Anchor& a = Anchors[AnchorCount];
                a.rank = rank + pos - 1;
                a.across = static_cast<std::uint8_t>(across);
                a.line = static_cast<std::uint8_t>(n);
                a.pos = static_cast<std::uint8_t>(pos);
                a.limit = 0;
                a.start = a.pos;
                a.list = TheSearchGraph.Root();
                a.prefixLength = 0;
                if (!Szukanie.line[pos - 1].letter) {
                    while (Szukanie.line[pos - 1 - a.limit].open)
                        ++a.limit;
                    a.bound = BoundAllLeftParts(pos, a.limit);
                } else {
                    // The tiles before the anchor begin the word; no rack
                    // letter goes there. An anchor whose tiles lead nowhere
                    // in the dictionary gives nothing.
                    int sum = 0;
                    const int first = PrefixStart(pos, sum);
                    if (!WalkPrefix(first, pos, a))
                        continue;
                    a.start = static_cast<std::uint8_t>(first);
                    a.bound = RankedScore(Run.line->EndingWithin(pos, sum, 1, 0, 0,
                                                                 Run.rack.lettersOfValue,
                                                                 TheSearchGraph.Longest(a.list)),
                                          first);
                }
                AddToOrder(AnchorCount);
                ++AnchorCount;
            }
        }
    }
    CurrentLine = -1;
}

void ExtendRight(int pos, char* word, int len, int list, bool endOfWord, bool extended);

// A complete word: scored from the running totals first (exact for a word
// of two letters or more, never less than its score otherwise), laid and
// scored by the game's rule only when that may win.
void Record(char* word, int len)
{
    const int raw = Run.sum * Run.product + Run.cross + (Run.tiles == RackSlots ? AllTilesBonus : 0);
    if (MayBeat(RankedScore(raw, StartAlongLine())))
        TryCandidate(word, len, nullptr);
}

// Entry [first][last]: the most a word of the anchor being searched can
// score whose left part has first to last letters.
int LeftPartsBound[LeftPartLengths][LeftPartLengths];

// The bound of left parts of first to last letters (none: -1).
int LeftPartsFrom(int first, int last)
{
    last = std::min(last, LeftPartLengths - 1);
    return first <= last ? LeftPartsBound[first][last] : -1;
}

// The letter of the tile after the anchor as a bit (bit 0 for a tile no word
// can pass), or 0 when the square after it is empty.
LetterBits AfterAnchor = 0;

// Whether a word whose next letter comes from list may go on through the
// anchor at: a tile there, or a letter of list that the anchor's set and the
// rack admit, with a child list holding the tile after the anchor.
[[gnu::always_inline]] inline bool GoesThrough(const LineSlot& at, int list, LetterBits available)
{
    const SearchGraph& graph = TheSearchGraph;
    return at.letter
           || ((graph.Letters(list) & at.set & available)
               && (!AfterAnchor || (graph.Then(list) & AfterAnchor)));
}

// The anchor's letters that the rack can supply.
LetterBits AnchorLetters = 0;

void LeftPart(int anchor, char* word, int len, int list, int limit)
{
    const SearchGraph& graph = TheSearchGraph;
    const LineSlot& at = Szukanie.line[anchor];
    const LetterBits available = Available();
    // The word as it stands goes on only through the anchor.
    if (GoesThrough(at, list, available)) {
        ScoreWordStart(len);
        ExtendRight(anchor, word, len, list, false, false);
    }
    // A longer left part leaves a letter for the anchor only while the
    // dictionary's words below list are long enough.
    limit = std::min(limit, graph.Longest(list) - 1);
    if (limit <= 0 || !MayBeat(LeftPartsFrom(len + 1, len + limit)))
        return;
    // A letter without a child list cannot reach the anchor; one whose left
    // part goes on neither through the anchor nor to a longer left part is
    // not tried.
    const bool longer = limit > 1 && MayBeat(LeftPartsFrom(len + 2, len + limit));
    const std::uint32_t letters = graph.Letters(list);
    for (LetterBits m = letters & available; m; m &= m - 1) {
        const int index = __builtin_ctzll(m);
        const int child = SearchGraph::Child(graph.Entry(list, index));
        if (child <= 0)
            continue;
        const bool blank = TakeTile(index, len);
        // A left part that may grow by one letter only must be followed by
        // one of the anchor's letters then.
        if (GoesThrough(at, child, Available())
            || (longer && (limit > 2 || (graph.Then(child) & AnchorLetters)))) {
            word[len] = static_cast<char>(graph.Letter(index));
            --StartAlongLine();
            LeftPart(anchor, word, len + 1, child, limit - 1);
            ++StartAlongLine();
        }
        GiveTileBack(index, blank);
    }
}

void ExtendRight(int pos, char* word, int len, int list, bool endOfWord, bool extended)
{
    const SearchGraph& graph = TheSearchGraph;
    const LineSlot& slot = Szukanie.line[pos];
    if (slot.letter) {
        std::uint32_t entry = 0;
        if (graph.Find(list, Placeable.index[slot.letter], entry)) {
            word[len] = static_cast<char>(slot.letter);
            const int sum = Run.sum;
            Run.sum += (*Run.line)[pos].value;
            ExtendRight(pos + 1, word, len + 1, SearchGraph::Child(entry),
                        SearchGraph::EndOfWord(entry), true);
            Run.sum = sum;
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
        const int sum = Run.sum, product = Run.product, cross = Run.cross;
        ScoreNewTile(pos, index, blank);
        ExtendRight(pos + 1, word, len + 1, SearchGraph::Child(entry),
                    SearchGraph::EndOfWord(entry), true);
        Run.sum = sum;
        Run.product = product;
        Run.cross = cross;
        --Run.tiles;
        GiveTileBack(index, blank);
    }
}

// The left parts the rack can make: every beginning of a word of up to a
// rack less one letters whose last letter has a child list, made once per
// search, shortest first; each anchor then tests them in a flat loop.
struct LeftPartEntry {
    std::uint32_t letters = 0;  // the letters of its list
    std::uint32_t then = 0;     // the letters of their child lists
    LetterBits available = 0;   // what the rack can supply after it
    int list = 0;
    std::uint8_t length = 0;
    std::uint8_t index[RackSlots - 1] = {}; // its letter indices, first letter first
};
// Enough for a rack without blanks; a rack whose left parts do not fit
// (blanks make many) grows them anchor by anchor instead.
constexpr int MaxLeftParts = 4096;
LeftPartEntry LeftParts[MaxLeftParts];
int LeftPartsOfLength[LeftPartLengths + 1]; // entry n: the first of length n
bool LeftPartsListed = false;
LeftPartEntry UnsortedLeftParts[MaxLeftParts]; // as listed, before ordering by length

// Lists the left parts that go on from list after the len letters of e;
// false when they do not fit.
bool ListLeftParts(LeftPartEntry& e, int list, int len, int longest, int& count)
{
    const SearchGraph& graph = TheSearchGraph;
    if (count == MaxLeftParts)
        return false;
    e.letters = graph.Letters(list);
    e.then = graph.Then(list);
    e.available = Available();
    e.list = list;
    e.length = static_cast<std::uint8_t>(len);
    UnsortedLeftParts[count++] = e;
    if (len == longest)
        return true;
    for (LetterBits m = graph.Letters(list) & Available(); m; m &= m - 1) {
        const int index = __builtin_ctzll(m);
        const int child = SearchGraph::Child(graph.Entry(list, index));
        if (child <= 0)
            continue;
        const bool blank = TakeTile(index, len);
        e.index[len] = static_cast<std::uint8_t>(index);
        const bool fits = ListLeftParts(e, child, len + 1, longest, count);
        GiveTileBack(index, blank);
        if (!fits)
            return false;
    }
    return true;
}

// Lists the rack's left parts in LeftParts, shortest first.
void ListLeftParts()
{
    const LeftPartEntry* const unsorted = UnsortedLeftParts;
    LeftPartEntry e;
    int count = 0;
    const int longest = std::min(Run.rack.tiles - 1, RackSlots - 1);
    LeftPartsListed = longest >= 0 && ListLeftParts(e, TheSearchGraph.Root(), 0, longest, count);
    if (!LeftPartsListed)
        return;
    int counts[LeftPartLengths + 1] = {};
    for (int k = 0; k < count; ++k)
        ++counts[unsorted[k].length + 1];
    for (int n = 1; n <= LeftPartLengths; ++n)
        counts[n] += counts[n - 1];
    std::copy(std::begin(counts), std::end(counts), LeftPartsOfLength);
    for (int k = 0; k < count; ++k)
        LeftParts[counts[unsorted[k].length]++] = unsorted[k];
}

// The words of anchor a from the listed left parts.
void SearchLeftParts(const Anchor& a)
{
    const LineSlot& at = Szukanie.line[a.pos];
    char* word = Szukanie.word;
    const int longest = std::min<int>(a.limit, LeftPartLengths - 1);
    for (int n = 0; n <= longest; ++n) {
        if (!MayBeat(a.leftPartBound[n]))
            continue;
        StartAlongLine() = a.pos - n;
        for (int k = LeftPartsOfLength[n]; k < LeftPartsOfLength[n + 1]; ++k) {
            const LeftPartEntry& e = LeftParts[k];
            // As GoesThrough, from the entry's own copy of its list's letters.
            if (!(e.letters & at.set & e.available) || (AfterAnchor && !(e.then & AfterAnchor)))
                continue;
            // The left part lies on free squares: scored tile by tile.
            bool blank[RackSlots - 1];
            Run.sum = Run.cross = Run.tiles = 0;
            Run.product = 1;
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

void SearchAnchor(Anchor& a)
{
    SelectLine(a.across, a.line);
    Run.rank = a.rank;
    Run.anchor = a.pos;
    char* word = Szukanie.word;
    StartAlongLine() = a.start;
    const Tile next = Szukanie.line[a.pos + 1].letter;
    AfterAnchor = next ? Bit(Placeable.index[next]) : 0;
    AnchorLetters = Szukanie.line[a.pos].set & Run.rack.available;
    if (a.prefixLength == 0) {
        BoundEachLeftPart(a.pos, a.limit, a.leftPartBound);
        if (!MayBeat(*std::max_element(std::begin(a.leftPartBound), std::end(a.leftPartBound))))
            return;
        if (LeftPartsListed) {
            SearchLeftParts(a);
            return;
        }
        for (int first = 0; first < LeftPartLengths; ++first) {
            int best = -1;
            for (int last = first; last < LeftPartLengths; ++last)
                LeftPartsBound[first][last] = best = std::max(best, a.leftPartBound[last]);
        }
        LeftPart(a.pos, word, 0, TheSearchGraph.Root(), a.limit);
        return;
    }
    for (int i = 0; i < a.prefixLength; ++i)
        word[i] = static_cast<char>(Szukanie.line[a.start + i].letter);
    LeftPart(a.pos, word, a.prefixLength, a.list, 0);
}

// Levels III and IV: anchors best first, until one cannot win.
void SearchBestFirst()
{
    CollectAnchors();
    ListLeftParts();
    for (int b = HighestBucket; b >= 0; --b)
        for (int k = BucketFirst[b]; k >= 0; k = NextInBucket[k]) {
            Anchor& a = Anchors[k];
            Run.rank = a.rank;
            if (!MayBeat(a.bound)) {
                if (a.bound < BestScore())
                    return;
                continue;
            }
            SearchAnchor(a);
        }
}

} // namespace

#ifdef ZK_BIT_COUNT_TARGET
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

namespace {

bool HasBitCount()
{
#ifdef ZK_BIT_COUNT_TARGET
    return __builtin_cpu_supports("popcnt");
#else
    return true;
#endif
}

} // namespace

bool LastSearchListedLeftParts() { return LeftPartsListed; }

void FindBestMove()
{
    const Gracz* player = CurrentPlayer();
    static const bool bitCount = HasBitCount();
    if (!bitCount || (player && (player->Poziom == 1 || player->Poziom == 2))) {
        reference::FindBestMove();
        return;
    }
    if (TheSearchGraph.Update()) {
        TheCrossSets.Clear();
        TheCrossSetLines.Clear();
    }
    if (!TheSearchGraph.Ready()) {
        reference::FindBestMove();
        return;
    }
    // The sets hold every letter a square allows, not only the rack's: the
    // search meets them only through the rack's letters.
    if (!PrepareSearch([] { TheCrossSetLines.Compute(); }))
        return;
    // The graph's letters come in letter-index order: a tie at one anchor
    // goes by the reference's order.
    Run.keyed = true;
    SearchBestFirst();
    Run.keyed = false;
    LayBestMove();
}
