// Preparing a search: anchor squares, the cross-check letter sets of every
// square, and the rack counted by letter.
#pragma once

#include <cstdint>

#include "model/zbior_liter.h"

// Sets the anchor flag of every playing square: on the first move only the
// centre; otherwise every empty square next to a tile.
void MarkAnchors(std::uint8_t firstMove);

// Writes every square's across set (letters that complete its column into a
// word; all letters with no tile above or below) and down set (the same for
// its row). Border squares get empty sets.
void ComputeAcrossCrossSets();
void ComputeDownCrossSets();

// The across sets of column n (across) or the down sets of row n, border
// squares included, with check in place of Slownik::CrossCheck. An across
// set depends only on the tiles of its column, a down set only on those of
// its row.
void ComputeLineCrossSets(bool across, int n, void (*check)(const char* pattern, ZbiorLiter& set));

// The set of one empty playing square from the tiles above and below it (the
// across builders) or left and right of it (the down builders).
void AcrossSetFromAbove(int x, int y);
void AcrossSetFromBelow(int x, int y);
void DownSetFromLeft(int x, int y);
void DownSetFromRight(int x, int y);

// Fills Szukanie's rack counters from the current player's rack.
void CountRackLetters();
