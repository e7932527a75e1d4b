// The settings file: reading and writing the whole record.
#pragma once

#include <cstddef>
#include <string>

#include "menu/ustawienia.h"
#include "platform/instalacja.h"

// "Program Files\Venk's Zertanik Dezoze EN\Qovant.kfg", in logical form. Where
// it really is: WrittenFileReadPath and WrittenFileWritePath (the data
// folder, or the per-user file when the data folder may not be written).
extern const char SettingsFilePath[];
// The kind of file the settings file is, in the messages about one.
extern const char SettingsKind[];
// A refused settings file is kept as its name with this ending when replaced.
extern const char RefusedSettingsSuffix[];

// Reads the first bytes of the file at path (logical or real), at most 713;
// sets length to the number read. 1 when the file cannot be opened or read,
// logged and described in fault as a file of the given kind.
int ReadRecordBytes(const char* path, SettingsBytes& bytes, std::size_t& length,
                    const char* kind = SettingsKind, FileFault* fault = nullptr);

// What makes the first length bytes of a settings file no whole record: too
// short, or a seat type outside 0 to 5. Empty for a whole record.
std::string SettingsRecordFault(const SettingsBytes& bytes, std::size_t length);
// Whether the regular file at the real path real is a settings file with
// such a fault: one that WriteSettingsFile keeps beside before replacing it.
bool RefusedSettingsFile(const std::string& real);
// Whether saving the settings writes over the file at the real path real
// (not so for the data folder's file when a per-user file is written).
bool SettingsSaveReplaces(const std::string& real);

// Reads a settings file into record: 0 when read; 1 when it cannot be opened
// or is shorter than the record, and record stays as it was. A file with a
// damaged seat type is read with the seats of a first start. Every failure
// but a missing file is logged; each, also the damaged seats, is described
// in fault (a missing file with fault->missing set).
int ReadSettingsFile(const char* path, Ustawienia& record, FileFault* fault = nullptr);

// Writes the record to path through a new file beside it, renamed over the
// old one only when every write, the flush and the close succeeded: 0 when
// written; 1 on any failure, logged and described in fault, and the old file
// stays as it was. A file that is a folder or read-only (no owner write
// permission) is not written. A symbolic link is followed: the file it leads
// to is replaced and the link stays. An old file that reading refuses is
// kept beside it (RefusedSettingsSuffix) before it is replaced.
int WriteSettingsFile(const char* path, const Ustawienia& record, FileFault* fault = nullptr);

// Start-up: the three option paths from the settings file. 0 when read; 1 when
// there is no usable settings file and the built-in defaults are taken. A
// tile folder too long for the picture names keeps the default. fault as
// ReadSettingsFile gives it.
int ReadSettingsPaths(FileFault* fault = nullptr);

// Reads the settings file into record and takes its options (paths, colours,
// confirmation) into the option globals: 0 when read; 1 when there is no
// usable settings file, and nothing changes. fault as ReadSettingsFile gives it.
int LoadSettings(Ustawienia& record, FileFault* fault = nullptr);
