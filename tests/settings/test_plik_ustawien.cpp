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
        FileFault fault;
        testing::internal::CaptureStderr();
        EXPECT_EQ(ReadSettingsPaths(&fault), c.result) << c.what;
        const std::string logged = testing::internal::GetCapturedStderr();
        // A missing file is a first start: silent. A short one is named.
        const bool missing = c.length == std::size_t(-1);
        EXPECT_EQ(fault.missing, missing) << c.what;
        EXPECT_EQ(logged.empty(), c.result == 0 || missing) << c.what << ": " << logged;
        if (c.result != 0 && !missing) {
            EXPECT_EQ(fault.file, dir.Path() + "/Qovant.kfg");
            EXPECT_EQ(logged, "Error: " + fault.Text() + "\n");
            EXPECT_EQ(fault.what, "it is shorter than the 713-byte record ("
                                      + std::to_string(c.length) + " bytes)");
        }
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
    FileFault fault;
    ASSERT_EQ(ReadSettingsPaths(&fault), 0);
    EXPECT_EQ(fault.what, "its seats are damaged");
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
    FileFault fault;
    testing::internal::CaptureStderr();
    const int result = WriteSettingsFile(SettingsFilePath, other, &fault);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    const std::string logged = testing::internal::GetCapturedStderr();

    EXPECT_EQ(result, 1);
    // The failure names the settings file, not the new file beside it.
    EXPECT_EQ(fault.file, path);
    EXPECT_NE(fault.what.find("can't write it (write: "), std::string::npos) << fault.what;
    EXPECT_NE(logged.find("'" + path + "'"), std::string::npos) << logged;
    EXPECT_EQ(logged.find(path + "."), std::string::npos) << logged;
    EXPECT_EQ(ReadFileBytes(path), Stored);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);

    EXPECT_EQ(WriteSettingsFile(Logical("missing/Qovant.kfg").c_str(), other), 1);
    EXPECT_FALSE(fs::exists(dir.Path() + "/missing"));
    // A folder in the way, and a read-only file (refused also when the
    // superuser could write it): nothing changes.
    fs::create_directory(dir.Path() + "/busy");
    dir.Write("busy/x", Bytes{1});
    EXPECT_EQ(WriteSettingsFile(Logical("busy").c_str(), other, &fault), 1);
    EXPECT_EQ(fault.what, "can't write it: it is a folder");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(WriteSettingsFile(SettingsFilePath, other, &fault), 1);
    EXPECT_EQ(fault.Text(), "settings file '" + path + "': can't write it: it is read-only");
    EXPECT_EQ(ReadFileBytes(path), Stored);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);

    EXPECT_EQ(WriteSettingsFile(SettingsFilePath, other), 0);
    EXPECT_EQ(ReadFileBytes(path)[0], 'n');
}

TEST_F(SettingsTest, RefusedFileIsKeptBesideBeforeItIsReplaced)
{
    Bytes badSeat = Stored;
    badSeat[701] = 9;
    Bytes oneShort = Stored;
    oneShort.pop_back();
    const Ustawienia fresh = DecodeSettings(Stored.data(), Stored.size());
    const std::string path = dir.Path() + "/Qovant.kfg", bad = path + ".bad";
    for (const Bytes& refused : {oneShort, badSeat, Bytes{}}) {
        fs::remove(bad);
        dir.Write("Qovant.kfg", refused);
        ASSERT_EQ(WriteSettingsFile(SettingsFilePath, fresh), 0);
        EXPECT_EQ(ReadFileBytes(bad), refused);
        EXPECT_EQ(ReadFileBytes(path), Stored);
    }
    // A whole record is replaced without a copy; an older copy stays.
    fs::remove(bad);
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, fresh), 0);
    EXPECT_FALSE(fs::exists(bad));
    dir.Write("Qovant.kfg.bad", Bytes{7});
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, fresh), 0);
    EXPECT_EQ(ReadFileBytes(bad), Bytes{7});
}

TEST_F(SettingsTest, SymbolicLinkIsWrittenThrough)
{
    const Ustawienia fresh = DecodeSettings(Stored.data(), Stored.size());
    const std::string target = dir.Write("kept/real.kfg", Bytes(713, 0));
    const std::string link = dir.Path() + "/Qovant.kfg";
    for (const std::string& to : {std::string("kept/real.kfg"), target}) { // relative, absolute
        fs::remove(link);
        fs::create_symlink(to, link);
        ASSERT_EQ(WriteSettingsFile(SettingsFilePath, fresh), 0) << to;
        EXPECT_TRUE(fs::is_symlink(link)) << to;
        EXPECT_EQ(ReadFileBytes(target), Stored) << to;
        dir.Write("kept/real.kfg", Bytes(713, 0));
    }
    // A link to a file not made yet makes that file.
    fs::remove(target);
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, fresh), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target), Stored);
}

