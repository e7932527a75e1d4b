#include "platform/tekst.h"

#include <cstring>

#include <wx/strconv.h>

#include "platform/instalacja.h"

namespace {

wxMBConv& Cp1250()
{
    static wxCSConv conv(wxFONTENCODING_CP1250);
    return conv;
}

} // namespace

wxString ToWx(const char* s) { return s ? wxString(s, Cp1250()) : wxString(); }

std::string FromWx(const wxString& s)
{
    const wxCharBuffer buf = s.mb_str(Cp1250());
    return buf.data() ? std::string(buf.data()) : std::string();
}

wxString WxRealPath(const char* logical)
{
    // The data folder is a file system name; the rest of the path is ours.
    if (std::strncmp(logical, InstallFolder, InstallFolderLength) == 0)
        return wxString(DataFolder().c_str(), *wxConvFileName) + "/"
               + ToWx(logical + InstallFolderLength);
    return ToWx(logical);
}
