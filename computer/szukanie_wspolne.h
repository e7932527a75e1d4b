// What both move searches share: the search's per-run state besides
// Szukanie, taking and giving back tiles, the running score of the word being
// built, the line buffer, and laying and scoring a candidate.
//
// The reference search (namespace reference, wzorzec.cpp) walks the lines in
// order; the fast one (namespace fast, szukanie.cpp) visits anchors best-first
// and carries each anchor's rank in the reference's order, so that a tie goes
// to the candidate the reference would have found first.
#pragma once

#include <climits>
#include <cstdint>

#include "computer/granica.h"
#include "computer/stan_szukania.h"
#include "model/punktacja.h"

namespace search_detail {

// The letter index of each tile the search may place ('a' to 'z'), else 0:
// dictionary nodes of other letters are passed over.
struct PlaceableTable {
    std::uint8_t index[256] = {};
    PlaceableTable();
};
extern const PlaceableTable Placeable;

inline LetterBits Bit(int index) { return LetterBits{1} << index; }

// Bits of the letters 'a' to 'z'.
extern const LetterBits PlaceableBits;

// Left parts of 0 to 7 letters, and one entry past them.
constexpr int LeftPartLengths = RackSlots + 2;

// Where the reference search meets a candidate among those of its anchor:
// the sibling position of each of its letters in the dictionary graph, with
// a mark (-1) after the letters before the anchor. The reference tries a
// word before its longer ones, a left part's words before longer left parts
// and siblings in list order, so of two candidates of one anchor it meets
// first the one whose key is lexicographically smaller.
struct OrderKey {
    std::int16_t steps[BoardSize + 1] = {};
    int length = 0;
    bool operator<(const OrderKey& other) const;
};

// The key of word (len letters) of the current anchor, where the word
// starts leftLength squares before the anchor.
OrderKey KeyOf(const char* word, int len, int leftLength);

// The word being built, scored as far as it goes: the sum of its letters
// (premiums of its new tiles included), the product of its new tiles' word
// multipliers, its cross words and its number of new tiles.
struct WordScore {
    int sum = 0, product = 1, cross = 0, tiles = 0;

