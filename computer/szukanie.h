// The computer's move search: FindBestMove chooses exactly the move the
// reference search (wzorzec.h) chooses, ties included, in less time.
//
// Levels I and II stop at the first candidate above their limit in the
// reference's order, so they run the reference search itself. Levels III and
// IV search every anchor, best first by an upper bound on what its words can
// score, and stop at the first anchor that cannot win; each anchor carries its
// rank in the reference's order, and of equal scores the lower rank wins.
#pragma once

#include "computer/stan_szukania.h"

// Prepares the board, searches, leaves the best move in NajlepszyRuch and
// lays its letters on Plansza (a blank as its plain letter). Reads the current
// player of TheGra, his rack and his strength.
void FindBestMove();
