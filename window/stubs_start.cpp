// Stand-ins for the game window's full repaint and the computer's turn,
// which the start of a game calls.
#include "window/graframe.h"

void ComputerTurn(Gra*) {}
