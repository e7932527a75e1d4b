#include "menu/ustawienia.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "menu/tekst.h"

static_assert(std::is_standard_layout_v<Ustawienia> && std::is_trivially_copyable_v<Ustawienia>);
static_assert(sizeof(Ustawienia) == SettingsRecordBytes, "no gaps between the fields");
static_assert(offsetof(Ustawienia, DictionaryPath) == 100 && offsetof(Ustawienia, TileFolder) == 200
              && offsetof(Ustawienia, names) == 300 && offsetof(Ustawienia, TypGracza) == 700
              && offsetof(Ustawienia, humans) == 704 && offsetof(Ustawienia, players) == 705
              && offsetof(Ustawienia, TextColour) == 706
              && offsetof(Ustawienia, HighlightColour) == 709
              && offsetof(Ustawienia, ConfirmComputerMove) == 712,
              "the file's field offsets");

namespace {

// Ends the field's text at its first NUL, at most 99 characters in, and zeroes
// everything after it.
void TidyText(char (&field)[SettingsTextBytes])
{
    const std::size_t length = strnlen(field, SettingsTextBytes - 1);
    std::memset(field + length, 0, SettingsTextBytes - length);
}

void TidyTexts(Ustawienia& r)
{
    TidyText(r.BackgroundPath);
    TidyText(r.DictionaryPath);
    TidyText(r.TileFolder);
    for (auto& name : r.names)
        TidyText(name);
}

void CountPlayers(Ustawienia& r)
{
    const SeatCounts c = CountSeats(r.TypGracza);
    r.players = static_cast<std::int8_t>(c.players);
    r.humans = static_cast<std::int8_t>(c.humans);
}

} // namespace

SettingsBytes EncodeSettings(const Ustawienia& record)
{
    Ustawienia r = record;
    TidyTexts(r);
    CountPlayers(r);
    r.ConfirmComputerMove = r.ConfirmComputerMove != 0;
    SettingsBytes bytes;
    std::memcpy(bytes.data(), &r, sizeof r);
    return bytes;
}

Ustawienia DecodeSettings(const std::uint8_t* bytes, std::size_t length)
{
    Ustawienia r; // every field zero
    if (length > 0)
        std::memcpy(&r, bytes, std::min(length, sizeof r));
    TidyTexts(r);
    if (!std::all_of(std::begin(r.TypGracza), std::end(r.TypGracza), ValidSeatType)) {
        for (int seat = 0; seat < SeatCount; ++seat) {
            r.TypGracza[seat] = HumanSeat;
            CopyText(r.names[seat], SettingsTextBytes, DefaultSeatName);
            TidyText(r.names[seat]);
        }
    }
    CountPlayers(r);
    r.ConfirmComputerMove = r.ConfirmComputerMove == 1;
    return r;
}

bool SetSeat(Ustawienia& record, int seat, int type, const char* name)
{
    if (seat < 0 || seat >= SeatCount || !ValidSeatType(type)
        || !CopyText(record.names[seat], SettingsTextBytes, name))
        return false;
    TidyText(record.names[seat]);
    record.TypGracza[seat] = static_cast<std::int8_t>(type);
    CountPlayers(record);
    return true;
}
