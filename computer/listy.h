// The search's own copy of the dictionary graph, derived from the loaded
// one: each node with its letter index and, for the nodes from it to the end
// of its sibling list, the letters found there, the letters that may follow
// them, and the most letters a word can still take from there. A scan of a
// list stops as soon as no later sibling can match. A node is one 12-byte
// record: the search is bound by the memory its scans touch, so the copy is
// kept as small as the graph itself.
//
// Rebuilt on first use after the dictionary changes (about 10 ms for the
// Polish default, inside that first search), never at start-up.
#pragma once

#include <cstdint>

#include "model/slownik.h"
#include "model/zbior_liter.h"

struct SearchNode {
    std::uint32_t from = 0;   // letters (bit i: letter index i, 'a' to 'z') from here on
    std::uint32_t then = 0;   // letters of the child lists of the nodes from here on
    // The first child (0: none, or none inside the graph), the letter index,
    // whether the letter is one of 'a' to 'z', the two flags, and the most
    // letters a word can take from this list on, counting from this node to
    // the end of its list (at most a line's length).
    std::uint32_t packed = 0;

    static constexpr int ChildBits = 18;
    int child() const { return static_cast<int>(packed & ((1u << ChildBits) - 1)); }
    int letterIndex() const { return static_cast<int>(packed >> ChildBits & 31); }
    // The letter index of a letter 'a' to 'z', else 0.
    int index() const { return packed >> (ChildBits + 5) & 1 ? letterIndex() : 0; }
    bool endOfWord() const { return packed >> (ChildBits + 6) & 1; }
    bool lastSibling() const { return packed >> (ChildBits + 7) & 1; }
    int longest() const { return static_cast<int>(packed >> (ChildBits + 8) & 15); }
};
static_assert(DictionaryCapacity < 1 << SearchNode::ChildBits, "a child index fits");

class SearchGraph {
public:
    // Brings the copy up to date with the loaded dictionary; true when it
    // had to be rebuilt.
    bool Update();

    // Node i; node 0 and every node outside the graph are empty (no letters
    // from them on), which ends any scan.
    const SearchNode& operator[](int i) const
    {
        return static_cast<unsigned>(i) < static_cast<unsigned>(limit_) ? nodes_[i] : nodes_[0];
    }

    // The first node of the list from list with the placeable letter of
    // index, or 0: as Slownik::FindChild's scan.
    int Find(int list, int index) const
    {
        const std::uint32_t bit = std::uint32_t{1} << index;
        for (int i = list; (*this)[i].from & bit; ++i)
            if (nodes_[i].index() == index)
                return i;
        return 0;
    }

    // The letter of a letter index of 'a' to 'z'.
    Tile Letter(int index) const { return letters_[index]; }

    // The letters of the pattern's '?' as Slownik::CrossCheck gives them.
    void CrossCheck(const char* pattern, ZbiorLiter& set) const;

private:
    // The longest entries: passes from the longest possible value down, each
    // keeping every entry an upper bound, until nothing changes.
    void FindLongest();
    void SetLongest(SearchNode& n, int longest);
    // Walks n placeable letters from list; the node of the last, or 0 when
    // one is missing.
    int Walk(int list, const std::uint8_t* s, int n) const;

    unsigned revision_ = 0;
    int limit_ = 0;
    Tile letters_[32] = {};
    SearchNode nodes_[DictionaryCapacity];
};

extern SearchGraph TheSearchGraph;
