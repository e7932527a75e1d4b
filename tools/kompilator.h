// The dictionary compiler: a list of words in, the bytes of a dictionary
// file out. Words of 2 to 15 letters 'a' to 'z' are kept, duplicates dropped.
// The letter graph is minimised (identical child lists are stored once),
// every sibling list is ordered by letter index ('w' before 'v'), node 0 is a
// zero record and the top-level list starts at node 1; word-final leaves get
// child index 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CompiledDictionary {
    std::vector<std::uint8_t> bytes; // the file, 5 bytes a node
    std::size_t nodes = 0;
    std::size_t words = 0;
    std::size_t longest = 0;         // letters of the longest word kept
    bool fits = false;               // nodes within the dictionary's capacity
};

// The rule of the shipped word lists: a word holds a vowel (a, e, i, o, u,
// y), or is one of the few real words spelled without one (interjections
// such as "hmm" and "psst", and "nth"). Spell-checker lists also hold
// abbreviations, unit symbols and Roman numerals ("kg", "mph", "xxv"),
// which are no words of the game.
bool HasVowelOrIsInterjection(const std::string& word);

// Compiles words. With trim, the longest words are dropped until the graph
// fits the capacity; without it an oversized result has fits == false.
CompiledDictionary CompileWords(const std::vector<std::string>& words, bool trim);

// Stores a child index as four signed base-256 digits, most significant first.
void PutChildIndex(std::int64_t n, std::uint8_t* b);
