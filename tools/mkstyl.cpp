// mkstyl: writes a style file, a settings record holding a background
// picture, a tile and board picture folder and the two colours.
//
//     mkstyl OUT.tmt BACKGROUND TILEFOLDER R,G,B R,G,B
//
// BACKGROUND and TILEFOLDER are relative to the installation folder; the
// colours are the text colour and the highlight colour. The record's other
// fields hold the defaults: the default dictionary, four human seats.
#include <cstdio>
#include <string>

#include "menu/opcje.h"
#include "menu/plik_ustawien.h"
#include "menu/tekst.h"
#include "platform/instalacja.h"

namespace {

bool ParseColour(const char* text, Rgb& colour)
{
    unsigned r, g, b;
    char end;
    if (std::sscanf(text, "%u,%u,%u%c", &r, &g, &b, &end) != 3 || r > 255 || g > 255 || b > 255)
        return false;
    colour = {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
              static_cast<std::uint8_t>(b)};
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: mkstyl OUT.tmt BACKGROUND TILEFOLDER R,G,B R,G,B\n");
        return 2;
    }
    const std::string background = InstallFolder + std::string(argv[2]);
    const std::string folder = InstallFolder + std::string(argv[3]);
    Ustawienia style;
    if (!CopyText(style.BackgroundPath, SettingsTextBytes, background.c_str())
        || folder.size() > MaxTileFolder
        || !CopyText(style.TileFolder, SettingsTextBytes, folder.c_str())
        || !CopyText(style.DictionaryPath, SettingsTextBytes, DefaultDictionaryPath)) {
        std::fprintf(stderr, "mkstyl: a path is too long for the record\n");
        return 1;
    }
    if (!ParseColour(argv[4], style.TextColour) || !ParseColour(argv[5], style.HighlightColour)) {
        std::fprintf(stderr, "mkstyl: a colour is not R,G,B of 0 to 255\n");
        return 1;
    }
    for (int seat = 0; seat < SeatCount; ++seat)
        SetSeat(style, seat, HumanSeat, DefaultSeatName);
    return WriteSettingsFile(argv[1], style);
}
