// The installation folder.
//
// Every path the game keeps (built-in paths, the settings record, style files)
// starts with the logical installation folder of the handheld it was designed
// for. Only where a path is handed to the C library or the framework is that
// prefix mapped to the real data folder of this build or install.
#pragma once

#include <cstdio>
#include <string>

// The logical installation folder, 40 characters, ending in a backslash.
extern const char InstallFolder[];
constexpr int InstallFolderLength = 40;

// The real data folder, without a trailing slash: $ZERTANIK_DATA when set,
// else "data" beside the executable, else the installed share folder.
const std::string& DataFolder();

// Forgets the cached data folder so the next call looks again (tests change
// ZERTANIK_DATA between fixture trees).
void ResetDataFolder();

// A logical path mapped to a real one: the logical installation folder is
// replaced by DataFolder(); any other path is returned unchanged.
std::string RealPath(const char* logical);

// The reverse, for a path a dialog returns: a real path inside DataFolder()
// becomes its logical form; any other path is returned unchanged.
std::string LogicalPath(const std::string& real);

// fopen of a logical path; a failed open is logged on standard error, as the
// framework's file class would, and returns nullptr.
std::FILE* OpenDataFile(const char* logical, const char* mode);
