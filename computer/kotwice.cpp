#include "computer/kotwice.h"

#include "computer/stan_szukania.h"
#include "model/gra.h"
#include "model/litery.h"
#include "model/plansza.h"
#include "model/slownik.h"

namespace {

// The letters of the tiles around the empty square (x, y) along the step
// (dx, dy), as a pattern: the run before it, '?', the run after it. False
// when a tile there has no letter (a blank without one): no word fits.
bool CrossPattern(int x, int y, int dx, int dy, char* pattern)
{
    int bx = x, by = y;
    while (Plansza[bx - dx][by - dy].tile) {
        bx -= dx;
        by -= dy;
    }
    int n = 0;
    for (int cx = bx, cy = by; cx != x || cy != y; cx += dx, cy += dy) {
        const Tile c = Plansza[cx][cy].Letter();
        if (!IsLetterTile(c))
            return false;
        pattern[n++] = static_cast<char>(c);
    }
    pattern[n++] = '?';
    for (int cx = x + dx, cy = y + dy; Plansza[cx][cy].tile; cx += dx, cy += dy) {
        const Tile c = Plansza[cx][cy].Letter();
        if (!IsLetterTile(c))
            return false;
        pattern[n++] = static_cast<char>(c);
    }
    pattern[n] = 0;
    return true;
}

// The dictionary query of the passes.
void (*CrossCheckQuery)(const char*, ZbiorLiter&) = Slownik::CrossCheck;

// The letters that may stand on the empty square (x, y) between the tiles
// along (dx, dy): one walk of the graph for the run before the square, then
// the run after it below each letter of the list reached.
void CrossSet(int x, int y, int dx, int dy, ZbiorLiter& set)
{
    char pattern[2 * BoardSize + 2];
    if (CrossPattern(x, y, dx, dy, pattern))
        CrossCheckQuery(pattern, set);
    else
        set.Clear();
}

bool IsBorder(int x, int y) { return x == 0 || y == 0 || x > BoardSize || y > BoardSize; }

// The set of square (x, y) from its neighbours along (dx, dy) (fromBefore
// with a tile before it, else fromAfter with one after it); full without
// either, empty on the border.
void ComputeCrossSet(int x, int y, int dx, int dy, ZbiorLiter Pole::*set,
                     void (*fromBefore)(int, int), void (*fromAfter)(int, int))
{
    Pole& p = Plansza[x][y];
    if (IsBorder(x, y))
        (p.*set).Clear();
    else if (!p.tile && Plansza[x - dx][y - dy].tile)
        fromBefore(x, y);
    else if (!p.tile && Plansza[x + dx][y + dy].tile)
        fromAfter(x, y);
    else
        (p.*set).Fill();
}

// One pass over the board.
void ComputeCrossSets(int dx, int dy, ZbiorLiter Pole::*set, void (*fromBefore)(int, int),
                      void (*fromAfter)(int, int))
{
    for (int x = 0; x < BoardSpan; ++x)
        for (int y = 0; y < BoardSpan; ++y)
            ComputeCrossSet(x, y, dx, dy, set, fromBefore, fromAfter);
}

} // namespace

void MarkAnchors(std::uint8_t firstMove)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            Pole& p = Plansza[x][y];
            if (firstMove)
                p.anchor = x == CentreSquare && y == CentreSquare;
            else
                p.anchor = !p.tile && (Plansza[x - 1][y].tile || Plansza[x + 1][y].tile
                                       || Plansza[x][y - 1].tile || Plansza[x][y + 1].tile);
        }
}

// A square's across set is decided by the tiles above and below it, its down
// set by the tiles left and right of it. The builders for a square with a
// tile only on the far side make the same pattern with an empty first run.
void AcrossSetFromAbove(int x, int y) { CrossSet(x, y, 0, 1, Plansza[x][y].acrossSet); }
void AcrossSetFromBelow(int x, int y) { CrossSet(x, y, 0, 1, Plansza[x][y].acrossSet); }
void DownSetFromLeft(int x, int y) { CrossSet(x, y, 1, 0, Plansza[x][y].downSet); }
void DownSetFromRight(int x, int y) { CrossSet(x, y, 1, 0, Plansza[x][y].downSet); }

void ComputeAcrossCrossSets()
{
    ComputeCrossSets(0, 1, &Pole::acrossSet, AcrossSetFromAbove, AcrossSetFromBelow);
}

void ComputeDownCrossSets()
{
    ComputeCrossSets(1, 0, &Pole::downSet, DownSetFromLeft, DownSetFromRight);
}

void ComputeLineCrossSets(bool across, int n, void (*check)(const char* pattern, ZbiorLiter& set))
{
    CrossCheckQuery = check;
    for (int i = 0; i < BoardSpan; ++i) {
        if (across)
            ComputeCrossSet(n, i, 0, 1, &Pole::acrossSet, AcrossSetFromAbove, AcrossSetFromBelow);
        else
            ComputeCrossSet(i, n, 1, 0, &Pole::downSet, DownSetFromLeft, DownSetFromRight);
    }
    CrossCheckQuery = Slownik::CrossCheck;
}

void CountRackLetters()
{
    for (int& n : Szukanie.rack)
        n = 0;
    const Gracz* player = CurrentPlayer();
    if (!player)
        return;
    for (int k = 0; k < RackSlots; ++k)
        if (const Tile c = player->rack->slots[k])
            ++Szukanie.rack[LetterIndex(c)];
}
