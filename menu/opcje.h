// The option globals the game window reads, with their built-in defaults, and
// their exchange with the settings record.
//
// The option paths are logical paths (see platform/instalacja.h), each in a
// 100-byte heap buffer owned by the options; DictionaryPath is declared with
// the dictionary in model/slownik.h.
#pragma once

#include <cstddef>

#include "menu/kolor.h"
#include "menu/ustawienia.h"
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
constexpr Rgb DefaultTextColour{255, 255, 0};
constexpr Rgb DefaultHighlightColour{0, 224, 5};

extern char* BackgroundPath;
extern char* TileFolder;
extern Rgb TextColour;          // texts of the game window
extern Rgb HighlightColour;     // the row of the player to move
extern int ConfirmComputerMove; // 1: a computer's move waits for the human's answer

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
