#include "model/opcje.h"

char* BackgroundPath = nullptr;
char* TileFolder = nullptr;
Rgb TextColour{255, 255, 0};
Rgb HighlightColour{0, 224, 5};
int ConfirmComputerMove = 0;
