#include "model/opcje.h"

char* BackgroundPath = nullptr;
char* TileFolder = nullptr;
Kolor TextColour{255, 255, 0};
Kolor HighlightColour{0, 224, 5};
bool ConfirmComputerMove = false;
