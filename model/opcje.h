// The option globals: what the options page and style files set and the
// windows read. Paths are logical 8-bit strings.
#pragma once

#include <cstdint>

struct Kolor {
    std::uint8_t r = 0, g = 0, b = 0;
};

extern char* BackgroundPath;   // the tiled background picture
extern char* TileFolder;       // folder of the tile and square pictures
extern Kolor TextColour;
extern Kolor HighlightColour;
extern bool ConfirmComputerMove;
