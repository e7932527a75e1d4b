// The computer's move search: FindBestMove chooses exactly the move the
// reference search (wzorzec.h) chooses, ties included, in less time.
//
// Levels I and II stop at the first candidate above their limit in the
// reference's order, so they run the reference search itself. Levels III and
// IV search every anchor, best first by an upper bound on what its words can
// score, and stop at the first anchor that cannot win. They walk the search
// graph (listy.h) in letter-index order and try the rack's left parts,
// listed once per search, at each anchor; so of equal scores the move of the
// anchor with the lower rank in the reference's order wins, and within one
// anchor the move the reference meets first (OrderKey).
//
// The fast search lives in namespace fast: its search here, its anchors
// (kolejka_kotwic.h), the rack's left parts (lewe_czesci.h) and the
// cross-check sets it keeps between searches (pamiec_zbiorow.h).
#pragma once

#include "computer/stan_szukania.h"

// Prepares the board, searches, leaves the best move in NajlepszyRuch and
// lays its letters on Plansza (a blank as its plain letter). Reads the current
// player of TheGra, his rack and his strength.
void FindBestMove();

// Whether the last search at level III or IV listed the rack's left parts
// once for all its anchors; false when the rack made more than it lists and
// each anchor grew its own.
bool LastSearchListedLeftParts();

// How many left parts a search may list at the most, for the benchmark and
// the tests: by default as many as the list holds (INT_MAX: that again).
void LimitListedLeftParts(int count);
