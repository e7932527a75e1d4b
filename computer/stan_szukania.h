// The move search's working state and its result, the best move.
//
// Both are program-wide single instances: the search (FindBestMove) writes
// them, the computer's turn reads the best move. Letter sets are 64-bit words
// (bit i for letter index i) and the rack is a table of counts by letter
// index, so taking a tile or testing a letter is one instruction.
#pragma once

#include <cstdint>

#include "model/litery.h"
#include "model/plansza.h"
#include "model/punkt.h"
#include "model/zbior_liter.h"

constexpr int MaxMoveBlanks = BlankTiles; // at most two blanks in one move
constexpr int BlankIndex = 27;      // the rack counter of the blanks

// A tile in the line buffer that no word can pass through (a blank without
// a letter).
constexpr Tile UnusableLetter = 0xFF;

// One square of the line being searched.
struct LineSlot {
    Tile letter = 0;                // 0 empty; a tile's letter (a blank's), or UnusableLetter
    std::uint8_t anchor = 0;        // the square's anchor flag
    std::uint8_t open = 0;          // empty, no anchor, touching no tile
    LetterBits set = 0;             // letters allowed here along the line
};

struct StanSzukania {
    std::uint8_t across = 1;        // 1: words along a row; 0: along a column
    int startX = 0;                 // first square of the word being built
    int startY = 0;
    int blanksInUse = 0;            // blanks the word being built takes
    int blankPositions[MaxMoveBlanks] = {-1, -1}; // their word positions
    int rack[LetterIndexCount] = {};              // tiles not yet taken, by letter index
    int candidateCount = 0;         // new tiles of the candidate being scored
    Punkt candidateSquares[RackSlots] = {};       // in word order
    Tile candidateLetters[RackSlots] = {};        // a blank gives its letter
    LineSlot line[BoardSpan] = {};  // the line: slot i is its square at position i
    char word[BoardSize + 1] = {};  // the word being built, from its first square
};

// NajlepszyRuch's record: the best move of the latest search.
struct BestMove {
    int tileCount = 0;              // 0: no move found
    Punkt squares[RackSlots] = {};  // the new tiles' squares, in word order
    Tile letters[RackSlots + 1] = {}; // their letters (a blank's letter), then NUL
    int rawScore = 0;
    int adjustedScore = 0;
    int blankCount = 0;
    int blankTiles[MaxMoveBlanks] = {}; // indices into squares/letters, increasing
    int rackAfter[LetterIndexCount] = {}; // the rack without the move's tiles
};

// Whether a and b are one move: the same tiles on the same squares, the
// same blanks, scores and rack left.
bool SameMove(const BestMove& a, const BestMove& b);

extern StanSzukania Szukanie;
extern BestMove NajlepszyRuch;

// The player whose turn it is in the running game, or null.
class Gracz;
Gracz* CurrentPlayer();
