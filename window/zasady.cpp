#include "window/zasady.h"

#include "model/plansza.h"
#include "model/slownik.h"

namespace {

// Lifts the new tiles off the board for its lifetime, so the board is
// restored on every path out of the caller.
class LiftedTiles {
public:
    explicit LiftedTiles(const Tura& t) : t_(t)
    {
        for (int k = 0; k < t_.placedCount; ++k)
            Plansza[t_.placedSquares[k].x][t_.placedSquares[k].y].tile = 0;
    }
    ~LiftedTiles()
    {
        // The tile character ('X' for a blank); the blank letter was never touched.
        for (int k = 0; k < t_.placedCount; ++k)
            Plansza[t_.placedSquares[k].x][t_.placedSquares[k].y].tile = t_.placedLetters[k];
    }
    LiftedTiles(const LiftedTiles&) = delete;
    LiftedTiles& operator=(const LiftedTiles&) = delete;

private:
    const Tura& t_;
};

} // namespace

bool TouchesOldTiles(const Tura& t)
{
    const LiftedTiles lifted(t);
    for (int k = 0; k < t.placedCount; ++k) {
        const int x = t.placedSquares[k].x, y = t.placedSquares[k].y;
        if ((y > 1 && Plansza[x][y - 1].tile) || (y < BoardSize && Plansza[x][y + 1].tile) ||
            (x > 1 && Plansza[x - 1][y].tile) || (x < BoardSize && Plansza[x + 1][y].tile))
            return true;
    }
    return false;
}

bool IsInOneLine(const Tura& t)
{
    if (t.placedCount <= 1)
        return true;
    const Punkt* s = t.placedSquares;
    bool column;
    if (s[0].x == s[1].x)
        column = true;
    else if (s[0].y == s[1].y)
        column = false;
    else
        return false;
    const int line = column ? s[0].x : s[0].y;
    int lo = column ? s[0].y : s[0].x, hi = lo;
    for (int k = 1; k < t.placedCount; ++k) {
        if ((column ? s[k].x : s[k].y) != line)
            return false;
        const int c = column ? s[k].y : s[k].x;
        lo = c < lo ? c : lo;
        hi = c > hi ? c : hi;
    }
    for (int c = lo; c <= hi; ++c)
        if (!(column ? Plansza[line][c] : Plansza[c][line]).tile)
            return false;
    return true;
}

bool IsWordValid(int x, int y, bool across)
{
    if (!Plansza[x][y].tile)
        return false;
    int first, last;
    WordSpan(x, y, across, first, last);
    char text[BoardSize + 1];
    int n = 0;
    for (int i = first; i <= last; ++i)
        text[n++] = static_cast<char>((across ? Plansza[i][y] : Plansza[x][i]).Letter());
    text[n] = 0;
    // A blank without its letter ends the C string early, so it never matches.
    int matched = 0;
    const int node = Slownik::Lookup(text, matched);
    return node > 0 && matched == n && Slownik::Node(node).endOfWord;
}

bool AreAllWordsValid(const Tura& t)
{
    return ForEachMoveWord(t.placedSquares, t.placedCount, NewTiles(t), IsWordValid);
}

int ScoreWord(const Tura& t, int x, int y, bool across)
{
    return ScoreWordWith(x, y, across, NewTiles(t));
}

int ScoreMove(const Tura& t)
{
    return ScoreMoveWith(t.placedSquares, t.placedCount, NewTiles(t));
}
