// The game window's geometry: every place and size that its drawing and its
// stylus hit tests share, in client pixels with (0, 0) at the top left;
// rectangles are (x, y, width, height).
#pragma once

#include <wx/gdicmn.h>

#include "model/plansza.h"

inline const wxSize GameWindowSize(240, 270);

// The board: square (x, y), both 1 to 15, from ((x-1)*16, (y-1)*16). A tile
// lies one pixel inside its square (and inside an exchange slot); the mark of
// a pending tile is a 3 by 3 box three pixels inside.
constexpr int SquarePixels = 16;
constexpr int BoardPixels = BoardSize * SquarePixels;
inline const wxRect BoardArea(0, 0, BoardPixels, BoardPixels);
constexpr int TileInset = 1;
constexpr int MarkInset = 3, MarkSize = 3;
constexpr double MarkCorner = 1.0;

// The top left corner of square (x, y).
inline wxPoint SquareCorner(int x, int y)
{
    return wxPoint((x - 1) * SquarePixels, (y - 1) * SquarePixels);
}

// The rack and the exchange slots: seven slots 16 pixels apart.
constexpr int SlotPixels = 16;
inline const wxRect RackArea(120, 244, 120, 60);
constexpr int RackTileX = 125, RackTileY = 245; // the tile of slot 0
// A press is on the rack strictly inside these bounds; its slot is counted
// from one pixel right of the first tile.
constexpr int RackHitRight = 234;
constexpr double RackHitTop = 246.8, RackHitBottom = 258.8;
constexpr int RackHitSlot0X = RackTileX + 1;
constexpr int ExchangeSlotX = 123, ExchangeSlotY = 218; // the picture of slot 0

// The letter picker: 26 cells of 14 pixels, 8 to a row; a press is on it
// strictly inside the cells' columns and above PickerHitBottom.
constexpr int PickerCells = 26, PickerColumns = 8, PickerCellPixels = 14;
inline const wxRect PickerArea(15, 147, 128, 64);
constexpr int PickerHitBottom = 230;

// The info panel: player rows 24 pixels apart from y 0 (score, then name),
// the bag and its tile count, the two hint lines.
constexpr int PlayerRowPitch = 24, PlayerScoreX = 8, PlayerRowX = 38;
constexpr int BagX = 191, BagY = 26;
inline const wxPoint BagCountAt(201, 36);
// A player row ends just before the bag.
constexpr int PlayerRowEnd = BagX - 3;
inline const wxPoint HintLine1At(10, 110), HintLine2At(10, 124);
// What the info panel draws on and clears before it draws: the full width,
// down to the letter picker's first row, so a long player row or hint line,
// which reaches past the window's middle, is never drawn over itself.
inline const wxRect InfoPanelArea(0, 0, GameWindowSize.x, 148);
// The rows the move status copies, down to the letter picker: a hint line
// reaches past the window's middle.
inline const wxRect HintRows(0, 0, GameWindowSize.x, PickerArea.y);

// The status line: its background and its text.
inline const wxRect StatusArea(0, 245, 122, 65);
inline const wxPoint StatusTextAt(3, 247);
// The bottom strip where the question of a pending move comes and goes.
inline const wxRect PromptArea(3, 242, 240, 30);
