#include "computer/pamiec_zbiorow.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "computer/kotwice.h"
#include "computer/listy.h"
#include "model/plansza.h"
#include "model/zbior_liter.h"

namespace fast {

namespace {

// The cross-check sets of the latest patterns: a pattern's set depends
// only on the dictionary, and from one search to the next most of the board
// stays as it was.
class CrossSetCache {
public:
    void Clear() { std::fill(std::begin(entries_), std::end(entries_), Entry{}); }

    // The set of the pattern's '?' (all of it, not only the rack's letters).
    LetterBits Find(const char* pattern)
    {
        std::uint32_t hash = 2166136261u;
        int length = 0;
        for (; pattern[length]; ++length)
            hash = (hash ^ static_cast<std::uint8_t>(pattern[length])) * 16777619u;
        Entry& e = entries_[hash % std::size(entries_)];
        if (e.length == length + 1 && std::memcmp(e.pattern, pattern, length) == 0)
            return e.set;
        ZbiorLiter set;
        TheSearchGraph.CrossCheck(pattern, set);
        e.set = set.Word();
        if (length < static_cast<int>(sizeof e.pattern)) {
            std::memcpy(e.pattern, pattern, length);
            e.length = static_cast<std::uint8_t>(length + 1);
        } else {
            e.length = 0;
        }
        return e.set;
    }

private:
    struct Entry {
        std::uint8_t length = 0; // the pattern's length + 1; 0: empty
        char pattern[BoardSize + 1] = {};
        LetterBits set = 0;
    };
    Entry entries_[4096];
};
CrossSetCache TheCrossSets;

// The cross-check sets of the board, line by line: the across sets of a
// column depend only on the column's tiles, the down sets of a row only on
// the row's. From one search to the next most lines stay as they were; they
// get the sets kept from before.
class CrossSetLines {
public:
    void Clear() { known_ = false; }

    // Fills the sets of every playing square on Plansza (the search reads
    // no border square's).
    void Compute()
    {
        // The lines holding a square whose tile changed since the sets
        // were made: its column's across sets and its row's down sets.
        bool changed[2][BoardSpan] = {};
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                const std::uint16_t tile = TileOf(Plansza[x][y]);
                if (known_ && tile == tiles_[x][y])
                    continue;
                tiles_[x][y] = tile;
                changed[1][x] = changed[0][y] = true;
            }
        for (const bool across : {true, false})
            for (int n = 1; n <= BoardSize; ++n)
                ComputeLine(across, n, !known_ || changed[across][n]);
        known_ = true;
    }

private:
    // A square's tile and its blank's letter.
    static std::uint16_t TileOf(const Pole& p)
    {
        return static_cast<std::uint16_t>(p.tile | p.blankLetter << 8);
    }

    void ComputeLine(bool across, int n, bool changed)
    {
        ZbiorLiter* const sets = sets_[across][n];
        // The line's playing squares on the board as one array: across sets
        // go down a column (x = n), down sets along a row (y = n).
        const int step = across ? 1 : BoardSpan;
        Pole* const first = (across ? &Plansza[n][0] : &Plansza[0][n]) + step;
        ZbiorLiter Pole::*const set = across ? &Pole::acrossSet : &Pole::downSet;
        if (changed) {
            ComputeLineCrossSets(across, n, [](const char* pattern, ZbiorLiter& found) {
                found.SetWord(TheCrossSets.Find(pattern));
            });
            const Pole* p = first;
            for (int i = 0; i < BoardSize; ++i, p += step)
                sets[i] = p->*set;
            return;
        }
        Pole* q = first;
        for (int i = 0; i < BoardSize; ++i, q += step)
            q->*set = sets[i];
    }

    bool known_ = false;                          // tiles_ and sets_ are those of the board
    std::uint16_t tiles_[BoardSpan][BoardSpan] = {}; // each square's tile when its sets were made
    ZbiorLiter sets_[2][BoardSpan][BoardSize];    // [across][column or row][playing square]
};
CrossSetLines TheCrossSetLines;

} // namespace

void ComputeCrossSets() { TheCrossSetLines.Compute(); }

void ForgetCrossSets()
{
    TheCrossSets.Clear();
    TheCrossSetLines.Clear();
}

} // namespace fast
