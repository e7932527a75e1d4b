#include "menu/opcje.h"

#include <cstdlib>

#include "menu/tekst.h"

const char DefaultTileFolder[] = "Program Files\\Venk's Zertanik Dezoze EN\\graf/plansza/rozm";
const char DefaultDictionaryPath[] =
    "Program Files\\Venk's Zertanik Dezoze EN\\slowniki/PL20030923.slo";
const char DefaultBackgroundPath[] = "Program Files\\Venk's Zertanik Dezoze EN\\graf/tlo/tlo2.JPG";

bool SetOptionPath(char*& option, const char* logical, std::size_t maxLength)
{
    if (maxLength > MaxOptionPath)
        maxLength = MaxOptionPath;
    char* copy = static_cast<char*>(std::calloc(OptionPathBytes, 1));
    if (!copy || !CopyText(copy, maxLength + 1, logical)) {
        std::free(copy);
        return false;
    }
    std::free(option);
    option = copy;
    return true;
}

void SetDefaultOptionPaths()
{
    SetOptionPath(TileFolder, DefaultTileFolder, MaxTileFolder);
    SetOptionPath(DictionaryPath, DefaultDictionaryPath);
    SetOptionPath(BackgroundPath, DefaultBackgroundPath);
}

void FreeOptionPaths()
{
    for (char** path : {&TileFolder, &DictionaryPath, &BackgroundPath}) {
        std::free(*path);
        *path = nullptr;
    }
}

void ApplyOptionPaths(const Ustawienia& record)
{
    // An empty field names nothing: the option keeps its value (an empty tile
    // folder would send every picture name to the file system's root).
    if (record.BackgroundPath[0])
        SetOptionPath(BackgroundPath, record.BackgroundPath);
    if (record.DictionaryPath[0])
        SetOptionPath(DictionaryPath, record.DictionaryPath);
    if (record.TileFolder[0])
        SetOptionPath(TileFolder, record.TileFolder, MaxTileFolder);
}

void ApplyOptions(const Ustawienia& record)
{
    ApplyOptionPaths(record);
    TextColour = record.TextColour;
    HighlightColour = record.HighlightColour;
    ConfirmComputerMove = record.ConfirmComputerMove == 1;
}

Ustawienia OptionsRecord()
{
    Ustawienia r;
    const struct { char (&field)[SettingsTextBytes]; const char* path; } paths[] = {
        {r.BackgroundPath, BackgroundPath},
        {r.DictionaryPath, DictionaryPath},
        {r.TileFolder, TileFolder}};
    for (const auto& p : paths)
        if (p.path)
            CopyText(p.field, SettingsTextBytes, p.path);
    r.TextColour = TextColour;
    r.HighlightColour = HighlightColour;
    r.ConfirmComputerMove = ConfirmComputerMove != 0;
    return r;
}
