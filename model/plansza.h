// Plansza: the board, 17 by 17 squares indexed [x][y]. Columns and rows 1 to
// 15 are played; 0 and 16 form an always-empty border, so neighbour tests and
// word walks stop there without range checks.
#pragma once

#include <cstdint>

#include "model/litery.h"
#include "model/zbior_liter.h"

constexpr int BoardSize = 15;
constexpr int BoardSpan = BoardSize + 2;
constexpr int CentreSquare = 8;

struct Pole {
    std::int8_t colourClass = 0;    // 0 plain; 1, 2, 3 or 5: letters of that value count x3
    std::int8_t wordMultiplier = 1; // 1, 2 or 3
    std::uint8_t startFlag = 0;     // only chooses the square's picture
    Tile tile = 0;                  // 0 empty, 'a'..'z', or 'X' a blank
    Tile blankLetter = 0;           // the letter a blank on this square stands for
    ZbiorLiter acrossSet;           // letters allowed here in a word along the row
    ZbiorLiter downSet;             // letters allowed here in a word along the column
    std::uint8_t anchor = 0;        // 1 where the computer may start a word

    // The letter this square shows in a word: a blank's letter, else the tile.
    Tile Letter() const { return tile == BlankTile ? blankLetter : tile; }
};

extern Pole Plansza[BoardSpan][BoardSpan];

// The logical path of the installed board layout file.
extern const char LayoutPath[];

// Rebuilds the whole board: every square plain and empty with empty sets,
// then the premiums of the layout file at path (15 lines of 15 layout
// characters, each followed by 2 line-end bytes). Squares the file does not
// supply (missing or short file) stay plain.
void InitPlansza(const char* path);

// Empties every square's letter sets at the end of a game.
void FreePlanszaSets();
