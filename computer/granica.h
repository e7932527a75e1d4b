// Upper bounds for the move search: the most any word can still score that
// a branch of the search may complete, so that branches that cannot score
// more than the best move so far are skipped.
//
// Every part of a word's score grows with its length (letter values and
// premiums are never negative, multipliers at least 1), so the bound of a
// branch is that of the longest word it may reach: the furthest square the
// word can end on with the tiles left. That end is found once per square of
// the line and number of tiles, so a bound costs a few operations.
#pragma once

#include <array>

#include "computer/stan_szukania.h"

constexpr int MaxLetterValue = 5;

// The value of each letter index; 0 for the blank and non-letters.
extern const std::array<int, LetterIndexCount> IndexValues;
inline int IndexValue(int index) { return IndexValues[index]; }

// The letters 'a' to 'z' of each value.
extern const std::array<LetterBits, MaxLetterValue + 1> ValueLetters;

// What a letter of value v counts on a new tile's square of the colour
// class: three times when they are equal (the scoring rule's letter premium).
inline int CountedValue(int v, int colourClass) { return v == colourClass ? 3 * v : v; }

// What the bound needs to know of one square of the line being searched.
struct SquareBound {
    int value = 0;          // a tile's value; on an empty square the most a rack letter counts
    int cross = 0;          // the most its cross word can score (0: none)
    int crossSum = 0;       // the value of its cross word's tiles
    std::int8_t colourClass = 0;
    std::int8_t wordMultiplier = 1;
    bool crossWord = false; // a tile beside it across the line
    bool fillable = false;  // the rack has a letter its set allows
};

// The rack as the bound sees it.
struct RackBound {
    LetterBits letters = 0;                      // letters with a tile on the rack
    LetterBits available = 0;                    // letters it can supply, blanks included
    int tiles = 0;                               // tiles the search may place
    int lettersOfValue[MaxLetterValue + 1] = {}; // letter tiles by value
};

class LineBound {
public:
    // Prepares line n of the pass (across: row n) from Szukanie's line buffer.
    void Prepare(bool across, int n, const RackBound& rack);

    const SquareBound& operator[](int pos) const { return squares_[pos]; }

    // The most a word can score that goes on from the empty square pos, where
    // the word so far sums sum, with the product of its word multipliers, its
    // cross words and its new tiles; lettersLeft: letter tiles left by value.
    // -1 when it cannot go on.
    int Ending(int pos, int sum, int product, int cross, int tiles, const int* lettersLeft);

    // At least Ending for every left part of up to leftTiles letters before
    // the empty square pos, where sum and product are those of all the
    // leftTiles squares before it (each with the most a rack letter counts
    // there): one bound for all of them.
    int EndingAfterLeftParts(int pos, int sum, int product, int leftTiles,
                             const int* lettersLeft);

    // As Ending, for a word that can take at most maxLetters more letters
    // (the board's tiles among them) from pos on.
    int EndingWithin(int pos, int sum, int product, int cross, int tiles, const int* lettersLeft,
                     int maxLetters);

    // The risk factor of a word that starts at position start.
    double RiskFactor(int start);

private:
    struct End {
        bool valid = false;
        int added = 0, old = 0, bySquare = 0, product = 1, cross = 0;
    };
    // The furthest end from the empty square pos with the tiles left after
    // tiles, or null.
    const End* FurthestEnd(int pos, int tiles);
    void FindEnds(int pos);
    // Every end of a word from pos, by its last square, for EndingWithin.
    void FindReach(int pos);
    // Calls visit(j, the word's squares pos to j) for each square j a word
    // from pos can reach with the rack.
    template <class Visit>
    void Walk(int pos, Visit visit) const;
    int Score(const End& e, int sum, int product, int cross, int tiles,
              const int* lettersLeft) const;
    // The most k letter tiles of lettersLeft can count on the line.
    int BestTiles(int k, const int* lettersLeft) const;

    bool across_ = true;
    int line_ = 0;
    int rackTiles_ = 0;
    SquareBound squares_[BoardSpan];
    double riskFactor_[BoardSpan] = {};     // 0 until needed
    bool endsFound_[BoardSpan] = {};
    End ends_[BoardSpan][RackSlots + 1];    // the furthest end with at most k tiles
    bool reachFound_[BoardSpan] = {};
    End at_[BoardSpan][BoardSpan];          // [pos][j]: the word's squares pos to j
    std::int8_t lastValid_[BoardSpan][BoardSpan]; // the last valid end up to j, or -1
    std::int8_t reach_[BoardSpan][RackSlots + 1]; // the furthest square with at most k tiles
    int tileCount_[MaxLetterValue + 1] = {}; // what a tile of value v counts at most here
    int valueOrder_[4] = {};                // letter values by tileCount_, highest first
};
