#include "window/zasady.h"

#include "model/litery.h"
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

namespace {

// A status that shows two hint lines with PUT disabled, and sets caption
// unless it is null.
MoveStatus Refused(const char* line1, const char* line2, const char* caption)
{
    MoveStatus s;
    s.outcome = MoveStatus::Judged;
    s.hint1 = line1;
    s.hint2 = line2;
    if (caption)
        s.caption = caption;
    return s;
}

} // namespace

MoveStatus JudgeMoveStatus(const Tura& t, const Gra* g)
{
    MoveStatus s;
    if (t.gameOver) {
        s.outcome = MoveStatus::GameOver;
        s.caption = "Finished";
        return s;
    }
    if (!g)
        return s;
    const Gracz& shown = *g->player[g->shown];
    s.outcome = MoveStatus::Judged;
    if (t.exchangeCount > 0) {
        if (shown.exchangesUsed >= MaxExchanges)
            return Refused("You can only change", "letters 3 times!!!", nullptr);
        s.hint1 = "Click EXCHANGE to";
        s.hint2 = "change letters";
        s.exchange = true;
        return s;
    }
    if (t.placedCount == 0) {
        s.caption = std::string("Player: ") + (shown.name ? shown.name : "");
        return s;
    }
    if (t.blankCount > t.blanksLettered) {
        s = Refused("Choose a letter", "for blank tile.", nullptr);
        s.pickLetter = true;
        return s;
    }
    const auto notInLine = [] {
        return Refused("Newly added tiles must", "form a continous line.", "Tiles should form a line");
    };
    if (!g->firstMove) {
        if (!IsInOneLine(t))
            return notInLine();
        if (!TouchesOldTiles(t))
            return Refused("New tiles must be", "adjacent to old ones.", "Letters must be connected");
    } else {
        if (!Plansza[CentreSquare][CentreSquare].tile)
            return Refused("The first word must cross", "the central field", "Not in the center");
        if (t.placedCount == 1)
            return Refused("The first word must", "have at least 2 tiles.", nullptr);
        if (!IsInOneLine(t))
            return notInLine();
    }
    const int score = ScoreMove(t);
    s.score = score;
    s.hint1 = "Click PUT to place word";
    s.hint2 = "Points :" + std::to_string(score);
    s.put = true;
    s.caption = "Points: " + std::to_string(score);
    return s;
}
