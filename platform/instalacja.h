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

// Why path (a real one) is no regular file ("it is a folder", "it is not a
// regular file", "can't open it: ..."); empty when it is one. A reader must
// not be handed a named pipe or a device, which it would wait on.
std::string NotARegularFile(const std::string& path);

// path without empty, "." or ".." steps: as the file system resolves it
// (links too) when it exists, else with those steps taken out as spelled.
std::string CleanPath(const std::string& path);

// The reverse, for a path a dialog returns: a real path inside DataFolder()
// becomes its logical form; any other path is returned unchanged.
std::string LogicalPath(const std::string& real);

// Why a file of the game could not be used, for the player and the log.
struct FileFault {
    std::string kind;     // what the file is to the game: "dictionary", ...
    std::string file;     // the real path
    std::string what;     // what is wrong with it
    bool missing = false; // the file does not exist

    // "KIND 'FILE': WHAT".
    std::string Text() const;
};

// Logs a refused file on standard error and describes it in fault (when
// given); returns 1, a reader's result for a file it could not use.
int RefuseFile(FileFault* fault, const char* kind, const std::string& file,
               const std::string& what, bool missing = false);

// fopen of a logical path. A file that cannot be opened, and for reading one
// that is a folder or no regular file, gives nullptr; the failure is logged on
// standard error and described in fault as a file of the given kind.
std::FILE* OpenDataFile(const char* logical, const char* mode, const char* kind = "file",
                        FileFault* fault = nullptr);

// OpenDataFile that reports nothing, for files whose failure the caller
// tells the player in its own way (the pictures of a folder, all at once).
std::FILE* OpenDataFileQuietly(const char* logical, const char* mode);

// Whether the data folder exists; 1 with fault filled and logged when not.
int CheckDataFolder(FileFault* fault = nullptr);

// Whether path (a file or folder) exists and may be written: its owner write
// bit is set and access() allows it. The bit is tested too, so a read-only
// file stays read-only also to the superuser.
bool MayWrite(const std::string& path);

// The per-user file of a logical path: $XDG_CONFIG_HOME/zertanik/NAME, else
// $HOME/.config/zertanik/NAME, NAME being the path inside the installation
// folder. Empty for any other path, or when neither variable is set.
std::string UserFilePath(const char* logical);

// Where a file the game writes itself (the settings file) is: in the data
// folder while that may be written (a build tree), else the per-user file.
// For reading, the per-user file only when it exists, else the data
// folder's; for writing, the per-user file, its folder made as needed.
std::string WrittenFileReadPath(const char* logical);
std::string WrittenFileWritePath(const char* logical);
// The file writing would go to, without making its folder.
std::string WrittenFileTarget(const char* logical);
