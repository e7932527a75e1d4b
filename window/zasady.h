// The move rules and the score of the tiles laid this turn, and the move
// status they give, as display-free functions over the turn record and
// Plansza. GraFrame's members of the same names call these; the score itself
// is the one rule of model/punktacja.h, with the turn's placed squares as the
// new tiles.
#pragma once

#include <optional>
#include <string>

#include "model/gra.h"
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

// What the move status shows and allows for a turn. EXCHANGE is disabled
// before every status is applied.
struct MoveStatus {
    // NoGame: nothing changes. GameOver: only the caption ("Finished"); the
    // hint lines keep the result, PUT and the screen stay. Judged: the hint
    // lines, PUT, EXCHANGE, the pending score and the caption as below.
    enum Outcome { NoGame, GameOver, Judged };
    Outcome outcome = NoGame;
    std::string hint1, hint2;
    bool put = false;      // PUT enabled
    bool exchange = false; // EXCHANGE enabled
    // A blank waits for its letter: the letter picker is drawn at once.
    bool pickLetter = false;
    // A valid move's score, which PUT submits; none: the pending score stays.
    std::optional<int> score;
    // The new status caption; none: the caption stays as it is.
    std::optional<std::string> caption;
};

// The move status of turn t in game g (null: no game), from the first case
// that applies: the game over; letters in the exchange slots (an exchange is
// a whole turn, so PUT is off); no tile laid; a blank without its letter;
// then the line and contact rules, or on the first move the centre, two
// tiles and the line; else a valid move and its score.
MoveStatus JudgeMoveStatus(const Tura& t, const Gra* g);
