// What the start window tells the player about a file it could not use: the
// fault and what the game does without the file.
#pragma once

#include <string>

#include "platform/komunikat.h"

// A dictionary that did not load: the one loaded before stays, or there is
// none with any word.
std::string DictionaryFaultParagraph(const FileFault& fault);
// A settings file that was refused whole, or read (read true) with its seats
// replaced.
std::string SettingsReadParagraph(const FileFault& fault, bool read);
// A settings file that could not be written.
std::string SettingsWriteParagraph(const FileFault& fault);
