#include "menu/styl.h"

#include <cstring>
#include <string>

#include "menu/opcje.h"
#include "menu/plik_ustawien.h"

const char StyleFolder[] = "Program Files\\Venk's Zertanik Dezoze EN\\/style";
const char StyleKind[] = "style file";

namespace {

// A usable style path: not empty, and ended by a NUL within its field.
bool StylePathField(const std::uint8_t* field)
{
    return field[0] != 0 && std::memchr(field, 0, SettingsTextBytes) != nullptr;
}

} // namespace

int ReadStyleFile(const char* path, Ustawienia& style, FileFault* fault)
{
    SettingsBytes bytes;
    std::size_t length = 0;
    if (ReadRecordBytes(path, bytes, length, StyleKind, fault) != 0)
        return 1;
    auto refuse = [&](const std::string& what) {
        return RefuseFile(fault, StyleKind, RealPath(path), what);
    };
    if (length < StyleRecordBytes)
        return refuse("it is shorter than a style (" + std::to_string(length) + " of "
                      + std::to_string(StyleRecordBytes) + " bytes)");
    if (!StylePathField(bytes.data() + offsetof(Ustawienia, BackgroundPath)))
        return refuse("its background picture path is empty or damaged");
    if (!StylePathField(bytes.data() + offsetof(Ustawienia, TileFolder)))
        return refuse("its picture folder path is empty or damaged");
    const Ustawienia decoded = DecodeSettings(bytes.data(), length);
    if (std::strlen(decoded.TileFolder) > MaxTileFolder)
        return refuse("its picture folder path is too long");
    style = decoded;
    return 0;
}

int ApplyStyleFile(const char* path, FileFault* fault)
{
    Ustawienia style;
    if (ReadStyleFile(path, style, fault) != 0)
        return 1;
    SetOptionPath(BackgroundPath, style.BackgroundPath);
    SetOptionPath(TileFolder, style.TileFolder, MaxTileFolder);
    TextColour = style.TextColour;
    HighlightColour = style.HighlightColour;
    return 0;
}
