// The dictionary compiler against the loader: a compiled word list answers
// every query exactly as a plain set of its words does.
#include "tools/kompilator.h"

#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/slownik.h"
#include "tools/lista_slow.h"
#include "tests/support/temp_files.h"

namespace {

std::string RandomWord(std::mt19937& rng, const std::string& alphabet, int minLen, int maxLen)
{
    std::uniform_int_distribution<int> len(minLen, maxLen);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string w(static_cast<std::size_t>(len(rng)), ' ');
    for (char& c : w)
        c = alphabet[pick(rng)];
    return w;
}

void LoadCompiled(const TempDir& dir, const CompiledDictionary& d)
{
    ASSERT_TRUE(d.fits);
    ASSERT_EQ(Slownik::LoadFile(dir.Write("c.slo", d.bytes).c_str()), 0);
    ASSERT_EQ(static_cast<std::size_t>(Slownik::Count()), d.nodes);
}

} // namespace

TEST(DictionaryCompiler, FiltersWordsAndLaysOutTheGraph)
{
    const std::vector<std::string> input = {"ab", "ac", "ab", "a", "Ab", "b\xC4\x85", "v", "wv",
                                           "vw", "abcdefghijklmno", "abcdefghijklmnop", ""};
    const CompiledDictionary d = CompileWords(input, false);
    EXPECT_EQ(d.words, 5u); // ab ac wv vw abcdefghijklmno
    EXPECT_EQ(d.longest, 15u);
    ASSERT_GE(d.bytes.size(), 10u);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(d.bytes[k], 0) << "node 0 is a zero record";
    TempDir dir;
    LoadCompiled(dir, d);
    // Top-level list: a, w, v in letter-index order, 'v' last.
    EXPECT_EQ(Slownik::Node(1).letter, 'a');
    EXPECT_EQ(Slownik::Node(2).letter, 'w');
    EXPECT_EQ(Slownik::Node(3).letter, 'v');
    EXPECT_TRUE(Slownik::Node(3).lastSibling);
    for (const char* w : {"ab", "ac", "wv", "vw", "abcdefghijklmno"})
        EXPECT_TRUE(Slownik::IsWord(w)) << w;
    for (const char* w : {"a", "v", "abcdefghijklmnop", "abcdefghijklmn"})
        EXPECT_FALSE(Slownik::IsWord(w)) << w;
    // Word-final leaves carry child index 0; 'w' -> 'v' and 'v' -> 'w' are
    // two lists, not one (sharing itself: SharesIdenticalChildLists).
    int found = 0;
    const int aChildren = Slownik::FindChild('a', 1, found);
    Slownik::FindChild('c', aChildren, found);
    EXPECT_EQ(Slownik::Node(found).firstChild, 0);
    const int wChildren = Slownik::FindChild('w', 1, found);
    const int vChildren = Slownik::FindChild('v', 1, found);
    ASSERT_GT(wChildren, 0);
    ASSERT_GT(vChildren, 0);
    EXPECT_NE(wChildren, vChildren);
    EXPECT_EQ(Slownik::Node(wChildren).letter, 'v');
    EXPECT_TRUE(Slownik::Node(wChildren).lastSibling);
    EXPECT_EQ(Slownik::Node(vChildren).letter, 'w');
    EXPECT_TRUE(Slownik::Node(vChildren).lastSibling);
}

TEST(DictionaryCompiler, ShippedListsKeepWordsWithAVowelAndTheFewWithout)
{
    for (const char* kept : {"ab", "by", "myth", "rhythm", "queue", "sh", "shh", "hm", "hmm",
                             "brr", "psst", "pst", "nth"})
        EXPECT_TRUE(HasVowelOrIsInterjection(kept)) << kept;
    for (const char* dropped : {"kg", "cf", "lbs", "mph", "xxv", "hgt", "bmw", "ctrl", "btw",
                                "cd", "ts", "pwn", "ssh", ""})
        EXPECT_FALSE(HasVowelOrIsInterjection(dropped)) << dropped;
}

TEST(DictionaryCompiler, SharesIdenticalChildLists)
{
    // Every first letter continues with the same two endings: one shared list.
    std::vector<std::string> words;
    for (char c = 'a'; c <= 'z'; ++c) {
        words.push_back(std::string(1, c) + "ix");
        words.push_back(std::string(1, c) + "oz");
    }
    const CompiledDictionary d = CompileWords(words, false);
    EXPECT_EQ(d.nodes, 1u + 26 + 2 + 2); // zero node, 26 letters, {i,o}, {x}, {z}
}

