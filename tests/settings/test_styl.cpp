#include "menu/styl.h"

#include <cstring>
#include <string>

#include "menu/plik_ustawien.h"
#include "tests/settings/settings_fixture.h"

namespace {

Bytes StyleBytes(const std::string& background, const std::string& folder)
{
    return RecordBytes(background, folder, {200, 100, 50}, {1, 2, 3});
}

} // namespace

class StyleTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        SetDefaultOptionPaths();
    }
    void ExpectOptionsUnchanged() const
    {
        EXPECT_STREQ(BackgroundPath, DefaultBackgroundPath);
        EXPECT_STREQ(DictionaryPath, DefaultDictionaryPath);
        EXPECT_STREQ(TileFolder, DefaultTileFolder);
        EXPECT_EQ(TextColour, InitialTextColour);
        EXPECT_EQ(HighlightColour, InitialHighlightColour);
        EXPECT_EQ(ConfirmComputerMove, 0);
    }
};

TEST_F(StyleTest, ValidStyleChangesOnlyBackgroundFolderAndColours)
{
    for (const std::size_t length : {std::size_t(712), std::size_t(713)}) {
        Bytes bytes = StyleBytes("graf/tlo/tlo1.JPG", std::string(MaxTileFolder, 'f'));
        bytes.resize(length);
        const std::string path = dir.Write("style/s.tmt", bytes);
        ASSERT_EQ(ApplyStyleFile(path.c_str()), 0) << length;
        EXPECT_STREQ(BackgroundPath, "graf/tlo/tlo1.JPG");
        EXPECT_EQ(TileFolder, std::string(MaxTileFolder, 'f'));
        EXPECT_EQ(TextColour, (Rgb{200, 100, 50}));
        EXPECT_EQ(HighlightColour, (Rgb{1, 2, 3}));
        EXPECT_STREQ(DictionaryPath, DefaultDictionaryPath);
        EXPECT_EQ(ConfirmComputerMove, 0);
        ResetOptions();
        SetDefaultOptionPaths();
    }
}

TEST_F(StyleTest, BadStyleChangesNothing)
{
    const Bytes good = StyleBytes("graf/tlo/tlo1.JPG", "graf/plansza/noc");
    Bytes shortFile = good, background = good, folder = good;
    shortFile.resize(711);
    std::memset(background.data(), 'b', 100);
    std::memset(folder.data() + 200, 'f', 100);
    const struct { const char* what; Bytes bytes; const char* reason; } cases[] = {
        {"empty", {}, "it is shorter than a style (0 of 712 bytes)"},
        {"paths only", Bytes(good.begin(), good.begin() + 300),
         "it is shorter than a style (300 of 712 bytes)"},
        {"no highlight blue", shortFile, "it is shorter than a style (711 of 712 bytes)"},
        {"background without NUL", background, "its background picture path is empty or damaged"},
        {"folder without NUL", folder, "its picture folder path is empty or damaged"},
        {"folder too long", StyleBytes("b", std::string(MaxTileFolder + 1, 'f')),
         "its picture folder path is too long"},
        {"empty folder", StyleBytes("b", ""), "its picture folder path is empty or damaged"},
        {"empty background", StyleBytes("", "graf/plansza/noc"),
         "its background picture path is empty or damaged"}};
    for (const auto& c : cases) {
        const std::string path = dir.Write("style/bad.tmt", c.bytes);
        Ustawienia style;
        std::strcpy(style.TileFolder, "kept");
        EXPECT_EQ(ReadStyleFile(path.c_str(), style), 1) << c.what;
        EXPECT_STREQ(style.TileFolder, "kept") << c.what;
        FileFault fault;
        EXPECT_EQ(ApplyStyleFile(path.c_str(), &fault), 1) << c.what;
        EXPECT_EQ(fault.Text(), "style file '" + path + "': " + c.reason) << c.what;
        ExpectOptionsUnchanged();
    }
    EXPECT_EQ(ApplyStyleFile((dir.Path() + "/style/missing.tmt").c_str()), 1);
    ExpectOptionsUnchanged();
}

TEST_F(StyleTest, ShippedStylesSwitchBetweenThePictureSets)
{
    const struct { const char* file; const char* background; const char* folder; } shipped[] = {
        {"rozm.tmt", "graf/tlo/tlo2.JPG", "graf/plansza/rozm"},
        {"ciemna.tmt", "graf/tlo/tlo1.JPG", "graf/plansza/ciemna"}};
    Rgb textColours[2];
    for (int i = 0; i < 2; ++i) {
        const auto& s = shipped[i];
        Ustawienia style;
        ASSERT_EQ(ReadStyleFile((std::string(SOURCE_DATA_DIR) + "/style/" + s.file).c_str(), style),
                  0)
            << s.file;
        EXPECT_EQ(style.BackgroundPath, Logical(s.background)) << s.file;
        EXPECT_EQ(style.TileFolder, Logical(s.folder)) << s.file;
        EXPECT_NE(style.TextColour, style.HighlightColour) << s.file;
        textColours[i] = style.TextColour;
    }
    EXPECT_EQ(textColours[0], InitialTextColour);
    EXPECT_NE(textColours[0], textColours[1]);
}
