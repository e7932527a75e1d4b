#include "menu/plik_ustawien.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>

#include <sys/resource.h>

#include "tests/settings/settings_fixture.h"

namespace fs = std::filesystem;

namespace {

// A settings file with the colours (10,20,30) and (40,50,60).
Bytes SettingsFile(const std::string& background, const std::string& folder)
{
    return RecordBytes(background, folder, {10, 20, 30}, {40, 50, 60});
}

const Bytes Stored = SettingsFile("a/tlo.JPG", "a/plansza");

} // namespace

TEST_F(SettingsTest, NoUsableSettingsFileKeepsTheDefaults)
{
    const struct { const char* what; std::size_t length; int result; } cases[] = {
        {"missing", std::size_t(-1), 1}, {"empty", 0, 1}, {"paths cut", 299, 1},
        {"paths only", 300, 1}, {"one byte short", 712, 1}, {"whole", 713, 0},
        {"longer", 800, 0}};
    for (const auto& c : cases) {
        fs::remove(dir.Path() + "/Qovant.kfg");
        if (c.length != std::size_t(-1)) {
            Bytes bytes = Stored;
            bytes.resize(c.length, 0x7F);
            dir.Write("Qovant.kfg", bytes);
        }
        ResetOptions();
        EXPECT_EQ(ReadSettingsPaths(), c.result) << c.what;
        const bool read = c.result == 0;
        EXPECT_STREQ(BackgroundPath, read ? "a/tlo.JPG" : DefaultBackgroundPath) << c.what;
        EXPECT_STREQ(DictionaryPath, read ? "a/slo.slo" : DefaultDictionaryPath) << c.what;
        EXPECT_STREQ(TileFolder, read ? "a/plansza" : DefaultTileFolder) << c.what;

        Ustawienia record;
        EXPECT_EQ(LoadSettings(record), c.result) << c.what;
        EXPECT_EQ(ConfirmComputerMove, read ? 1 : 0) << c.what;
        EXPECT_EQ(TextColour, (read ? Rgb{10, 20, 30} : InitialTextColour)) << c.what;
        EXPECT_STREQ(record.names[0], read ? "Ewa" : "") << c.what;
    }
}

TEST_F(SettingsTest, FileOfNonNulBytesGivesBoundedTexts)
{
    dir.Write("Qovant.kfg", Bytes(713, 'a'));
    ASSERT_EQ(ReadSettingsPaths(), 0);
    EXPECT_EQ(std::string(BackgroundPath), std::string(99, 'a'));
    EXPECT_EQ(std::string(DictionaryPath), std::string(99, 'a'));
    EXPECT_STREQ(TileFolder, DefaultTileFolder); // 99 characters: too long for the pictures

    Ustawienia record;
    ASSERT_EQ(LoadSettings(record), 0);
    for (int seat = 0; seat < SeatCount; ++seat) // 'a' is no seat type
        EXPECT_STREQ(record.names[seat], "Nameless");
    EXPECT_EQ(TextColour, (Rgb{'a', 'a', 'a'}));
    EXPECT_EQ(ConfirmComputerMove, 0);
}

TEST_F(SettingsTest, TileFolderLengthFromTheFile)
{
    const std::string fits(MaxTileFolder, 't'), over(MaxTileFolder + 1, 't');
    dir.Write("Qovant.kfg", SettingsFile("b", fits));
    ASSERT_EQ(ReadSettingsPaths(), 0);
    EXPECT_EQ(TileFolder, fits);

    dir.Write("Qovant.kfg", SettingsFile("b2", over));
    Ustawienia record;
    ASSERT_EQ(LoadSettings(record), 0);
    EXPECT_EQ(TileFolder, fits); // refused: the folder before stays
    EXPECT_STREQ(BackgroundPath, "b2");

    // Empty fields name nothing: the options keep their values.
    dir.Write("Qovant.kfg", SettingsFile("", ""));
    ASSERT_EQ(LoadSettings(record), 0);
    EXPECT_EQ(TileFolder, fits);
    EXPECT_STREQ(BackgroundPath, "b2");
}

TEST_F(SettingsTest, OptionsAndSeatsSurviveWriteAndRead)
{
    SetDefaultOptionPaths();
    ASSERT_TRUE(SetOptionPath(BackgroundPath, Logical("tlo/tlo4.JPG").c_str()));
    TextColour = {7, 8, 9};
    HighlightColour = {0, 0, 255};
    ConfirmComputerMove = 1;
    Ustawienia out = OptionsRecord();
    ASSERT_TRUE(SetSeat(out, 0, 5, ""));
    ASSERT_TRUE(SetSeat(out, 1, 0, "Zofia"));
    ASSERT_TRUE(SetSeat(out, 2, 1, "Computer I"));
    ASSERT_TRUE(SetSeat(out, 3, 0, "Nameless"));
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, out), 0);

    const Bytes written = ReadFileBytes(dir.Path() + "/Qovant.kfg");
    ASSERT_EQ(written.size(), 713u);
    EXPECT_EQ(written[704], 2);
    EXPECT_EQ(written[705], 3);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
    // A rewrite keeps the file's permissions.
    fs::permissions(dir.Path() + "/Qovant.kfg", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, out), 0);
    EXPECT_EQ(fs::status(dir.Path() + "/Qovant.kfg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    ResetOptions();
    Ustawienia in;
    ASSERT_EQ(LoadSettings(in), 0);
    EXPECT_EQ(BackgroundPath, Logical("tlo/tlo4.JPG"));
    EXPECT_STREQ(DictionaryPath, DefaultDictionaryPath);
    EXPECT_STREQ(TileFolder, DefaultTileFolder);
    EXPECT_EQ(TextColour, (Rgb{7, 8, 9}));
    EXPECT_EQ(HighlightColour, (Rgb{0, 0, 255}));
    EXPECT_EQ(ConfirmComputerMove, 1);
    EXPECT_STREQ(in.names[1], "Zofia");
    EXPECT_EQ(in.TypGracza[2], 1);
    EXPECT_EQ(EncodeSettings(in), EncodeSettings(out));
}

TEST_F(SettingsTest, FailedWriteReturnsOneAndKeepsTheOldFile)
{
    const std::string path = dir.Write("Qovant.kfg", Stored);
    Ustawienia other = DecodeSettings(Stored.data(), Stored.size());
    std::strcpy(other.BackgroundPath, "new");

    // A file size limit below the record makes the write itself fail.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = WriteSettingsFile(SettingsFilePath, other);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, 1);
    EXPECT_EQ(ReadFileBytes(path), Stored);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);

    EXPECT_EQ(WriteSettingsFile(Logical("missing/Qovant.kfg").c_str(), other), 1);
    EXPECT_FALSE(fs::exists(dir.Path() + "/missing"));
    // A folder in the way of the rename.
    fs::create_directory(dir.Path() + "/busy");
    dir.Write("busy/x", Bytes{1});
    EXPECT_EQ(WriteSettingsFile(Logical("busy").c_str(), other), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);

    EXPECT_EQ(WriteSettingsFile(SettingsFilePath, other), 0);
    EXPECT_EQ(ReadFileBytes(path)[0], 'n');
}
