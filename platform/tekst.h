// 8-bit strings and the framework's strings.
//
// Every 8-bit string (paths, names, messages) goes to the framework and back
// through one explicit code page 1250 converter: the locale's default
// converter would turn bytes above 127 into empty strings.
#pragma once

#include <string>

#include <wx/string.h>

wxString ToWx(const char* s);
std::string FromWx(const wxString& s);

// A logical path (see platform/instalacja.h) as the real path the framework opens.
wxString WxRealPath(const char* logical);