    // The word's score by these totals: exact for a word of two letters or
    // more, never less than its score otherwise.
    int Raw() const { return sum * product + cross + (tiles == RackSlots ? AllTilesBonus : 0); }
};

// What one search keeps besides Szukanie.
struct SearchRun {
    int level = 0;
    int stopAbove = INT_MAX;        // the early stop of levels I and II
    RackBound rack;                 // the whole rack
    LetterBits rackLetters = 0;     // letters with a tile left on the rack
    int lettersOfValue[MaxLetterValue + 1] = {}; // letter tiles left, by value
    WordScore score;                // the word being built
    LineBound* line = nullptr;      // the bounds of the current line
    // The rank of the current anchor in the reference's order, and that of
    // the best move's anchor: of equal scores the lower rank wins. Both stay
    // 0 in the reference search, where a tie never replaces the best.
    int rank = 0, bestRank = 0;
    // Set while a search meets an anchor's candidates in another order than
    // the reference (the fast search, throughout): a tie with a best move of
    // the same anchor then goes to the candidate the reference meets first,
    // by their OrderKeys. anchor is the anchor's position along the line.
    bool keyed = false;
    int anchor = 0;
    OrderKey bestKey;
    // Entry n bounds, in the level's ranking, every candidate at the current
    // anchor whose left part has n letters or more.
    int leftPartBound[LeftPartLengths] = {};
};
extern SearchRun TheRun;

inline bool Stopped() { return NajlepszyRuch.rawScore > TheRun.stopAbove; }

// The small steps of the searches' inner loops are inlined into them (the
// recursive loops are too large for the compiler to inline them itself).

// The letters the rack can still supply: its letters, or any with a blank.
[[gnu::always_inline]] inline LetterBits Available()
{
    const bool blank = Szukanie.rack[BlankIndex] > 0 && Szukanie.blanksInUse < MaxMoveBlanks;
    return TheRun.rackLetters | (blank ? PlaceableBits : 0);
}

// Takes a tile for letter index i at word position len: a letter tile while
// one is left, else a blank. Returns whether it was a blank.
[[gnu::always_inline]] inline bool TakeTile(int i, int len)
{
    if (Szukanie.rack[i] > 0) {
        if (--Szukanie.rack[i] == 0)
            TheRun.rackLetters &= ~Bit(i);
        --TheRun.lettersOfValue[IndexValue(i)];
        return false;
    }
    --Szukanie.rack[BlankIndex];
    Szukanie.blankPositions[Szukanie.blanksInUse++] = len;
    return true;
}

[[gnu::always_inline]] inline void GiveTileBack(int i, bool blank)
{
    if (blank) {
        Szukanie.blankPositions[--Szukanie.blanksInUse] = -1;
        ++Szukanie.rack[BlankIndex];
        return;
    }
    if (Szukanie.rack[i]++ == 0)
        TheRun.rackLetters |= Bit(i);
    ++TheRun.lettersOfValue[IndexValue(i)];
}

inline int& StartAlongLine() { return Szukanie.across ? Szukanie.startX : Szukanie.startY; }

// The best move's score in the level's ranking.
inline int BestScore() { return TheRun.level < 4 ? NajlepszyRuch.rawScore : NajlepszyRuch.adjustedScore; }

// Whether a branch whose candidates score at most bound in the level's
// ranking may hold one that replaces the best move.
inline bool MayBeat(int bound)
{
    const int best = BestScore();
    return bound > best
           || (bound == best
               && (TheRun.rank < TheRun.bestRank || (TheRun.keyed && TheRun.rank == TheRun.bestRank)));
}

// Whether candidate word (len letters from Szukanie's start) scoring score
// in the level's ranking replaces the best move.
bool Beats(int score, const char* word, int len);

// A raw score in the level's ranking for a word starting at position start.
inline int RankedScore(int raw, int start)
{
    if (raw < 0 || TheRun.level < 4)
        return raw;
    return static_cast<int>(raw / TheRun.line->RiskFactor(start));
}

// Adds a new tile of letter index i (a blank or not) on position pos to
// the score of the word.
[[gnu::always_inline]] inline void ScoreNewTile(int pos, int i, bool blank)
{
    const SquareBound& b = (*TheRun.line)[pos];
    WordScore& w = TheRun.score;
    const int counted = CountedValue(blank ? 0 : IndexValue(i), b.colourClass);
    w.sum += counted;
    w.product *= b.wordMultiplier;
    if (b.crossWord)
        w.cross += (b.crossSum + counted) * b.wordMultiplier;
    ++w.tiles;
}

// Goes on with the word (go) after the board's tile on position pos, scored,
// and gives the score back afterwards.
template <class Go>
[[gnu::always_inline]] inline void WithBoardTile(int pos, Go go)
{
    const int sum = TheRun.score.sum;
    TheRun.score.sum += (*TheRun.line)[pos].value;
    go();
    TheRun.score.sum = sum;
}

// Goes on with the word (go) after a new tile of letter index i (a blank or
// not) on position pos, scored, and gives the score back afterwards.
template <class Go>
[[gnu::always_inline]] inline void WithNewTile(int pos, int i, bool blank, Go go)
{
    const WordScore kept = TheRun.score;
    ScoreNewTile(pos, i, blank);
    go();
    TheRun.score = kept;
}

// TheRun's score of the word's first len letters as they now lie.
void ScoreWordStart(int len);

// The tiles on the board directly before position pos: the first of them
// (pos when there are none); sum gets the sum of their values.
int PrefixStart(int pos, int& sum);

// The free squares directly before position pos that touch no tile, where a
// left part may lie: in a game, exactly the squares back to the previous
// anchor.
int FreeSquaresBefore(int pos);

// Bounds of the words at the anchor at pos whose left part has n letters
// (bound[n], -1 for none), limit the free squares before it, each filled by
// the best rack letter for it.
void BoundEachLeftPart(int pos, int limit, int* bound);

// TheRun's leftPartBound for the anchor at pos: entry n for the left parts of n
// letters or more.
void BoundLeftParts(int pos, int limit);

// Copies line number n of the current pass into Szukanie's line buffer and
// prepares bound for it.
void FillLine(int n, LineBound& bound);

// Resets the best move and prepares the board and the rack for a search by
// the current player; false without one. crossSets, when given, computes
// the cross-check sets in place of the two passes of Slownik::CrossCheck;
// TheRun's rack is counted before it runs.
bool PrepareSearch(void (*crossSets)() = nullptr);

// Lays word (len letters from Szukanie's start) on the board, scores it and
// keeps it as the best move when it Beats the best; then takes it off.
// onCandidate, when set, is called with its scores.
void TryCandidate(char* word, int len, void (*onCandidate)(int raw, int adjusted));

// Lays the best move's letters on Plansza.
void LayBestMove();

} // namespace search_detail
