// The move rules and the score of the tiles laid this turn, as
// display-free functions over the turn record and Plansza. GraFrame's members
// of the same names call these; the score itself is the one rule of
// model/punktacja.h, with the turn's placed squares as the new tiles.
#pragma once

#include "model/punktacja.h"
#include "window/tura.h"

// The new tiles of the turn: the placed list's squares.
inline InSquareList NewTiles(const Tura& t) { return {t.placedSquares, t.placedCount}; }

// True when a new tile has an orthogonal neighbour holding an old tile. Lifts
// the new tiles for the test and puts them back from the placed list.
bool TouchesOldTiles(const Tura& t);

// True when the new tiles lie in one row or column without a gap (old tiles
// may fill it); true for no tile or one.
bool IsInOneLine(const Tura& t);

// True when the word through (x, y) along the row (across) or the column is
// in Slownik; a blank reads as its square's blank letter.
bool IsWordValid(int x, int y, bool across);

// True when the main word and every cross word of the new tiles are valid.
bool AreAllWordsValid(const Tura& t);

// The score of the word through (x, y); 0 when (x, y) is empty.
int ScoreWord(const Tura& t, int x, int y, bool across);

// The score of the new tiles as one move, 50 more for seven tiles.
int ScoreMove(const Tura& t);
