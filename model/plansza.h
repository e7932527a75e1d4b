// Plansza: the board, 17 by 17 squares indexed [x][y]. Columns and rows 1 to
// 15 are played; 0 and 16 form an always-empty border, so neighbour tests and
// word walks stop there without range checks.
#pragma once

#include <cstdint>

#include "model/litery.h"
#include "model/zbior_liter.h"
#include "platform/instalacja.h"

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
// The kind of file a layout is, in the messages about one.
extern const char LayoutKind[];

// Rebuilds the whole board: every square plain and empty with empty sets,
// then the premiums of the layout file at path: 15 lines of 15 layout
// characters, each ending in CR LF or LF (the last may have none), character
// j of line i giving square (j + 1, i + 1); blanks after a line's 15
// characters and blank lines after the 15th are ignored. 0 when the layout
// was applied; 1 when the file cannot be read or is not such a board: then
// every square stays plain and the reason is logged and put in fault when
// given.
int InitPlansza(const char* path, FileFault* fault = nullptr);

// Empties every square's letter sets at the end of a game.
void FreePlanszaSets();
