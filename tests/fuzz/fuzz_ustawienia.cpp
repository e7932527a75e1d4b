// The settings record decode and the settings and style file readers on any
// bytes. A decoded record is always valid and stable under encoding; a file
// a reader takes gives exactly its option paths and its confirmation, every
// path within its bounds; a file a reader refuses changes no option.
#include <cstring>
#include <string>

#include <sys/stat.h>

#include "menu/opcje.h"
#include "menu/plik_ustawien.h"
#include "menu/styl.h"
#include "menu/ustawienia.h"
#include "platform/instalacja.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

InputFile input;
std::string dataFolder;   // a temporary data folder, removed at exit
std::string settingsFile; // the real path of the settings file in it

// The text an input's field holds: its bytes up to the first NUL, at most 99.
std::string FieldText(const std::uint8_t* data, std::size_t size, std::size_t offset)
{
    std::string s;
    for (std::size_t k = offset; k < size && k < offset + SettingsTextBytes - 1 && data[k]; ++k)
        s += static_cast<char>(data[k]);
    return s;
}

void CheckText(const char (&field)[SettingsTextBytes])
{
    const std::size_t n = strnlen(field, SettingsTextBytes);
    FUZZ_CHECK(n < SettingsTextBytes);
    for (std::size_t k = n; k < SettingsTextBytes; ++k)
        FUZZ_CHECK(field[k] == 0);
}

void CheckDecode(const std::uint8_t* data, std::size_t size)
{
    const Ustawienia r = DecodeSettings(data, size);
    for (const auto* f : {&r.BackgroundPath, &r.DictionaryPath, &r.TileFolder})
        CheckText(*f);
    for (const auto& name : r.names)
        CheckText(name);
    FUZZ_CHECK(r.BackgroundPath == FieldText(data, size, 0));
    FUZZ_CHECK(r.DictionaryPath == FieldText(data, size, 100));
    FUZZ_CHECK(r.TileFolder == FieldText(data, size, 200));

    const auto byte = [&](std::size_t k) { return k < size ? data[k] : std::uint8_t{0}; };
    bool typesValid = true;
    for (int seat = 0; seat < SeatCount; ++seat)
        typesValid = typesValid && ValidSeatType(static_cast<std::int8_t>(byte(700 + seat)));
    SeatCounts counts;
    for (int seat = 0; seat < SeatCount; ++seat) {
        FUZZ_CHECK(ValidSeatType(r.TypGracza[seat]));
        if (typesValid) {
            FUZZ_CHECK(r.TypGracza[seat] == static_cast<std::int8_t>(byte(700 + seat)));
            FUZZ_CHECK(r.names[seat] == FieldText(data, size, 300 + 100 * seat));
        }
        counts.players += r.TypGracza[seat] != NoPlayerSeat;
        counts.humans += r.TypGracza[seat] == HumanSeat;
    }
    FUZZ_CHECK(r.players == counts.players && r.humans == counts.humans);
    FUZZ_CHECK((r.TextColour == Rgb{byte(706), byte(707), byte(708)}));
    FUZZ_CHECK((r.HighlightColour == Rgb{byte(709), byte(710), byte(711)}));
    FUZZ_CHECK(r.ConfirmComputerMove == (byte(712) == 1));

    // Encoding a decoded record and decoding it again changes nothing.
    const SettingsBytes once = EncodeSettings(r);
    const SettingsBytes twice = EncodeSettings(DecodeSettings(once.data(), once.size()));
    FUZZ_CHECK(once == twice);
    FUZZ_CHECK(std::memcmp(&r, once.data(), SettingsRecordBytes) == 0);
}

struct Options {
    std::string background, dictionary, folder;
    Rgb text, highlight;
    int confirm;
    bool operator==(const Options& o) const
    {
        return background == o.background && dictionary == o.dictionary && folder == o.folder
               && text == o.text && highlight == o.highlight && confirm == o.confirm;
    }
};

