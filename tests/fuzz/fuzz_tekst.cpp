// The code page 1250 conversions on any text. An 8-bit text gives one
// character a byte, '?' for a byte the code page leaves without a character,
// and converts back to the same bytes but those; a wide
// text converts to one byte a character, '?' only for a character the code
// page lacks, and each other byte converts back to its character.
#include <string>

#include <wx/string.h>

#include "platform/tekst.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input as 8-bit text, up to its first NUL.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = bytes.substr(0, bytes.find('\0'));
    const wxString wide = ToWx(text.c_str());
    FUZZ_CHECK(wide.length() == text.size());
    const std::string again = FromWx(wide);
    FUZZ_CHECK(again.size() == text.size());
    for (std::size_t k = 0; k < text.size(); ++k)
        FUZZ_CHECK(again[k] == text[k] || (wide[k] == '?' && again[k] == '?'));

    // The input as characters: three bytes each, any code point but NUL and
    // the surrogates.
    wxString chars;
    for (std::size_t k = 0; k + 3 <= size; k += 3) {
        const unsigned c = (data[k] << 16 | data[k + 1] << 8 | data[k + 2]) % 0x110000;
        if (c == 0 || (c >= 0xD800 && c <= 0xDFFF))
            continue;
        chars += wxUniChar(c);
    }
    const std::string narrow = FromWx(chars);
    FUZZ_CHECK(narrow.size() == chars.length());
    FUZZ_CHECK(narrow.find('\0') == std::string::npos);
    const wxString back = ToWx(narrow.c_str());
    FUZZ_CHECK(back.length() == narrow.size());
    for (std::size_t k = 0; k < narrow.size(); ++k)
        if (narrow[k] != '?')
            FUZZ_CHECK(back[k] == chars[k]);
    return 0;
}
