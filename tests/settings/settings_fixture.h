// A fixture whose data folder is a fresh temporary folder and whose option
// globals start unset with the default colours.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "menu/opcje.h"
#include "platform/instalacja.h"
#include "tests/support/temp_files.h"

using Bytes = std::vector<std::uint8_t>;

// The bytes of a valid record with the given background, tile folder and
// colours, the dictionary "a/slo.slo", seats Ewa, Computer III, none and Jan,
// and the confirmation on. The texts are under 100 bytes.
inline Bytes RecordBytes(const std::string& background, const std::string& folder, Rgb text,
                         Rgb highlight)
{
    Ustawienia r;
    std::strcpy(r.BackgroundPath, background.c_str());
    std::strcpy(r.DictionaryPath, "a/slo.slo");
    std::strcpy(r.TileFolder, folder.c_str());
    SetSeat(r, 0, 0, "Ewa");
    SetSeat(r, 1, 3, "Computer III");
    SetSeat(r, 2, 5, "");
    SetSeat(r, 3, 0, "Jan");
    r.TextColour = text;
    r.HighlightColour = highlight;
    r.ConfirmComputerMove = 1;
    const SettingsBytes b = EncodeSettings(r);
    return Bytes(b.begin(), b.end());
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("ZERTANIK_DATA", dir.Path().c_str(), 1);
        ResetDataFolder();
        ResetOptions();
    }
    void TearDown() override
    {
        ResetOptions();
        unsetenv("ZERTANIK_DATA");
        ResetDataFolder();
    }
    static void ResetOptions()
    {
        FreeOptionPaths();
        TextColour = InitialTextColour;
        HighlightColour = InitialHighlightColour;
        ConfirmComputerMove = 0;
    }
    // The logical path of name inside the data folder.
    static std::string Logical(const std::string& name) { return InstallFolder + name; }

    TempDir dir;
};
