// The picture files: the fixed pictures, the player-type pictures, and the
// square and tile pictures of the current picture folder (TileFolder).
// Paths are logical; the tables hold strings sized by what they hold.
#pragma once

#include <string>

#include "model/litery.h"

// The fixed pictures under the installation folder's "graf/".
enum FixedPicture {
    PicExchangeSlot, PicYes, PicNo, PicPut, PicView, PicExchange, PicPass, PicGo, PicBag,
    PicStart, PicOptions, PicOk, PicBackgroundOption, PicDictionaryOption,
    PicTextColourOption, PicHighlightColourOption, PicStyleOption, PicRack, PicSplash,
    PicHelpOption, PicClose, FixedPictureCount
};
extern const char* const FixedPicturePaths[FixedPictureCount];

constexpr int PlayerTypeCount = 6; // human, computer I to IV, no player
extern std::string PlayerPicturePaths[PlayerTypeCount];
void BuildPlayerPicturePaths();

// Square pictures in the order of the game window's SquareBitmaps.
enum SquarePicture {
    SqPlain, SqClass1, SqClass2, SqClass3, SqClass5, SqWord2, SqWord3, SqStart, SquarePictureCount
};
extern std::string SquarePicturePaths[SquarePictureCount];
void BuildSquarePicturePaths();
void FreeSquarePicturePaths();

// Tile pictures by letter index; only the 26 letters and the blank have one.
extern std::string TilePicturePaths[LetterIndexCount];
extern std::string BlankTilePicturePaths[LetterIndexCount];
void BuildTilePicturePaths();
void FreeTilePicturePaths();

// Whether letter index i carries a tile picture ('a'..'z' or the blank).
bool HasTilePicture(int i);
