#include "computer/granica.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "computer/ocena.h"
#include "model/plansza.h"
#include "model/punktacja.h"

const std::array<int, LetterIndexCount> IndexValues = [] {
    std::array<int, LetterIndexCount> values{};
    for (int c = 'a'; c <= 'z'; ++c)
        values[LetterIndex(static_cast<Tile>(c))] = LetterValue(static_cast<Tile>(c));
    return values;
}();

const std::array<LetterBits, MaxLetterValue + 1> ValueLetters = [] {
    std::array<LetterBits, MaxLetterValue + 1> letters{};
    for (int c = 'a'; c <= 'z'; ++c)
        letters[LetterValue(static_cast<Tile>(c))] |= LetterBits{1} << LetterIndex(static_cast<Tile>(c));
    return letters;
}();

namespace {

constexpr int LetterValues[4] = {1, 2, 3, 5};

// What a tile counts, by its byte: a letter's value, 0 for a blank.
const std::array<std::int8_t, 256> TileValues = [] {
    std::array<std::int8_t, 256> values{};
    for (int c = 0; c < 256; ++c)
        values[c] = static_cast<std::int8_t>(LetterValue(static_cast<Tile>(c)));
    return values;
}();

// The most a letter of letters counts on a square of the colour class.
int MostCounted(LetterBits letters, int colourClass)
{
    int most = 0;
    for (int k = 3; k >= 0; --k)
        if (letters & ValueLetters[LetterValues[k]]) {
            most = LetterValues[k];
            break;
        }
    if (colourClass > 0 && colourClass <= MaxLetterValue && (letters & ValueLetters[colourClass]))
        most = std::max(most, CountedValue(colourClass, colourClass));
    return most;
}

// The letter values by what a tile of each counts at most on a line, highest
// first, equal counts in value order, for each set of values (bit k: value
// LetterValues[k]) that the line's colour squares triple.
const std::array<std::array<int, 4>, 16> ValueOrders = [] {
    std::array<std::array<int, 4>, 16> orders{};
    for (int tripled = 0; tripled < 16; ++tripled) {
        std::array<int, 4>& order = orders[tripled];
        int count[4];
        for (int k = 0; k < 4; ++k) {
            order[k] = k;
            count[k] = LetterValues[k] * (tripled >> k & 1 ? 3 : 1);
        }
        // An insertion sort: stable, and without the buffer a library
        // stable sort may allocate.
        for (int i = 1; i < 4; ++i)
            for (int j = i; j > 0 && count[order[j]] > count[order[j - 1]]; --j)
                std::swap(order[j], order[j - 1]);
        for (int& k : order)
            k = LetterValues[k];
    }
    return orders;
}();

// The bit of value v in a ValueOrders index (0 for a value outside it).
int TripledBit(int v)
{
    for (int k = 0; k < 4; ++k)
        if (LetterValues[k] == v)
            return 1 << k;
    return 0;
}

} // namespace

void LineBound::Prepare(bool across, int n, const RackBound& rack)
{
    across_ = across;
    line_ = n;
    rackTiles_ = rack.tiles;
    for (int v = 0; v <= MaxLetterValue; ++v)
        tileCount_[v] = v;
    std::fill(std::begin(riskFactor_), std::end(riskFactor_), 0.0);
    std::fill(std::begin(endsFound_), std::end(endsFound_), false);
    std::fill(std::begin(reachFound_), std::end(reachFound_), false);
    // A step along the line and one across it, on the board as one array.
    const int along = across ? BoardSpan : 1, side = across ? 1 : BoardSpan;
    // The border squares: empty, and no tile can go there.
    squares_[0] = squares_[BoardSpan - 1] = SquareBound{};
    const Pole* p = (across ? &Plansza[0][n] : &Plansza[n][0]) + along;
    int tripled = 0; // the values the line's fillable colour squares triple
    for (int pos = 1; pos <= BoardSize; ++pos, p += along) {
        const LineSlot& slot = Szukanie.line[pos];
        SquareBound& b = squares_[pos];
        b.colourClass = p->colourClass;
        b.wordMultiplier = p->wordMultiplier;
        b.value = b.cross = b.crossSum = 0;
        b.crossWord = b.fillable = false;
        if (slot.letter) {
            b.value = TileValues[p->tile];
            continue;
        }
        // A square no rack tile can go on counts for nothing.
        b.fillable = (slot.set & rack.available) != 0;
        if (!b.fillable)
            continue;
        b.value = MostCounted(rack.letters & slot.set, b.colourClass);
        if (b.colourClass > 0 && b.colourClass <= MaxLetterValue) {
            tileCount_[b.colourClass] = CountedValue(b.colourClass, b.colourClass);
            tripled |= TripledBit(b.colourClass);
        }
        for (const Pole* c = p - side; c->tile; c -= side)
            b.crossSum += TileValues[c->tile];
        for (const Pole* c = p + side; c->tile; c += side)
            b.crossSum += TileValues[c->tile];
        b.crossWord = p[-side].tile || p[side].tile;
        if (b.crossWord)
            b.cross = (b.crossSum + b.value) * b.wordMultiplier;
    }
    std::copy(ValueOrders[tripled].begin(), ValueOrders[tripled].end(), valueOrder_);
}

