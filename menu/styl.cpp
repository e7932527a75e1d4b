#include "menu/styl.h"

#include <cstring>

#include "menu/opcje.h"
#include "menu/plik_ustawien.h"

const char StyleFolder[] = "Program Files\\Venk's Zertanik Dezoze EN\\/style";

namespace {

// A usable style path: not empty, and ended by a NUL within its field.
bool StylePathField(const std::uint8_t* field)
{
    return field[0] != 0 && std::memchr(field, 0, SettingsTextBytes) != nullptr;
}

} // namespace

int ReadStyleFile(const char* path, Ustawienia& style)
{
    SettingsBytes bytes;
    std::size_t length = 0;
    if (ReadRecordBytes(path, bytes, length) != 0 || length < StyleRecordBytes
        || !StylePathField(bytes.data() + offsetof(Ustawienia, BackgroundPath))
        || !StylePathField(bytes.data() + offsetof(Ustawienia, TileFolder)))
        return 1;
    const Ustawienia decoded = DecodeSettings(bytes.data(), length);
    if (std::strlen(decoded.TileFolder) > MaxTileFolder)
        return 1;
    style = decoded;
    return 0;
}

int ApplyStyleFile(const char* path)
{
    Ustawienia style;
    if (ReadStyleFile(path, style) != 0)
        return 1;
    SetOptionPath(BackgroundPath, style.BackgroundPath);
    SetOptionPath(TileFolder, style.TileFolder, MaxTileFolder);
    TextColour = style.TextColour;
    HighlightColour = style.HighlightColour;
    return 0;
}
