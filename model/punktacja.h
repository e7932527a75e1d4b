// The game's one scoring rule, and the choice of the words a move forms.
//
// Both the game window (a human's move, whose new tiles are those of the turn
// record) and the computer's search (its candidate's tiles) score through
// these templates; only what counts as a new tile differs, given by isNew(x, y).
#pragma once

#include "model/litery.h"
#include "model/plansza.h"
#include "model/punkt.h"

// The word through (x, y): the longest run of occupied squares along the row
// (across) or the column that contains (x, y). Sets first and last to its
// end squares' coordinate along the line.
inline void WordSpan(int x, int y, bool across, int& first, int& last)
{
    if (across) {
        first = last = x;
        while (Plansza[first - 1][y].tile)
            --first;
        while (Plansza[last + 1][y].tile)
            ++last;
    } else {
        first = last = y;
        while (Plansza[x][first - 1].tile)
            --first;
        while (Plansza[x][last + 1].tile)
            ++last;
    }
}

// The score of the word through (x, y): letter values (a blank counts 0); on
// a new tile's square the word multiplier applies and a letter whose value
// equals the colour class counts three times. 0 when (x, y) is empty.
template <class IsNew>
int ScoreWordWith(int x, int y, bool across, IsNew isNew)
{
    if (!Plansza[x][y].tile)
        return 0;
    int first, last;
    WordSpan(x, y, across, first, last);
    int sum = 0, factor = 1;
    for (int i = first; i <= last; ++i) {
        const int sx = across ? i : x, sy = across ? y : i;
        const Pole& p = Plansza[sx][sy];
        const int v = LetterValue(p.tile);
        sum += v;
        if (isNew(sx, sy)) {
            factor *= p.wordMultiplier;
            if (v == p.colourClass)
                sum += 2 * v;
        }
    }
    return factor * sum;
}

// Calls word(x, y, across) for every word a move of count new tiles forms:
// with one tile its row and column words where it has a neighbour; with more,
// the main word along the line fixed by the first two tiles and the cross word
// of each new tile with a perpendicular neighbour. Stops early, returning
// false, when word returns false.
template <class IsNew, class Word>
bool ForEachMoveWord(const Punkt* squares, int count, IsNew isNew, Word word)
{
    if (count == 0)
        return true;
    if (count == 1) {
        const int x = squares[0].x, y = squares[0].y;
        if ((Plansza[x - 1][y].tile || Plansza[x + 1][y].tile) && !word(x, y, true))
            return false;
        if ((Plansza[x][y - 1].tile || Plansza[x][y + 1].tile) && !word(x, y, false))
            return false;
        return true;
    }
    const bool column = squares[0].y != squares[1].y;
    // Along the line: the first new tile's line, from the smallest to the
    // largest coordinate of the new tiles.
    const int line = column ? squares[0].x : squares[0].y;
    int lo = column ? squares[0].y : squares[0].x, hi = lo;
    for (int k = 1; k < count; ++k) {
        const int c = column ? squares[k].y : squares[k].x;
        lo = c < lo ? c : lo;
        hi = c > hi ? c : hi;
    }
    if (column ? !word(line, lo, false) : !word(lo, line, true))
        return false;
    for (int c = lo; c <= hi; ++c) {
        const int x = column ? line : c, y = column ? c : line;
        if (!isNew(x, y))
            continue;
        const bool neighbour = column ? (Plansza[x - 1][y].tile || Plansza[x + 1][y].tile)
                                      : (Plansza[x][y - 1].tile || Plansza[x][y + 1].tile);
        if (neighbour && !word(x, y, column))
            return false;
    }
    return true;
}

constexpr int AllTilesBonus = 50;

// The score of a move: its words by ScoreWordWith, plus 50 for seven tiles.
template <class IsNew>
int ScoreMoveWith(const Punkt* squares, int count, IsNew isNew)
{
    int score = 0;
    ForEachMoveWord(squares, count, isNew, [&](int x, int y, bool across) {
        score += ScoreWordWith(x, y, across, isNew);
        return true;
    });
    return score + (count == RackSlots ? AllTilesBonus : 0);
}

// isNew for a plain list of new squares.
struct InSquareList {
    const Punkt* squares;
    int count;
    bool operator()(int x, int y) const
    {
        for (int k = 0; k < count; ++k)
            if (squares[k].x == x && squares[k].y == y)
                return true;
        return false;
    }
};
