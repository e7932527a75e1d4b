// Letter masks of the dictionary's sibling lists, derived from the loaded
// graph: for node i, the letters of the nodes from i to the end of its list,
// so that a scan of a list stops as soon as no later sibling can match.
//
// Rebuilt on first use after the dictionary changes (a few milliseconds at
// most, inside the first search), never at start-up.
#pragma once

#include <cstdint>

#include "model/slownik.h"
#include "model/zbior_liter.h"

class SiblingMasks {
public:
    // Brings the masks up to date with the loaded dictionary.
    void Update();

    // The letters (bit i for letter index i, 'a' to 'z' only) of the nodes
    // from i to the last of its siblings, and of those among them with a
    // child list; 0 outside the loaded graph.
    LetterBits From(int i) const { return Inside(i) ? all_[i] : 0; }
    LetterBits WithChildFrom(int i) const { return Inside(i) ? withChild_[i] : 0; }

private:
    bool Inside(int i) const { return i > 0 && i < limit_; }

    unsigned revision_ = 0;
    int limit_ = 0;
    std::uint32_t all_[DictionaryCapacity] = {};
    std::uint32_t withChild_[DictionaryCapacity] = {};
};

extern SiblingMasks TheSiblingMasks;
