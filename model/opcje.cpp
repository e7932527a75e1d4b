#include "model/opcje.h"

char* BackgroundPath = nullptr;
char* TileFolder = nullptr;
Rgb TextColour = InitialTextColour;
Rgb HighlightColour = InitialHighlightColour;
int ConfirmComputerMove = 0;
