// The settings file: reading and writing the whole record.
#pragma once

#include <cstddef>

#include "menu/ustawienia.h"

// "Program Files\Venk's Zertanik Dezoze EN\Qovant.kfg", in logical form.
extern const char SettingsFilePath[];

// Reads the first bytes of the file at path (logical or real), at most 713;
// sets length to the number read. 1 when the file cannot be opened or read.
int ReadRecordBytes(const char* path, SettingsBytes& bytes, std::size_t& length);

// Reads a settings file into record: 0 when read; 1 when it cannot be opened
// or is shorter than the record, and record stays as it was.
int ReadSettingsFile(const char* path, Ustawienia& record);

// Writes the record to path through a new file beside it, renamed over the
// old one only when every write, the flush and the close succeeded: 0 when
// written; 1 on any failure, and the old file stays as it was.
int WriteSettingsFile(const char* path, const Ustawienia& record);

// Start-up: the three option paths from the settings file. 0 when read; 1 when
// there is no usable settings file and the built-in defaults are taken. A
// tile folder too long for the picture names keeps the default.
int ReadSettingsPaths();

// Reads the settings file into record and takes its options (paths, colours,
// confirmation) into the option globals: 0 when read; 1 when there is no
// usable settings file, and nothing changes.
int LoadSettings(Ustawienia& record);
