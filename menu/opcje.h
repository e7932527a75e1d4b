// The options' own handling of the option globals (model/opcje.h): the
// built-in default paths, bounded path replacement, and the exchange with the
// settings record. An option path set here lives in a 100-byte heap buffer.
#pragma once

#include <cstddef>

#include "menu/ustawienia.h"
#include "model/opcje.h"
#include "model/slownik.h"

// Room for an option path: what a field of the settings record holds.
constexpr std::size_t OptionPathBytes = SettingsTextBytes;
constexpr std::size_t MaxOptionPath = OptionPathBytes - 1;
// The picture paths are TileFolder with a file name appended in 100 bytes;
// the longest name, "/pblank.JPG", leaves 88 characters for the folder.
constexpr char LongestPictureName[] = "/pblank.JPG";
constexpr std::size_t MaxTileFolder = OptionPathBytes - sizeof LongestPictureName;

extern const char DefaultTileFolder[];
extern const char DefaultDictionaryPath[];
extern const char DefaultBackgroundPath[];

// Replaces an option path by a copy of logical in a new 100-byte buffer. A
// path longer than maxLength (at most 99) is refused: false, and the option
// keeps its value.
bool SetOptionPath(char*& option, const char* logical, std::size_t maxLength = MaxOptionPath);

// Sets TileFolder, DictionaryPath and BackgroundPath to the built-in defaults.
void SetDefaultOptionPaths();
// Frees the three option paths and leaves them null.
void FreeOptionPaths();

// Takes the record's three paths into the options; a tile folder too long for
// the picture names is refused and the option keeps its value.
void ApplyOptionPaths(const Ustawienia& record);
// Takes the record's paths, colours and confirmation into the options.
void ApplyOptions(const Ustawienia& record);
// A record holding the current options: the paths (an unset one empty), the
// colours and the confirmation; its seats are left for the caller.
Ustawienia OptionsRecord();
