#include "model/slownik.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/temp_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The two words "ab" and "ac": node 1 'a' (last sibling, children at 2),
// node 2 'b' (end of word), node 3 'c' (end of word, last sibling).
const Bytes TwoWords = {0, 0, 0, 0, 0x00, 0, 0, 0, 2, 0x1F, 0, 0, 0, 0, 0x3E, 0, 0, 0, 0, 0x5D};

// A single word "xyz...": a chain of nodes, one a list.
const Bytes ThreeLetterChain = {0, 0, 0, 0, 0,    0, 0, 0, 2, 24 + 30, 0, 0, 0, 3, 25 + 30,
                                0, 0, 0, 0, 26 + 90};

class DictionaryTest : public ::testing::Test {
protected:
    int Load(const Bytes& bytes) { return Slownik::LoadFile(dir.Write("d.slo", bytes).c_str()); }
    std::string Missing() const { return dir.Path() + "/missing.slo"; }

    static std::string Letters(const ZbiorLiter& set)
    {
        std::string s;
        for (int i = 0; i < LetterSetBits; ++i)
            if (set.Has(i))
                s += i < LetterIndexCount && IndexLetter(i) ? char(IndexLetter(i)) : '#';
        return s;
    }
    static std::string Cross(const char* pattern)
    {
        ZbiorLiter set;
        set.Fill();
        Slownik::CrossCheck(pattern, set);
        return Letters(set);
    }

    TempDir dir;
};

} // namespace

TEST_F(DictionaryTest, TwoWordFileLookups)
{
    ASSERT_EQ(Load(TwoWords), 0);
    EXPECT_EQ(Slownik::Count(), 4);
    const struct { const char* word; int node, matched; bool isWord; } cases[] = {
        {"ac", 3, 2, true}, {"ab", 2, 2, true}, {"a", 1, 1, false}, {"ad", 1, 1, false},
        {"abc", 2, 2, false}, {"b", 0, 0, false}, {"", 0, 0, false}, {"\xE1", 0, 0, false}};
    for (const auto& c : cases) {
        int matched = -1;
        EXPECT_EQ(Slownik::Lookup(c.word, matched), c.node) << c.word;
        EXPECT_EQ(matched, c.matched) << c.word;
        EXPECT_EQ(Slownik::IsWord(c.word), c.isWord) << c.word;
    }
}

