// The search's own copy of the dictionary graph, derived from the loaded
// one and indexed by letter: each sibling list becomes a header (the list's
// letters as a bit mask, the letters of its child lists, the most letters a
// word can still take from it) followed by one 4-byte entry per letter 'a' to
// 'z', in letter-index order. The entry of a letter is found by counting the
// mask's bits below it, and the letters a square allows are visited by
// walking the bits of mask & allowed: no scan over siblings that cannot
// match. Letters other than 'a' to 'z' are left out; no tile can place them.
//
// The search meets words in letter-index order, not in the file's sibling
// order; it breaks ties by the file's order (OrderKey) to choose the move the
// reference search would.
//
// Rebuilt on first use after the dictionary changes (10 to 30 ms for the
// Polish default, inside that first search; about 2 MB), never at start-up. A graph
// the copy cannot hold (a sibling list with a letter twice, or lists shared
// so widely that the copy would pass its size bound) leaves it not ready.
#pragma once

#include <cstdint>
#include <vector>

#include "model/slownik.h"
#include "model/zbior_liter.h"

class SearchGraph {
public:
    // Brings the copy up to date with the loaded dictionary; true when it
    // had to be rebuilt.
    bool Update();

    // Whether the copy holds the loaded dictionary.
    bool Ready() const { return root_ > 0; }

    // The top-level list. A list is its header's index; 0 is the empty list.
    int Root() const { return root_; }

    // The letters of list (bit i: letter index i).
    std::uint32_t Letters(int list) const { return words_[list]; }
    // The letters of the child lists of list's letters.
    std::uint32_t Then(int list) const { return words_[list + 1]; }
    // The most letters a word can take from list on (at most a line's length).
    int Longest(int list) const { return static_cast<int>(words_[list + 2]); }

    // The entry of letter index i in list; i must be one of its Letters.
    // Inlined into code built for the bit count instruction, it is one.
    [[gnu::always_inline]] std::uint32_t Entry(int list, int i) const
    {
        const std::uint32_t below = words_[list] & ((std::uint32_t{1} << i) - 1);
        return words_[list + HeaderWords + __builtin_popcount(below)];
    }
    // Whether list has letter index i; if so, entry is its entry.
    bool Find(int list, int i, std::uint32_t& entry) const
    {
        if (!(words_[list] >> i & 1))
            return false;
        entry = Entry(list, i);
        return true;
    }
    // An entry's child list (0: none) and whether a word ends with its letter.
    static int Child(std::uint32_t entry) { return static_cast<int>(entry >> 1); }
    static bool EndOfWord(std::uint32_t entry) { return entry & 1; }

    // The letter of a letter index of 'a' to 'z'.
    Tile Letter(int index) const { return letters_[index]; }

    // The letters of the pattern's '?' as Slownik::CrossCheck gives them.
    void CrossCheck(const char* pattern, ZbiorLiter& set) const;

    static int CountBits(std::uint32_t v)
    {
#ifdef __POPCNT__
        return __builtin_popcount(v);
#else
        v = v - ((v >> 1) & 0x55555555u);
        v = (v & 0x33333333u) + ((v >> 2) & 0x33333333u);
        return static_cast<int>((((v + (v >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
#endif
    }

    static constexpr int HeaderWords = 3;

private:
    bool Build();
    // Walks n letters from list; false when one is missing, else entry is
    // the last one's.
    bool Walk(int list, const std::uint8_t* s, int n, std::uint32_t& entry) const;

    unsigned revision_ = 0;
    int limit_ = 0;
    int root_ = 0;
    Tile letters_[32] = {};
    std::vector<std::uint32_t> words_;
};

extern SearchGraph TheSearchGraph;