template <class Visit>
void LineBound::Walk(int pos, Visit visit) const
{
    End at;
    const LineSlot* line = Szukanie.line;
    for (int j = pos; j <= BoardSize; ++j) {
        const SquareBound& b = squares_[j];
        if (!line[j].letter) {
            if (!b.fillable || at.added == RackSlots)
                break;
            ++at.added;
            at.bySquare += b.value;
            at.product *= b.wordMultiplier;
            at.cross += b.cross;
        } else if (line[j].letter == UnusableLetter) {
            break;
        } else {
            at.old += b.value;
        }
        at.valid = !line[j + 1].letter;
        visit(j, at);
    }
}

void LineBound::FindEnds(int pos)
{
    // The furthest end of each number of tiles, then of at most k tiles.
    End* ends = ends_[pos];
    for (int k = 0; k <= RackSlots; ++k)
        ends[k].valid = false;
    Walk(pos, [&](int, const End& at) {
        if (at.valid)
            ends[at.added] = at;
    });
    for (int k = 1; k <= RackSlots; ++k)
        if (!ends[k].valid)
            ends[k] = ends[k - 1];
    endsFound_[pos] = true;
}

void LineBound::FindReach(int pos)
{
    std::fill(std::begin(reach_[pos]), std::end(reach_[pos]), static_cast<std::int8_t>(pos - 1));
    std::fill(std::begin(lastValid_[pos]), std::end(lastValid_[pos]), static_cast<std::int8_t>(-1));
    int last = -1;
    Walk(pos, [&](int j, const End& at) {
        at_[pos][j] = at;
        if (at.valid)
            last = j;
        lastValid_[pos][j] = static_cast<std::int8_t>(last);
        for (int k = at.added; k <= RackSlots; ++k)
            reach_[pos][k] = static_cast<std::int8_t>(j);
    });
    reachFound_[pos] = true;
}

int LineBound::BestTiles(int k, const int* lettersLeft) const
{
    int total = 0;
    for (const int v : valueOrder_) {
        const int n = std::min(k, lettersLeft[v]);
        total += n * tileCount_[v];
        k -= n;
    }
    return total;
}

int LineBound::Score(const End& e, int sum, int product, int cross, int tiles,
                     const int* lettersLeft) const
{
    const int letters = std::min(e.bySquare, BestTiles(e.added, lettersLeft));
    return (sum + e.old + letters) * product * e.product + cross + e.cross
           + (tiles + e.added == RackSlots ? AllTilesBonus : 0);
}

const LineBound::End* LineBound::FurthestEnd(int pos, int tiles)
{
    const int spare = std::min(rackTiles_ - tiles, RackSlots);
    if (spare <= 0)
        return nullptr;
    if (!endsFound_[pos])
        FindEnds(pos);
    const End& e = ends_[pos][spare];
    return e.valid ? &e : nullptr;
}

int LineBound::Ending(int pos, int sum, int product, int cross, int tiles, const int* lettersLeft)
{
    const End* e = FurthestEnd(pos, tiles);
    return e ? Score(*e, sum, product, cross, tiles, lettersLeft) : -1;
}

int LineBound::EndingAfterLeftParts(int pos, int sum, int product, int leftTiles,
                                    const int* lettersLeft)
{
    // The word reaches furthest with no tile spent before pos. The bonus for
    // every tile counts when some left part and the squares after pos can
    // take them all: Score counts it for tiles + added == RackSlots.
    const End* e = FurthestEnd(pos, 0);
    if (!e)
        return -1;
    const int tiles = leftTiles + e->added >= RackSlots ? RackSlots - e->added : 0;
    return Score(*e, sum, product, 0, tiles, lettersLeft);
}

int LineBound::EndingWithin(int pos, int sum, int product, int cross, int tiles,
                            const int* lettersLeft, int maxLetters)
{
    const int spare = std::min(rackTiles_ - tiles, RackSlots);
    if (spare <= 0)
        return -1;
    if (!reachFound_[pos])
        FindReach(pos);
    const int j = std::min(static_cast<int>(reach_[pos][spare]), pos + maxLetters - 1);
    if (j < pos || lastValid_[pos][j] < 0)
        return -1;
    return Score(at_[pos][lastValid_[pos][j]], sum, product, cross, tiles, lettersLeft);
}

double LineBound::RiskFactor(int start)
{
    double& f = riskFactor_[start];
    if (f == 0)
        f = across_ ? RiskFactorAt(true, start, line_) : RiskFactorAt(false, line_, start);
    return f;
}
