#include "platform/tekst.h"

#include <wx/strconv.h>

#include "platform/instalacja.h"

namespace {

wxMBConv& Cp1250()
{
    static wxCSConv conv(wxFONTENCODING_CP1250);
    return conv;
}

} // namespace

wxString ToWx(const char* s)
{
    if (!s || !*s)
        return wxString();
    const wxString whole(s, Cp1250());
    if (!whole.empty())
        return whole;
    // Some byte has no character in the code page: convert one byte at a
    // time, with '?' for each that has none, rather than lose the whole text.
    wxString out;
    for (; *s; ++s) {
        const char one[2] = {*s, 0};
        const wxString c(one, Cp1250());
        out += c.empty() ? wxString("?") : c;
    }
    return out;
}

std::string FromWx(const wxString& s)
{
    if (s.empty())
        return std::string();
    // The code page has one byte for each character it holds; the converter
    // fails on a character it lacks, and drops some (language tags) without
    // a word, so a result of another length is not taken.
    const wxCharBuffer buf = s.mb_str(Cp1250());
    if (buf.data() && buf.length() == s.length())
        return std::string(buf.data(), buf.length());
    // Some character has no code page 1250 byte: convert one character at a
    // time, with '?' for each that has none, rather than lose the whole text.
    std::string out;
    for (wxUniChar c : s) {
        const wxCharBuffer one = wxString(c).mb_str(Cp1250());
        out += one.data() && one.data()[0] ? one.data() : "?";
    }
    return out;
}

wxString WxFileName(const std::string& name) { return wxString(name.c_str(), *wxConvFileName); }

std::string FileNameFromWx(const wxString& name)
{
    const wxCharBuffer bytes = name.fn_str();
    return bytes.data() ? std::string(bytes.data()) : std::string();
}

wxString WxRealPath(const char* logical) { return WxFileName(RealPath(logical)); }
