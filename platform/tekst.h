// 8-bit strings and the framework's strings.
//
// Every 8-bit text (names, messages) goes to the framework and back through
// one explicit code page 1250 converter: the locale's default converter
// would turn bytes above 127 into empty strings. File names are no text:
// they go by their bytes (below).
#pragma once

#include <string>

#include <wx/string.h>

wxString ToWx(const char* s);
std::string FromWx(const wxString& s);

// File names are bytes to the file system and the C library. The framework
// names the same file by a string made through its own file-name converter,
// which, once the toolkit has started and set it up, carries every byte both
// ways (no code page: a name is no text of ours). A name it cannot carry
// gives an empty string.
wxString WxFileName(const std::string& name);
std::string FileNameFromWx(const wxString& name);

// A logical path (see platform/instalacja.h) as the framework's name of the
// file RealPath names: the one file the game checks and the C library opens.
wxString WxRealPath(const char* logical);
