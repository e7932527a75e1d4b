// Style files: a background picture, a tile and board picture folder and the
// two colours, in the layout of the settings record.
#pragma once

#include <cstddef>

#include "menu/ustawienia.h"
#include "platform/instalacja.h"

// The folder the style dialog opens, in logical form.
extern const char StyleFolder[];
// The kind of file a style is, in the messages about one.
extern const char StyleKind[];

// A style is read up to its colours; the confirmation byte is not part of it.
constexpr std::size_t StyleRecordBytes = SettingsRecordBytes - 1;

// Reads and checks the style file at path (logical or real): 0 with style set;
// 1 when the file cannot be opened, is shorter than 712 bytes, or its
// background or tile folder is empty or lacks its NUL, or the tile folder is
// too long for the picture names. On 1 style stays as it was, and the reason
// is logged and put in fault when given.
int ReadStyleFile(const char* path, Ustawienia& style, FileFault* fault = nullptr);

// Reads, checks and applies a style file: its background, tile folder and
// colours become the options. 0 when applied; 1 when refused, and nothing
// changes (fault as ReadStyleFile gives it).
int ApplyStyleFile(const char* path, FileFault* fault = nullptr);
