#include "menu/ustawienia.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "menu/tekst.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A record with every field set to a value of its own.
Ustawienia FullRecord()
{
    Ustawienia r;
    std::strcpy(r.BackgroundPath, "bg/tlo.JPG");
    std::strcpy(r.DictionaryPath, std::string(99, 'd').c_str());
    std::strcpy(r.TileFolder, "graf/plansza/noc");
    const int types[SeatCount] = {0, 2, 5, 4};
    const char* names[SeatCount] = {"Ala", "Computer II", "", "\xE6\xF3\xB3"};
    for (int seat = 0; seat < SeatCount; ++seat)
        EXPECT_TRUE(SetSeat(r, seat, types[seat], names[seat]));
    r.TextColour = {1, 2, 3};
    r.HighlightColour = {250, 128, 0};
    r.ConfirmComputerMove = 1;
    return r;
}

void ExpectSameRecord(const Ustawienia& a, const Ustawienia& b)
{
    EXPECT_STREQ(a.BackgroundPath, b.BackgroundPath);
    EXPECT_STREQ(a.DictionaryPath, b.DictionaryPath);
    EXPECT_STREQ(a.TileFolder, b.TileFolder);
    for (int seat = 0; seat < SeatCount; ++seat) {
        EXPECT_STREQ(a.names[seat], b.names[seat]) << seat;
        EXPECT_EQ(a.TypGracza[seat], b.TypGracza[seat]) << seat;
    }
    EXPECT_EQ(a.humans, b.humans);
    EXPECT_EQ(a.players, b.players);
    EXPECT_EQ(a.TextColour, b.TextColour);
    EXPECT_EQ(a.HighlightColour, b.HighlightColour);
    EXPECT_EQ(a.ConfirmComputerMove, b.ConfirmComputerMove);
}

} // namespace

TEST(SettingsRecord, RoundTripKeepsEveryFieldInTheFileLayout)
{
    const Ustawienia r = FullRecord();
    const SettingsBytes bytes = EncodeSettings(r);
    ASSERT_EQ(bytes.size(), 713u);

    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[0])), "bg/tlo.JPG");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[100])), std::string(99, 'd'));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[200])), "graf/plansza/noc");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[400])), "Computer II");
    EXPECT_EQ(bytes[600], 0xE6);
    const Bytes tail(bytes.begin() + 700, bytes.end());
    EXPECT_EQ(tail, (Bytes{0, 2, 5, 4, 1, 3, 1, 2, 3, 250, 128, 0, 1}));

    ExpectSameRecord(DecodeSettings(bytes.data(), bytes.size()), r);
    EXPECT_EQ(EncodeSettings(DecodeSettings(bytes.data(), bytes.size())), bytes);
}

TEST(SettingsRecord, TextFieldsAreZeroAfterTheirNul)
{
    Ustawienia r = FullRecord();
    // A shorter text over a longer one leaves the old bytes behind its NUL.
    std::strcpy(r.TileFolder, "graf/plansza/nocturne");
    std::strcpy(r.TileFolder, "x");
    ASSERT_TRUE(SetSeat(r, 0, 0, "Nameless"));
    ASSERT_TRUE(SetSeat(r, 0, 0, "Bo"));
    std::memset(r.BackgroundPath, 'b', sizeof r.BackgroundPath); // no NUL at all
    const SettingsBytes bytes = EncodeSettings(r);
    for (int field = 0; field < 7; ++field) {
        const std::uint8_t* f = &bytes[field * 100];
        const std::size_t length = strnlen(reinterpret_cast<const char*>(f), 100);
        ASSERT_LT(length, 100u) << field;
        for (std::size_t i = length; i < 100; ++i)
            ASSERT_EQ(f[i], 0) << field << " byte " << i;
    }
    EXPECT_EQ(strnlen(reinterpret_cast<const char*>(&bytes[0]), 100), 99u);
}

TEST(SettingsRecord, ConfirmationIsOnOnlyForByteOne)
{
    const struct { std::uint8_t stored, read; } cases[] = {{0, 0}, {1, 1}, {2, 0}, {255, 0}};
    for (const auto& c : cases) {
        SettingsBytes bytes = EncodeSettings(FullRecord());
        bytes[712] = c.stored;
        const Ustawienia r = DecodeSettings(bytes.data(), bytes.size());
        EXPECT_EQ(r.ConfirmComputerMove, c.read) << int(c.stored);
        EXPECT_EQ(EncodeSettings(r)[712], c.read) << int(c.stored);
    }
    Ustawienia on = FullRecord();
    on.ConfirmComputerMove = 7;
    EXPECT_EQ(EncodeSettings(on)[712], 1);
}

