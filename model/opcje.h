// The option globals: what the options page and style files set and the
// windows read. Paths are logical 8-bit strings on the heap, owned by the
// options; DictionaryPath is declared with the dictionary (model/slownik.h).
#pragma once

#include "model/kolor.h"

constexpr Rgb InitialTextColour{255, 255, 0};
constexpr Rgb InitialHighlightColour{0, 224, 5};

extern char* BackgroundPath;    // the tiled background picture
extern char* TileFolder;        // folder of the tile and square pictures
extern Rgb TextColour;          // texts of the game window
extern Rgb HighlightColour;     // the row of the player to move
extern int ConfirmComputerMove; // 1: a computer's move waits for the human's answer