TEST_F(DictionaryTest, TwoWordFileCrossChecks)
{
    ASSERT_EQ(Load(TwoWords), 0);
    const struct { const char* pattern; const char* letters; } cases[] = {
        {"a?", "bc"}, {"?c", "a"}, {"?b", "a"}, {"?", ""}, {"b?", ""}, {"?d", ""},
        {"ab?", ""}, {"a?c", ""}, {"?bc", ""}, {"no gap", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(Cross(c.pattern), c.letters) << c.pattern;
}

TEST_F(DictionaryTest, FindChild)
{
    ASSERT_EQ(Load(TwoWords), 0);
    int found = -7;
    EXPECT_EQ(Slownik::FindChild('a', 1, found), 2);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(Slownik::FindChild('c', 2, found), 0);
    EXPECT_EQ(found, 3);
    found = -7;
    EXPECT_EQ(Slownik::FindChild('d', 2, found), 0);
    EXPECT_EQ(found, -7);
    EXPECT_EQ(Slownik::FindChild('b', 1, found), 0);
    EXPECT_EQ(found, -7);
}

TEST_F(DictionaryTest, ChildIndexDecoding)
{
    const struct { Bytes b; long long v; } cases[] = {
        {{0, 0, 1, 0xC8}, 200},          {{0, 0, 0, 0xC8}, -56},
        {{0, 4, 0xD1, 0x8F}, 249999},    {{0, 3, 0xD0, 0x8F}, 184207},
        {{0x80, 0x80, 0x80, 0x80}, -2155905152LL}, {{0x7F, 0x7F, 0x7F, 0x7F}, 2139062143LL},
        {{0xFF, 0xFF, 0xFF, 0xFF}, -16843009LL},   {{0, 0, 0, 0}, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Slownik::DecodeChildIndex(c.b.data()), c.v);
}

TEST_F(DictionaryTest, CodeByteDecoding)
{
    const struct { std::uint8_t code; Tile letter; int eow, last; } cases[] = {
        {0x5D, 'c', 1, 1}, {0x3E, 'b', 1, 0}, {0x1F, 'a', 0, 1}, {60, 0, 0, 1}, {30, 0, 0, 0},
        {61, 'a', 1, 0},   {27, 'X', 0, 0},   {22, 'w', 0, 0},   {23 + 90, 'v', 1, 1},
        {119, 'Z', 1, 1},  {200, 0, 1, 1},    {0, 0, 0, 0}};
    Bytes file(5 * (1 + std::size(cases)), 0);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        file[5 * (i + 1) + 4] = cases[i].code;
    ASSERT_EQ(Load(file), 0);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Wezel& n = Slownik::Node(static_cast<int>(i + 1));
        EXPECT_EQ(n.letter, cases[i].letter) << int(cases[i].code);
        EXPECT_EQ(n.endOfWord, cases[i].eow) << int(cases[i].code);
        EXPECT_EQ(n.lastSibling, cases[i].last) << int(cases[i].code);
    }
}

TEST_F(DictionaryTest, NegativeAndHugeChildIndicesAreNoChild)
{
    // 'a' with child bytes 80 80 80 80 and 'b' with 00 00 00 C8: neither descends.
    const Bytes file = {0, 0, 0, 0, 0, 0x80, 0x80, 0x80, 0x80, 1 + 60, 0, 0, 0, 0xC8, 2 + 90};
    ASSERT_EQ(Load(file), 0);
    EXPECT_EQ(Slownik::Node(1).firstChild, 0);
    EXPECT_EQ(Slownik::Node(2).firstChild, 0);
    EXPECT_TRUE(Slownik::IsWord("a"));
    EXPECT_TRUE(Slownik::IsWord("b"));
    EXPECT_FALSE(Slownik::IsWord("ab"));
    EXPECT_EQ(Cross("a?"), "");
}

TEST_F(DictionaryTest, OneNodeAndTrailingBytes)
{
    ASSERT_EQ(Load(Bytes(5, 0)), 0);
    EXPECT_EQ(Slownik::Count(), 1);
    int matched = -1;
    EXPECT_EQ(Slownik::Lookup("a", matched), 0);
    EXPECT_EQ(matched, 0);

    Bytes withTail = TwoWords;
    withTail.insert(withTail.end(), {1, 2, 3, 4});
    ASSERT_EQ(Load(withTail), 0);
    EXPECT_EQ(Slownik::Count(), 4);
    EXPECT_TRUE(Slownik::IsWord("ab"));
}

TEST_F(DictionaryTest, WalksStopAtTheLoadedNodes)
{
    // A long file leaves nodes behind; a shorter one must not see them.
    ASSERT_EQ(Load(ThreeLetterChain), 0);
    EXPECT_TRUE(Slownik::IsWord("xyz"));
    // Top-level list "a" with no last-sibling flag, then the end of the file.
    ASSERT_EQ(Load({0, 0, 0, 0, 0, 0, 0, 0, 0, 1 + 60}), 0);
    EXPECT_TRUE(Slownik::IsWord("a"));
    EXPECT_FALSE(Slownik::IsWord("y"));
    EXPECT_EQ(Cross("?"), "a");
    int found = 0;
    EXPECT_EQ(Slownik::FindChild('y', 1, found), 0);
    EXPECT_EQ(Slownik::FindChild('a', 2, found), 0);
}

// node 0, then n nodes of letter 'a' ending words, each with the top-level
// list as its children; the last one ends the list.
Bytes LettersAPointingHome(int n)
{
    Bytes file(5, 0);
    for (int i = 1; i <= n; ++i)
        file.insert(file.end(), {0, 0, 0, 1, std::uint8_t(i == n ? 1 + 90 : 1 + 60)});
    return file;
}

TEST_F(DictionaryTest, BadFilesKeepTheDictionaryBefore)
{
    Bytes badChild = TwoWords;
    badChild[8] = 4; // node 1's children at 4, past the last node
    Bytes farChild = TwoWords;
    farChild[6] = 0x7F; // children far outside the array
    // 'a' with the children 'b', then 'b' ending a word: the lookups take the
    // first 'b' (ab no word) while the cross-checks try both (ab a word).
    const Bytes twoBs = {0, 0, 0, 0, 0, 0, 0, 0, 2, 1 + 30, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2 + 90};
    ASSERT_EQ(twoBs.size(), 20u);
    const Bytes fifteenAs = LettersAPointingHome(15);
    ASSERT_EQ(fifteenAs.size(), 80u);
    // A repeat deep in a child list, reached only through a child index.
    Bytes deepRepeat = TwoWords;
    deepRepeat[14] = 2; // node 2 'b' ending no word, then node 3 'c'
    deepRepeat[19] = 2 + 90; // node 3 'b' as well
    const struct { const char* what; Bytes file; const char* reason; } cases[] = {
        {"empty", {}, "no word list (0 bytes)"},
        {"four bytes", {0, 0, 0, 0}, "no word list (4 bytes)"},
        {"oversized", Bytes((DictionaryCapacity + 1) * 5, 0), "more than 250000 nodes"},
        {"child past the end", badChild, "node 1 points past the end"},
        {"child far outside", farChild, "node 1 points past the end"},
        {"twice b", twoBs, "the list at node 2 holds a letter twice"},
        {"fifteen a", fifteenAs, "the list at node 1 holds a letter twice"},
        {"repeat in a child list", deepRepeat, "the list at node 2 holds a letter twice"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Load(TwoWords), 0);
        FileFault fault;
        const std::string path = dir.Write("bad.slo", c.file);
        EXPECT_EQ(Slownik::LoadFile(path.c_str(), &fault), 1) << c.what;
        EXPECT_EQ(fault.kind, "dictionary") << c.what;
        EXPECT_EQ(fault.file, path) << c.what;
        EXPECT_NE(fault.what.find(c.reason), std::string::npos) << c.what << ": " << fault.what;
        EXPECT_FALSE(fault.missing) << c.what;
        EXPECT_EQ(Slownik::Count(), 4) << c.what;
        EXPECT_TRUE(Slownik::IsWord("ab")) << c.what;
        EXPECT_EQ(Cross("a?"), "bc") << c.what;
    }

    // A capacity-sized file is accepted; each node is a list of its own.
    Bytes full(DictionaryCapacity * 5, 0);
    for (std::size_t r = 0; r < full.size(); r += 5)
        full[r + 4] = 1 + 30;
    EXPECT_EQ(Load(full), 0);
    EXPECT_EQ(Slownik::Count(), DictionaryCapacity);
    EXPECT_FALSE(Slownik::IsWord("ab"));
    // So are lists offering each letter once, also letters sharing a list.
    EXPECT_EQ(Load(LettersAPointingHome(1)), 0);
    EXPECT_TRUE(Slownik::IsWord("aaaa"));
}

TEST_F(DictionaryTest, NodesNoTileMatchesMayRepeatInAList)
{
    // Top-level list: 0, 0, X, X, Y, Y, Z, Z, then 'a' (last) with the
    // children X, X, 'b' (end of word), 'c' (end of word, last): ab and ac.
    Bytes file(5, 0);
    for (const std::uint8_t code : {0, 0, 27, 27, 28, 28, 29, 29})
        file.insert(file.end(), {0, 0, 0, 0, code});
    file.insert(file.end(), {0, 0, 0, 10, 1 + 30});
    for (const std::uint8_t code : {27, 27 + 60, 2 + 60, 3 + 90})
        file.insert(file.end(), {0, 0, 0, 0, code});
    FileFault fault;
    ASSERT_EQ(Slownik::LoadFile(dir.Write("d.slo", file).c_str(), &fault), 0) << fault.what;
    EXPECT_EQ(Slownik::Count(), 14);
    for (const char* w : {"ab", "ac"})
        EXPECT_TRUE(Slownik::IsWord(w)) << w;
    for (const char* w : {"a", "ad", "X", "aX"})
        EXPECT_FALSE(Slownik::IsWord(w)) << w;
    EXPECT_EQ(Cross("?b"), "a");
    EXPECT_EQ(Cross("a?"), "bcX"); // the set names every node that ends a word
    int found = 0;
    EXPECT_EQ(Slownik::FindChild('a', TopLevelList, found), 10);
    EXPECT_EQ(found, 9);
}

// A file as large as the dictionary holds, one top-level list of letter-0
// nodes, each node's child list the rest of it: every node starts a list, and
// checking each list from its start would read the file once per node.
TEST_F(DictionaryTest, ListsOverlappingToTheFilesEndAreCheckedAtOnce)
{
    Bytes file(5, 0);
    for (int r = 1; r < DictionaryCapacity; ++r) {
        const int child = r + 1 < DictionaryCapacity ? r + 1 : 0;
        const std::uint8_t last = r + 1 < DictionaryCapacity ? 0 : 30;
        file.insert(file.end(), {0, static_cast<std::uint8_t>(child >> 16),
                                 static_cast<std::uint8_t>(child >> 8),
                                 static_cast<std::uint8_t>(child), last});
    }
    const auto start = std::chrono::steady_clock::now();
    FileFault fault;
    ASSERT_EQ(Slownik::LoadFile(dir.Write("d.slo", file).c_str(), &fault), 0) << fault.what;
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(Slownik::Count(), DictionaryCapacity);
    // One pass takes milliseconds; a pass per node, minutes.
    EXPECT_LT(took, std::chrono::seconds(5));
}

TEST_F(DictionaryTest, UnopenableFileKeepsTheWords)
{
    ASSERT_EQ(Load(TwoWords), 0);
    EXPECT_EQ(Slownik::LoadFile(Missing().c_str()), 1);
    // The count of nodes read from the file is 0; the graph loaded before
    // answers on.
    EXPECT_EQ(Slownik::Count(), 0);
    EXPECT_TRUE(Slownik::IsWord("ab"));
    EXPECT_EQ(Cross("a?"), "bc");
    FileFault fault;
    EXPECT_EQ(Slownik::LoadFile(Missing().c_str(), &fault), 1);
    EXPECT_EQ(fault.file, Missing());
    EXPECT_TRUE(fault.missing);
    // A folder, a device or a named pipe is no dictionary: refused at once
    // (a pipe without a writer must not be waited on), the words stay.
    const std::string pipe = dir.Path() + "/pipe.slo";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const struct { std::string path; const char* reason; } refused[] = {
        {dir.Path(), "it is a folder"},
        {"/dev/zero", "it is not a regular file"},
        {pipe, "it is not a regular file"}};
    for (const auto& r : refused) {
        FileFault f;
        EXPECT_EQ(Slownik::LoadFile(r.path.c_str(), &f), 1) << r.path;
        EXPECT_EQ(f.file, r.path);
        EXPECT_EQ(f.what, r.reason);
        EXPECT_TRUE(Slownik::IsWord("ac")) << r.path;
    }
}

TEST_F(DictionaryTest, FileThatFailsToReadKeepsTheDictionaryBefore)
{
    // A kernel attribute that opens, says it is 4096 bytes long and fails
    // every read: the loopback device has no link speed.
    const char* unreadable = "/sys/class/net/lo/speed";
    std::FILE* f = std::fopen(unreadable, "rb");
    char byte;
    const bool fails = f && std::fread(&byte, 1, 1, f) == 0 && std::ferror(f);
    if (f)
        std::fclose(f);
    if (!fails)
        GTEST_SKIP() << unreadable << " is missing or readable here";
    ASSERT_EQ(Load(TwoWords), 0);
    EXPECT_EQ(Slownik::LoadFile(unreadable), 1);
    EXPECT_EQ(Slownik::Count(), 4);
    EXPECT_TRUE(Slownik::IsWord("ab"));
}

TEST_F(DictionaryTest, LoadReadsDictionaryPath)
{
    std::string path = dir.Write("p.slo", TwoWords);
    DictionaryPath = path.data();
    EXPECT_EQ(Slownik::Load(), 0);
    EXPECT_TRUE(Slownik::IsWord("ac"));
    DictionaryPath = nullptr;
    EXPECT_EQ(Slownik::Load(), 1);
}
