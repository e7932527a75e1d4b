// Letter coding: tile characters, the letter index and the tile set.
//
// A tile is one 8-bit character: 'a' to 'z' a letter, 'X' a blank, 0 none.
// The letter index (IndeksLitery, 0 to 29) keys the dictionary file's code
// byte, letter sets and per-letter counters; note 'w' is 22 and 'v' 23.
#pragma once

#include <cstdint>

using Tile = std::uint8_t;

constexpr Tile BlankTile = 'X';
constexpr int LetterIndexCount = 30;

// Whether c is a letter tile 'a' to 'z', the only letters a tile can match.
constexpr bool IsLetterTile(Tile c) { return c >= 'a' && c <= 'z'; }

int LetterIndex(Tile c);              // 0 for a character that is no letter
Tile IndexLetter(int index);          // 0 outside 1..29
Tile TileFaceChar(Tile c);            // 'A'..'Z', ' ' for the blank, 'y'/'z' for 'Y'/'Z'
int InitialLetterCount(Tile c);       // tiles of c in a new bag
int LetterValue(Tile c);              // points of c, 0 for the blank

constexpr int BagSize = 100;
constexpr int RackSlots = 7;
constexpr int BlankTiles = 2; // blanks in the bag: at most two lie on a board
