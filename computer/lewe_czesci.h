// The left parts the rack can make: every beginning of a word of up to a
// rack less one letters whose last letter has a child list, listed once per
// search, shortest first; each anchor then tests them in a flat loop against
// its set and the tile after it, in place of growing them over and over.
#pragma once

#include <algorithm>
#include <cstdint>

#include "computer/szukanie_wspolne.h"

namespace fast {

struct LeftPartEntry {
    std::uint32_t letters = 0;  // the letters of its list
    std::uint32_t then = 0;     // the letters of their child lists
    LetterBits available = 0;   // what the rack can supply after it
    int list = 0;
    std::uint8_t length = 0;
    std::uint8_t index[RackSlots - 1] = {}; // its letter indices, first letter first
};

class LeftPartList {
public:
    // Enough for the racks of two blanks met in play on the Polish and the
    // English dictionary, which make some thousands (1 MB, and as much for
    // the unsorted copy); a rack whose left parts do not fit grows them
    // anchor by anchor instead.
    static constexpr int Capacity = 32768;

    // Lists at most count (0 to Capacity) from now on, to compare
    // capacities or reach the growing of left parts with a small dictionary.
    void Limit(int count) { limit_ = std::clamp(count, 0, Capacity); }

    // Lists the left parts of the rack as TheRun and Szukanie count it.
    void List();

    // Whether the latest List held them all; the entries mean nothing else.
    bool Listed() const { return listed_; }

    // The entries of n letters, n below search_detail::LeftPartLengths.
    struct Range {
        const LeftPartEntry* first;
        const LeftPartEntry* last;
        const LeftPartEntry* begin() const { return first; }
        const LeftPartEntry* end() const { return last; }
    };
    Range OfLength(int n) const { return {entries_ + ofLength_[n], entries_ + ofLength_[n + 1]}; }

private:
    // Lists the left parts that go on from list after the len letters of e;
    // false when they do not fit.
    bool ListFrom(LeftPartEntry& e, int list, int len, int longest);

    LeftPartEntry entries_[Capacity];     // shortest first
    LeftPartEntry unsorted_[Capacity];    // as listed
    int count_ = 0;
    int limit_ = Capacity;
    int ofLength_[search_detail::LeftPartLengths + 1] = {}; // entry n: the first of length n
    bool listed_ = false;
};

extern LeftPartList TheLeftParts;

} // namespace fast