Options Current()
{
    FUZZ_CHECK(BackgroundPath && DictionaryPath && TileFolder);
    FUZZ_CHECK(std::strlen(BackgroundPath) <= MaxOptionPath);
    FUZZ_CHECK(std::strlen(DictionaryPath) <= MaxOptionPath);
    FUZZ_CHECK(std::strlen(TileFolder) <= MaxTileFolder);
    FUZZ_CHECK(ConfirmComputerMove == 0 || ConfirmComputerMove == 1);
    return {BackgroundPath, DictionaryPath, TileFolder, TextColour, HighlightColour,
            ConfirmComputerMove};
}

void StartOptions()
{
    SetDefaultOptionPaths();
    TextColour = InitialTextColour;
    HighlightColour = InitialHighlightColour;
    ConfirmComputerMove = 0;
}

// A path of the input, or the option's value when the field is empty.
std::string Taken(const std::uint8_t* data, std::size_t offset, const std::string& before)
{
    const std::string s = FieldText(data, SettingsRecordBytes, offset);
    return s.empty() ? before : s;
}

void CheckSettingsFile(const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(settingsFile.c_str(), "wb");
    FUZZ_CHECK(f && std::fwrite(data, 1, size, f) == size && std::fclose(f) == 0);

    StartOptions();
    const Options before = Current();
    Ustawienia record;
    const int read = LoadSettings(record);
    const Options after = Current();
    if (read != 0) {
        FUZZ_CHECK(size < SettingsRecordBytes);
        FUZZ_CHECK(after == before);
    } else {
        FUZZ_CHECK(size >= SettingsRecordBytes);
        FUZZ_CHECK(after.background == Taken(data, 0, before.background));
        FUZZ_CHECK(after.dictionary == Taken(data, 100, before.dictionary));
        const std::string folder = FieldText(data, size, 200);
        FUZZ_CHECK(after.folder == (folder.size() > MaxTileFolder ? before.folder
                                                                   : Taken(data, 200, before.folder)));
        FUZZ_CHECK(after.confirm == (data[712] == 1));
    }
    // The start-up reader takes the same three paths.
    FreeOptionPaths();
    const int paths = ReadSettingsPaths();
    const Options early = Current();
    FUZZ_CHECK(paths == read);
    if (read == 0)
        FUZZ_CHECK(early.background == after.background && early.dictionary == after.dictionary
                   && early.folder == after.folder);
}

void CheckStyleFile(const std::uint8_t* data, std::size_t size)
{
    StartOptions();
    ConfirmComputerMove = 1;
    const Options before = Current();
    const int applied = ApplyStyleFile(input.Put(data, size));
    const Options after = Current();
    FUZZ_CHECK(after.dictionary == before.dictionary && after.confirm == before.confirm);
    if (applied != 0) {
        FUZZ_CHECK(after == before);
        return;
    }
    FUZZ_CHECK(size >= StyleRecordBytes);
    FUZZ_CHECK(after.background == FieldText(data, size, 0) && !after.background.empty());
    FUZZ_CHECK(after.folder == FieldText(data, size, 200) && !after.folder.empty());
    FUZZ_CHECK((after.text == Rgb{data[706], data[707], data[708]}));
    FUZZ_CHECK((after.highlight == Rgb{data[709], data[710], data[711]}));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceReaderMessages();
    char folder[] = "/tmp/fuzz-settings-XXXXXX";
    if (!mkdtemp(folder))
        std::abort();
    dataFolder = folder;
    setenv("ZERTANIK_DATA", folder, 1);
    ResetDataFolder();
    settingsFile = RealPath(SettingsFilePath);
    std::atexit([] {
        std::remove(settingsFile.c_str());
        rmdir(dataFolder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckDecode(data, size);
    CheckSettingsFile(data, size);
    CheckStyleFile(data, size);
    return 0;
}