TEST(SettingsRecord, ShortInputDecodesIntoZeroes)
{
    const SettingsBytes full = EncodeSettings(FullRecord());
    const Ustawienia empty = DecodeSettings(nullptr, 0);
    EXPECT_STREQ(empty.BackgroundPath, "");
    EXPECT_EQ(empty.players, 4);
    EXPECT_EQ(empty.humans, 4);
    EXPECT_EQ(empty.TextColour, (Rgb{0, 0, 0}));

    // Cut inside the first field: its 5 bytes and no NUL.
    const Ustawienia cut = DecodeSettings(full.data(), 5);
    EXPECT_STREQ(cut.BackgroundPath, "bg/tl");
    EXPECT_STREQ(cut.DictionaryPath, "");
}

TEST(SettingsRecord, BadSeatTypeMakesFourNamelessHumans)
{
    for (const std::uint8_t bad : {6, 127, 128, 255}) {
        SettingsBytes bytes = EncodeSettings(FullRecord());
        bytes[702] = bad;
        const Ustawienia r = DecodeSettings(bytes.data(), bytes.size());
        for (int seat = 0; seat < SeatCount; ++seat) {
            EXPECT_EQ(r.TypGracza[seat], HumanSeat) << int(bad);
            EXPECT_STREQ(r.names[seat], "Nameless") << int(bad);
        }
        EXPECT_EQ(r.humans, 4);
        EXPECT_EQ(r.players, 4);
        EXPECT_STREQ(r.TileFolder, "graf/plansza/noc"); // the options stay
    }
}

TEST(SettingsRecord, CountsFollowTheSeatTypes)
{
    const struct { std::uint8_t types[4], humans, players; } cases[] = {
        {{1, 5, 0, 5}, 1, 2}, {{5, 5, 5, 5}, 0, 0}, {{0, 0, 0, 0}, 4, 4}, {{4, 3, 2, 1}, 0, 4}};
    for (const auto& c : cases) {
        SettingsBytes bytes = EncodeSettings(FullRecord());
        std::memcpy(&bytes[700], c.types, 4);
        bytes[704] = 4; // stored counts that disagree
        bytes[705] = 0xFF;
        const Ustawienia r = DecodeSettings(bytes.data(), bytes.size());
        EXPECT_EQ(r.humans, c.humans);
        EXPECT_EQ(r.players, c.players);
        const SettingsBytes again = EncodeSettings(r);
        EXPECT_EQ(again[704], c.humans);
        EXPECT_EQ(again[705], c.players);
    }
}

TEST(SettingsRecord, SetSeatRefusesBadValuesAndKeepsTheRecord)
{
    Ustawienia r = FullRecord();
    EXPECT_TRUE(SetSeat(r, 3, 0, std::string(99, 'n').c_str()));
    const SettingsBytes before = EncodeSettings(r);
    EXPECT_FALSE(SetSeat(r, 3, 1, std::string(100, 'n').c_str()));
    EXPECT_FALSE(SetSeat(r, 3, 6, "x"));
    EXPECT_FALSE(SetSeat(r, 3, -1, "x"));
    EXPECT_FALSE(SetSeat(r, 4, 0, "x"));
    EXPECT_FALSE(SetSeat(r, -1, 0, "x"));
    EXPECT_EQ(EncodeSettings(r), before);
}

TEST(TextCopy, WritesAtMostItsBufferAndRefusesLongerTexts)
{
    char buf[8];
    std::memset(buf, '#', sizeof buf);
    EXPECT_TRUE(CopyText(buf, sizeof buf, "1234567"));
    EXPECT_STREQ(buf, "1234567");
    EXPECT_FALSE(CopyText(buf, sizeof buf, "12345678"));
    EXPECT_STREQ(buf, "1234567");
    EXPECT_TRUE(CopyText(buf, sizeof buf, ""));
    EXPECT_STREQ(buf, "");
}
