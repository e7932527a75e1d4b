#include "menu/opcje.h"

#include <string>

#include "tests/settings/settings_fixture.h"

TEST_F(SettingsTest, OptionPathLimits)
{
    SetDefaultOptionPaths();
    const std::string longest(99, 'p');
    EXPECT_TRUE(SetOptionPath(BackgroundPath, longest.c_str()));
    EXPECT_EQ(BackgroundPath, longest);
    EXPECT_FALSE(SetOptionPath(BackgroundPath, (longest + "q").c_str()));
    EXPECT_EQ(BackgroundPath, longest);
    // A dialog's 255-character path.
    EXPECT_FALSE(SetOptionPath(DictionaryPath, std::string(255, 's').c_str()));
    EXPECT_STREQ(DictionaryPath, DefaultDictionaryPath);

    const std::string folder(88, 't');
    EXPECT_TRUE(SetOptionPath(TileFolder, folder.c_str(), MaxTileFolder));
    EXPECT_FALSE(SetOptionPath(TileFolder, (folder + "u").c_str(), MaxTileFolder));
    EXPECT_EQ(TileFolder, folder);

    // The record keeps what the options hold, whatever their source.
    const Ustawienia r = OptionsRecord();
    EXPECT_EQ(r.BackgroundPath, longest);
    EXPECT_EQ(r.TileFolder, folder);
}