class PerUserSettings : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        const char* xdg = std::getenv("XDG_CONFIG_HOME");
        const char* home = std::getenv("HOME");
        savedXdg = xdg ? xdg : "";
        savedHome = home ? home : "";
        hadXdg = xdg != nullptr;
        setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    }
    void TearDown() override
    {
        fs::permissions(dir.Path(), fs::perms::owner_all);
        if (hadXdg)
            setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        setenv("HOME", savedHome.c_str(), 1);
        SettingsTest::TearDown();
    }
    // The data folder as an install leaves it: not writable.
    void ReadOnlyDataFolder() const
    {
        fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec
                                        | fs::perms::group_read | fs::perms::group_exec);
    }

    TempDir config;
    std::string savedXdg, savedHome;
    bool hadXdg = false;
};

TEST_F(PerUserSettings, ReadOnlyDataFolderSendsTheSettingsToTheUsersFile)
{
    const std::string shipped = dir.Write("Qovant.kfg", SettingsFile("shipped", "f"));
    ReadOnlyDataFolder();
    const std::string user = config.Path() + "/zertanik/Qovant.kfg";

    // No file of the user's yet: the data folder's is read.
    ASSERT_EQ(ReadSettingsPaths(), 0);
    EXPECT_STREQ(BackgroundPath, "shipped");
    // Written to the user's file, its folder made; the data folder's stays.
    const Ustawienia mine = DecodeSettings(SettingsFile("mine", "f").data(), 713);
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, mine), 0);
    EXPECT_EQ(ReadFileBytes(user), SettingsFile("mine", "f"));
    EXPECT_EQ(ReadFileBytes(shipped), SettingsFile("shipped", "f"));
    ASSERT_EQ(ReadSettingsPaths(), 0);
    EXPECT_STREQ(BackgroundPath, "mine");

    // Without an absolute XDG_CONFIG_HOME (empty, relative, or none) the
    // user's file is under ~/.config.
    setenv("HOME", config.Path().c_str(), 1);
    const char* const values[] = {"", "config", "./config", nullptr};
    for (const char* xdg : values) {
        if (xdg)
            setenv("XDG_CONFIG_HOME", xdg, 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(UserFilePath(SettingsFilePath), config.Path() + "/.config/zertanik/Qovant.kfg")
            << (xdg ? xdg : "unset");
    }
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, mine), 0);
    EXPECT_EQ(ReadFileBytes(config.Path() + "/.config/zertanik/Qovant.kfg"),
              SettingsFile("mine", "f"));
}

TEST_F(PerUserSettings, WritableDataFolderKeepsTheSettings)
{
    // A build tree: the data folder is used even when a user's file exists.
    config.Write("zertanik/Qovant.kfg", SettingsFile("user", "f"));
    dir.Write("Qovant.kfg", SettingsFile("tree", "f"));
    ASSERT_EQ(ReadSettingsPaths(), 0);
    EXPECT_STREQ(BackgroundPath, "tree");
    const Ustawienia mine = DecodeSettings(SettingsFile("mine", "f").data(), 713);
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, mine), 0);
    EXPECT_EQ(ReadFileBytes(dir.Path() + "/Qovant.kfg"), SettingsFile("mine", "f"));
    EXPECT_EQ(ReadFileBytes(config.Path() + "/zertanik/Qovant.kfg"), SettingsFile("user", "f"));
    // Paths outside the installation folder are never mapped.
    ReadOnlyDataFolder();
    EXPECT_EQ(UserFilePath("/tmp/x.kfg"), "");
    EXPECT_EQ(WrittenFileWritePath("/tmp/x.kfg"), "/tmp/x.kfg");
}

// The data folder's file under a per-user one is never written: a refused one
// is left as it is, with no copy beside it and none promised.
TEST_F(PerUserSettings, RefusedShippedFileIsLeftAsItIs)
{
    const std::string shipped = dir.Write("Qovant.kfg", Bytes(712, 0));
    EXPECT_TRUE(SettingsSaveReplaces(shipped)); // a build tree's file is replaced
    ReadOnlyDataFolder();
    Ustawienia record;
    FileFault fault;
    ASSERT_EQ(ReadSettingsFile(SettingsFilePath, record, &fault), 1);
    EXPECT_EQ(fault.file, shipped);
    EXPECT_TRUE(RefusedSettingsFile(shipped));
    EXPECT_FALSE(SettingsSaveReplaces(shipped));

    const std::string user = config.Path() + "/zertanik/Qovant.kfg";
    ASSERT_EQ(WriteSettingsFile(SettingsFilePath, record), 0);
    EXPECT_EQ(ReadFileBytes(shipped), Bytes(712, 0));
    EXPECT_FALSE(fs::exists(shipped + RefusedSettingsSuffix));
    EXPECT_TRUE(SettingsSaveReplaces(user));
}
