// A fixture whose data folder is a fresh temporary folder and whose option
// globals start unset with the default colours.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "menu/opcje.h"
#include "platform/instalacja.h"
#include "tests/support/temp_files.h"

using Bytes = std::vector<std::uint8_t>;

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
        TextColour = DefaultTextColour;
        HighlightColour = DefaultHighlightColour;
        ConfirmComputerMove = 0;
    }
    // The logical path of name inside the data folder.
    static std::string Logical(const std::string& name) { return InstallFolder + name; }

    TempDir dir;
};
