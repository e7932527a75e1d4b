#include "model/slownik.h"

#include <cstdio>
#include <string>
#include <vector>

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

TEST_F(DictionaryTest, BadFilesKeepTheDictionaryBefore)
{
    ASSERT_EQ(Load(TwoWords), 0);

    Bytes oversized((DictionaryCapacity + 1) * 5, 0);
    EXPECT_EQ(Load(oversized), 1);
    Bytes badChild = TwoWords;
    badChild[8] = 4; // node 1's children at 4, past the last node
    EXPECT_EQ(Load(badChild), 1);
    Bytes farChild = TwoWords;
    farChild[6] = 0x7F; // children far outside the array
    EXPECT_EQ(Load(farChild), 1);
    EXPECT_EQ(Slownik::Count(), 4);
    EXPECT_TRUE(Slownik::IsWord("ab"));
    EXPECT_TRUE(Slownik::IsWord("ac"));

    // A capacity-sized file is accepted.
    Bytes full(DictionaryCapacity * 5, 0);
    EXPECT_EQ(Load(full), 0);
    EXPECT_EQ(Slownik::Count(), DictionaryCapacity);
    EXPECT_FALSE(Slownik::IsWord("ab"));
}

TEST_F(DictionaryTest, UnopenableFileKeepsTheWords)
{
    ASSERT_EQ(Load(TwoWords), 0);
    EXPECT_EQ(Slownik::LoadFile(Missing().c_str()), 1);
    EXPECT_EQ(Slownik::Count(), 0);
    EXPECT_TRUE(Slownik::IsWord("ab"));
    EXPECT_EQ(Cross("a?"), "bc");
    // A folder opens but cannot be read: refused, nothing changes.
    EXPECT_EQ(Slownik::LoadFile(dir.Path().c_str()), 1);
    EXPECT_TRUE(Slownik::IsWord("ac"));
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
