// Slownik: the dictionary, a letter graph of sibling lists read from a
// headerless file of 5-byte records (record k is node k).
//
// A sibling list is a run of consecutive nodes ending at the first node whose
// lastSibling flag is set; node 1 starts the top-level list. Every walk stays
// below Slownik::Limit(), the node count of the last successful load, so no
// query reads past the loaded graph.
#pragma once

#include <cstdint>
#include <vector>

#include "model/litery.h"
#include "platform/instalacja.h"
#include "model/zbior_liter.h"

struct Wezel {
    Tile letter = 0;
    std::uint8_t endOfWord = 0;
    std::uint8_t lastSibling = 0;
    std::int32_t firstChild = 0; // 0 or less: no child list
};

constexpr int DictionaryCapacity = 250000;
constexpr int DictionaryRecordBytes = 5;
constexpr int TopLevelList = 1;

// The option path of the dictionary file (logical form); owned by the options.
extern char* DictionaryPath;
// The kind of file a dictionary is, in the messages about one.
extern const char DictionaryKind[];

// A cross-check pattern, prefix '?' suffix, split at its '?'.
struct CrossPattern {
    const std::uint8_t* prefix = nullptr;
    int prefixLength = 0;
    const std::uint8_t* suffix = nullptr;
    int suffixLength = 0;
};
// Splits pattern at its first '?'; false when it has none.
bool SplitCrossPattern(const char* pattern, CrossPattern& split);

class Slownik {
public:
    // Loads the file named by DictionaryPath. 0 on success; 1 when the file
    // cannot be opened (the count becomes 0, the loaded words stay usable) or
    // is refused as a whole (no whole record, too large, a child index
    // outside the file, a sibling list holding a letter 'a' to 'z' twice, a
    // failed read): then the dictionary before stays in use, unchanged. On 1
    // the reason is logged and put in fault when given.
    static int Load(FileFault* fault = nullptr);
    static int LoadFile(const char* path, FileFault* fault = nullptr);

    // One record as a node.
    static Wezel DecodeRecord(const std::uint8_t* record);
    // Decodes one record into the node at the count; the count grows by one.
    static void AddRecord(const std::uint8_t* record);

    // Walks word from the top-level list; returns the node of the last letter
    // matched (0 for none) and sets matched to the number of letters matched.
    static int Lookup(const char* word, int& matched);
    // Whether word is in the dictionary.
    static bool IsWord(const char* word);

    // pattern is prefix '?' suffix; fills set with every letter that, put in
    // place of '?', makes the whole pattern a word.
    static void CrossCheck(const char* pattern, ZbiorLiter& set);

    // Looks for letter in the sibling list starting at node list; when found,
    // sets found to its node and returns its first child; else returns 0.
    static int FindChild(Tile letter, int list, int& found);

    static const Wezel& Node(int i) { return nodes[i]; }
    static int Count() { return count; }
    static int Limit() { return limit; }
    // Changes whenever the nodes change: a structure derived from the graph
    // is up to date while the revision and the limit it was built for hold.
    static unsigned Revision() { return revision; }

    // The index in a record's four bytes, each a signed base-256 digit.
    static std::int64_t DecodeChildIndex(const std::uint8_t* b);

private:
    // Makes records (whole, checked) the loaded nodes, one AddRecord each.
    static void Commit(const std::vector<std::uint8_t>& records);
    // The node of letter in the list from node list, or 0.
    static int ScanList(int list, Tile letter);
    // Walks letters [s, s + n) from list; returns the last matched node
    // (0 for none) and the number matched.
    static int Walk(int list, const std::uint8_t* s, int n, int& matched);

    static Wezel nodes[DictionaryCapacity];
    static int count;
    static int limit;
    static unsigned revision;
};
