#include "platform/tekst.h"

#include <gtest/gtest.h>

TEST(Text, CodePage1250BothWays)
{
    // "żółw" in code page 1250 bytes survives the round trip.
    const char cp1250[] = "\xBF\xF3\xB3w";
    const wxString wide = ToWx(cp1250);
    EXPECT_EQ(wide, wxString::FromUTF8("\xC5\xBC\xC3\xB3\xC5\x82w"));
    EXPECT_EQ(FromWx(wide), cp1250);
    // A character with no byte in the code page costs only itself.
    EXPECT_EQ(FromWx(wxString::FromUTF8("Ann\xE2\x98\x83!")), "Ann?!");
    // One the converter would drop silently (a language tag) costs a '?' too,
    // so the text keeps one byte a character.
    EXPECT_EQ(FromWx(wxString::FromUTF8("A\xF3\xA0\x80\xA6\x03")), "A?\x03");
    EXPECT_EQ(FromWx(wxString()), "");
    EXPECT_EQ(ToWx(nullptr), wxString());
    EXPECT_EQ(ToWx(""), wxString());
}

TEST(Text, AByteWithoutACharacterCostsOnlyItself)
{
    // The bytes code page 1250 leaves undefined, next to one it defines.
    for (const char undefined : {'\x81', '\x83', '\x88', '\x90', '\x98'}) {
        const char name[] = {'A', undefined, '\xBF', 'n', 0};
        SCOPED_TRACE(static_cast<unsigned char>(undefined));
        EXPECT_EQ(ToWx(name), wxString::FromUTF8("A?\xC5\xBCn"));
        EXPECT_EQ(FromWx(ToWx(name)), "A?\xBFn");
    }
}