TEST(DictionaryCompiler, RefusesOrTrimsWhatExceedsTheCapacity)
{
    std::mt19937 rng(7);
    std::vector<std::string> words;
    // Random words share little: about 4 nodes each beyond the short prefixes.
    for (int i = 0; i < 80000; ++i)
        words.push_back(RandomWord(rng, "abcdefghijklmnopqrstuvwxyz", 2, 14));
    const CompiledDictionary refused = CompileWords(words, false);
    EXPECT_FALSE(refused.fits);
    EXPECT_GT(refused.nodes, static_cast<std::size_t>(DictionaryCapacity));
    const CompiledDictionary trimmed = CompileWords(words, true);
    EXPECT_TRUE(trimmed.fits);
    EXPECT_LT(trimmed.longest, 14u);
    TempDir dir;
    LoadCompiled(dir, trimmed);
    for (const std::string& w : words)
        EXPECT_EQ(Slownik::IsWord(w.c_str()), w.size() <= trimmed.longest) << w;
}

TEST(DictionaryCompiler, LoadedGraphAnswersLikeAPlainSet)
{
    TempDir dir;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 rng(seed);
        const std::string alphabet = seed % 2 ? "abcvw" : "aeiklnorstvwyz";
        std::set<std::string> plain;
        std::vector<std::string> words;
        const int n = seed % 2 ? 150 : 2000;
        for (int i = 0; i < n; ++i) {
            std::string w = RandomWord(rng, alphabet, 2, seed % 2 ? 6 : 9);
            words.push_back(w);
            plain.insert(w);
        }
        LoadCompiled(dir, CompileWords(words, false));

        for (int i = 0; i < 3000; ++i) {
            const std::string w = RandomWord(rng, alphabet, 1, 10);
            ASSERT_EQ(Slownik::IsWord(w.c_str()), plain.count(w) == 1) << w;
        }
        for (const std::string& w : plain)
            ASSERT_TRUE(Slownik::IsWord(w.c_str())) << w;

        for (int i = 0; i < 3000; ++i) {
            std::string pattern = RandomWord(rng, alphabet, 1, 8);
            std::uniform_int_distribution<std::size_t> at(0, pattern.size() - 1);
            const std::size_t gap = at(rng);
            pattern[gap] = '?';
            ZbiorLiter set;
            Slownik::CrossCheck(pattern.c_str(), set);
            for (int index = 0; index < LetterSetBits; ++index) {
                const Tile letter = index < LetterIndexCount ? IndexLetter(index) : 0;
                bool expected = false;
                if (letter >= 'a' && letter <= 'z') {
                    std::string filled = pattern;
                    filled[gap] = static_cast<char>(letter);
                    expected = plain.count(filled) == 1;
                }
                ASSERT_EQ(set.Has(index), expected) << pattern << " " << char(letter);
            }
        }
    }
}

// The word lister reads back only words of the letters a to z: the nodes no
// tile matches, which a loaded file may repeat and chain (here twelve of
// them, letter 0 and blanks ending a word, each leading to the next), are
// passed over with all below them.
TEST(WordLister, PassesOverNodesNoTileMatches)
{
    std::vector<std::uint8_t> file(5, 0);
    auto node = [&](int child, std::uint8_t code) {
        file.insert(file.end(), {0, 0, static_cast<std::uint8_t>(child >> 8),
                                 static_cast<std::uint8_t>(child), code});
    };
    const int chain = 12;
    for (int r = 1; r <= chain; ++r)
        node(r + 1, r % 2 ? 0 : 27 + 60); // letter 0, or 'X' ending a word
    node(chain + 2, 1 + 30);                                            // 'a', last of the list
    node(0, 2 + 30 + 60);                                               // 'b', a word's end
    TempDir dir;
    ASSERT_EQ(Slownik::LoadFile(dir.Write("c.slo", file).c_str()), 0);
    std::vector<std::string> listed;
    ForEachWord([&](const std::string& w) { listed.push_back(w); });
    EXPECT_EQ(listed, std::vector<std::string>{"ab"});
    EXPECT_EQ(LoopingList(), 0);
}
