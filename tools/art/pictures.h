// The game's pictures, one drawing function per kind of picture.
#pragma once

#include "art.h"

namespace art {

// Look of the tiles of one picture set.
struct TileLook {
    wxColour face;  // tile body
    wxColour ink;   // letter
};

// One board square: body colour and the colour of its label.
struct SquareLook {
    wxColour fill;
    wxColour ink;
};

// A complete picture set: its folder name under graf/plansza/, the squares
// (plain, letter classes 1, 2, 3, 5, word x2, x3, start), the letter tiles
// and the tiles of a blank standing for a letter.
struct SetLook {
    const char* folder;
    wxColour grout;  // the thin line between two squares
    SquareLook squares[8];
    TileLook tile;
    TileLook blank;
};

// Tile of side s at (x, y). A value below 0 prints none (a blank showing its
// letter); an empty letter draws an empty tile.
void DrawTile(wxGraphicsContext& g, double x, double y, double s,
              const TileLook& look, const wxString& letter, int value);
// A board square; its label is "" (none), "*" (a star) or a short text.
void DrawSquare(Pic& p, const wxColour& grout, const SquareLook& sq,
                const wxString& label);

// A rounded button filling the picture, its word in white.
void DrawButton(Pic& p, const wxColour& base, const wxString& label,
                double px);
void DrawCloseButton(Pic& p);
void DrawGoBar(Pic& p);

// Player pictures: 0 human, 1 to 4 computer I to IV, 5 nobody.
void DrawPlayer(Pic& p, int type);

void DrawRack(Pic& p);
void DrawExchangeSlot(Pic& p);
void DrawBag(Pic& p, const TileLook& tiles);
void DrawSplash(Pic& p, const TileLook& tiles);

// Letter values printed on the tiles ('A' to 'Z').
int LetterValue(char upper);

}  // namespace art
