// Ustawienia: the settings record, 713 bytes with no header, as the settings
// file and the style files hold it, and its encoding.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "menu/miejsca.h"
#include "model/kolor.h"

// One text field: at most 99 characters, a NUL, the rest zero.
constexpr std::size_t SettingsTextBytes = 100;
constexpr std::size_t SettingsRecordBytes = 713;

// The fields back to back, exactly as on disk.
struct Ustawienia {
    char BackgroundPath[SettingsTextBytes] = {};
    char DictionaryPath[SettingsTextBytes] = {};
    char TileFolder[SettingsTextBytes] = {};
    char names[SeatCount][SettingsTextBytes] = {};
    std::int8_t TypGracza[SeatCount] = {};
    std::int8_t humans = 0;
    std::int8_t players = 0;
    Rgb TextColour;
    Rgb HighlightColour;
    std::uint8_t ConfirmComputerMove = 0; // 1 on, 0 off
};

using SettingsBytes = std::array<std::uint8_t, SettingsRecordBytes>;

// The record's bytes: every text cut at its first NUL (at most 99 characters)
// with the rest of its field zero, the two counts worked out from the seat
// types, the confirmation byte 1 when on and 0 when off.
SettingsBytes EncodeSettings(const Ustawienia& record);

// The record of the first length bytes (at most 713), the rest zero. Each text
// is the bytes up to its first NUL, at most 99; a seat type outside 0 to 5
// turns all four seats into humans named "Nameless"; the counts are worked out
// from the seat types; the confirmation is on exactly when its byte is 1.
Ustawienia DecodeSettings(const std::uint8_t* bytes, std::size_t length);

// Puts seat (0 to 3) into the record with its type and name and works out the
// counts again. A bad seat or type, or a name longer than 99 characters, is
// refused: false, and the record stays as it was.
bool SetSeat(Ustawienia& record, int seat, int type, const char* name);
