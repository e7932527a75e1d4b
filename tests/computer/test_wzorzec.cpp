// The search against the reference search: on self-play positions and on
// random boards (premiums everywhere, words along the edges, racks with one
// and two blanks, dictionaries with one-letter words) both choose the same
// move at every strength, down to the blank indices and the rack left, and
// leave the same board.
#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "bench/samogra.h"
#include "computer/listy.h"
#include "computer/szukanie.h"
#include "computer/wzorzec.h"
#include "model/slownik.h"
#include "tools/kompilator.h"
#include "tests/computer/search_fixture.h"

namespace {

std::vector<std::string> Dictionary(unsigned seed, bool oneLetterWords)
{
    std::vector<std::string> given;
    if (oneLetterWords)
        given = {"a", "i", "o", "w", "z", "u"};
    return AlternatingWords(seed, "aaaeeeiioouy", "bcdfghjklmnprstwzvxq",
                            {2, 2, 3, 3, 3, 4, 4, 5, 6, 7, 8, 9}, 2500, given);
}

// The dictionary file of words, one-letter words included: the compiler
// keeps words of two letters or more, so each one-letter word is marked a
// word's end in the top-level list by hand. A record's last byte is the
// letter's index, +30 on the last of its list, +60 where a word ends.
std::vector<std::uint8_t> DictionaryBytes(const std::vector<std::string>& words)
{
    std::vector<std::uint8_t> bytes = CompileWords(words, false).bytes;
    for (const std::string& w : words) {
        if (w.size() != 1)
            continue;
        bool marked = false;
        for (std::size_t node = TopLevelList; !marked && node * DictionaryRecordBytes < bytes.size();
             ++node) {
            std::uint8_t& code = bytes[node * DictionaryRecordBytes + 4];
            const int last = code % 60 > 30;
            if (code % 60 - 30 * last == LetterIndex(static_cast<Tile>(w[0]))) {
                code = static_cast<std::uint8_t>(code % 60 + 60);
                marked = true;
            }
            if (last)
                break;
        }
        EXPECT_TRUE(marked) << "no word begins with " << w;
    }
    return bytes;
}

void LoadDictionary(const TempDir& dir, const std::vector<std::string>& words)
{
    ASSERT_EQ(Slownik::LoadFile(dir.Write("words.slo", DictionaryBytes(words)).c_str()), 0);
    for (const std::string& w : words)
        ASSERT_TRUE(Slownik::IsWord(w.c_str())) << w;
}

void RandomPremiums(std::mt19937& rng)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int r = static_cast<int>(rng() % 10);
            Pole& p = Plansza[x][y];
            p.wordMultiplier = r == 0 ? 2 : r == 1 ? 3 : 1;
            p.colourClass = r >= 2 && r < 5 ? static_cast<std::int8_t>("\1\2\3\5"[rng() % 4]) : 0;
        }
}

// A board of dictionary words laid at random, crossing or not, many of
// them along the edge rows and columns, some letters as blanks.
Position RandomBoard(std::mt19937& rng, const std::vector<std::string>& words)
{
    Position p;
    p.firstMove = 0;
    const int count = 2 + static_cast<int>(rng() % 8);
    for (int k = 0; k < count; ++k) {
        const std::string& w = words[rng() % words.size()];
        const bool across = rng() % 2;
        const int n = static_cast<int>(w.size());
        const int edge = rng() % 3 == 0 ? 1 : rng() % 3 == 0 ? BoardSize : 0;
        int along = 1 + static_cast<int>(rng() % (BoardSize - n + 1));
        if (rng() % 4 == 0)
            along = BoardSize - n + 1; // ends on the last square
        const int line = edge ? edge : 1 + static_cast<int>(rng() % BoardSize);
        for (int i = 0; i < n; ++i) {
            const int x = across ? along + i : line, y = across ? line : along + i;
            const bool blank = rng() % 12 == 0;
            p.tiles[x][y] = blank ? BlankTile : static_cast<Tile>(w[i]);
            p.blankLetters[x][y] = blank ? static_cast<Tile>(w[i]) : 0;
        }
    }
    return p;
}

// A rack of up to seven tiles with the given number of blanks.
Stojak RandomRack(std::mt19937& rng, int blanks)
{
    static const std::string letters = "aaeeiioouybcdfghjklmnprstwz";
    Stojak rack;
    const int size = 7 - static_cast<int>(rng() % 3);
    for (int k = 0; k < size; ++k)
        rack.slots[k] = k < blanks ? BlankTile : static_cast<Tile>(letters[rng() % letters.size()]);
    std::shuffle(rack.slots, rack.slots + RackSlots, rng);
    return rack;
}

// A compiled dictionary with every sibling list in reverse: the same words,
// its siblings no longer in letter-index order. A record's flags say whether
// it is the last of its list (+30) or ends a word (+60); the compiler only
// points at the start of a list, which stays where it was.
std::vector<std::uint8_t> ReverseSiblingLists(std::vector<std::uint8_t> bytes)
{
    constexpr int Record = DictionaryRecordBytes;
    const int nodes = static_cast<int>(bytes.size()) / Record;
    const auto last = [&](int i) {
        const int c = bytes[i * Record + 4];
        return (c > 60 ? c - 60 : c) > 30;
    };
    const auto flip = [&](int i) { // moves the last-sibling mark on or off
        std::uint8_t& c = bytes[i * Record + 4];
        c = static_cast<std::uint8_t>(last(i) ? c - 30 : c + 30);
    };
    for (int start = 1; start < nodes;) {
        int end = start;
        while (end < nodes - 1 && !last(end))
            ++end;
        flip(end);
        for (int i = start, j = end; i < j; ++i, --j)
            std::swap_ranges(bytes.begin() + i * Record, bytes.begin() + (i + 1) * Record,
                             bytes.begin() + j * Record);
        flip(end);
        start = end + 1;
    }
    return bytes;
}

std::string Describe(const BestMove& b)
{
    std::string s = "tiles";
    for (int k = 0; k < b.tileCount; ++k)
        s += " " + std::to_string(b.squares[k].x) + "," + std::to_string(b.squares[k].y) + "="
             + static_cast<char>(b.letters[k]);
    s += " letters '" + std::string(reinterpret_cast<const char*>(b.letters)) + "'";
    s += " raw " + std::to_string(b.rawScore) + " adjusted " + std::to_string(b.adjustedScore);
    s += " blanks " + std::to_string(b.blankCount);
    for (int k = 0; k < b.blankCount; ++k)
        s += " " + std::to_string(b.blankTiles[k]);
    s += " rack";
    for (int n : b.rackAfter)
        s += " " + std::to_string(n);
    return s;
}

std::vector<Tile> BoardTiles()
{
    std::vector<Tile> t;
    for (const auto& column : Plansza)
        for (const Pole& p : column) {
            t.push_back(p.tile);
            t.push_back(p.blankLetter);
        }
    return t;
}

class SameAsReference : public ::testing::Test {
protected:
    // Searches position at every level with both searches; counts the
    // searches (a position at a level) that found a move.
    void Compare(const Position& position, const std::string& where)
    {
        for (int level = 1; level <= 4; ++level) {
            SearchGame game(level);
            game.Load(position);
            reference::FindBestMove();
            const std::string expected = Describe(NajlepszyRuch);
            const std::vector<Tile> board = BoardTiles();
            game.Load(position);
            FindBestMove();
            ASSERT_EQ(Describe(NajlepszyRuch), expected) << where << " level " << level;
            ASSERT_EQ(BoardTiles(), board) << where << " level " << level;
            found += NajlepszyRuch.tileCount > 0;
            blanksPlayed += NajlepszyRuch.blankCount;
        }
    }

    TempDir dir;
    int found = 0, blanksPlayed = 0, grown = 0;
};

} // namespace

TEST_F(SameAsReference, OnSelfPlayPositions)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        LoadDictionary(dir, Dictionary(seed, seed == 2));
        InitPlansza(SOURCE_DATA_DIR "/dane/normalna.pln");
        const std::vector<Position> positions = PlaySelfPlayGames(4, 2, 4, seed);
        for (std::size_t n = 0; n < positions.size(); ++n)
            Compare(positions[n], "seed " + std::to_string(seed) + " position " + std::to_string(n));
        EXPECT_TRUE(TheSearchGraph.Ready()); // the search's own path, not the reference's
    }
    EXPECT_GE(found, 1000);
    EXPECT_GE(blanksPlayed, 20);
}

TEST_F(SameAsReference, OnRandomBoardsAndRacks)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        const std::vector<std::string> words = Dictionary(seed + 10, seed % 2 == 0);
        LoadDictionary(dir, words);
        std::mt19937 rng(seed);
        ClearBoard();
        RandomPremiums(rng);
        for (int n = 0; n < 150; ++n) {
            Position position = RandomBoard(rng, words);
            position.rack = RandomRack(rng, n % 3);
            Compare(position, "seed " + std::to_string(seed) + " board " + std::to_string(n));
        }
    }
    EXPECT_GE(found, 1500);
    EXPECT_GE(blanksPlayed, 300);
}

// Ties between anchors: two-letter words of a and b on a board of a few such
// tiles give many moves of equal score at different anchors; the move chosen
// is the first in the reference's order whatever order the anchors are
// visited.
TEST_F(SameAsReference, TiesGoToTheFirstInTheReferenceOrder)
{
    LoadWords(dir, {"ab", "ba", "aa", "bb"});
    ClearBoard();
    std::mt19937 rng(3);
    for (int n = 0; n < 100; ++n) {
        Position position;
        position.firstMove = 0;
        for (int k = 0; k < 4; ++k)
            position.tiles[1 + rng() % BoardSize][1 + rng() % BoardSize] = "ab"[rng() % 2];
        position.rack.slots[0] = 'a';
        position.rack.slots[1] = n % 2 ? 'b' : BlankTile;
        Compare(position, "board " + std::to_string(n));
    }
    EXPECT_GE(found, 300);
}

// The search meets a list's letters in letter-index order; where the file
// lists them otherwise a tie at one anchor still goes to the move the
// reference, walking the file's order, meets first.
TEST_F(SameAsReference, OnAGraphWhoseListsRunAgainstLetterOrder)
{
    const std::vector<std::string> words = Dictionary(21, true);
    const std::vector<std::uint8_t> reversed = ReverseSiblingLists(DictionaryBytes(words));
    ASSERT_EQ(Slownik::LoadFile(dir.Write("reversed.slo", reversed).c_str()), 0);
    for (const std::string& w : words)
        ASSERT_TRUE(Slownik::IsWord(w.c_str())) << w;
    // Its first list now starts with the highest letter index.
    EXPECT_GT(LetterIndex(Slownik::Node(TopLevelList).letter),
              LetterIndex(Slownik::Node(TopLevelList + 1).letter));
    std::mt19937 rng(21);
    ClearBoard();
    RandomPremiums(rng);
    for (int n = 0; n < 150; ++n) {
        Position position = RandomBoard(rng, words);
        position.rack = RandomRack(rng, n % 3);
        Compare(position, "board " + std::to_string(n));
    }
    EXPECT_TRUE(TheSearchGraph.Ready());
    EXPECT_GE(found, 500);
}

// A graph whose lists are entered at every sibling: list k's letters lead
// into list k + 1 at their own place in it, so every tail of a list is a list
// of its own. Its letter-indexed copy would pass the copy's size bound; the
// search then runs the reference search, with the same moves.
TEST_F(SameAsReference, OnAGraphTooWideForTheSearchCopy)
{
    constexpr int Letters = 26, Lists = 6000;
    std::vector<std::uint8_t> records(DictionaryRecordBytes, 0); // node 0
    for (int list = 0; list < Lists; ++list)
        for (int k = 0; k < Letters; ++k) {
            std::uint8_t r[DictionaryRecordBytes] = {};
            const bool last = list + 1 == Lists;
            PutChildIndex(last ? 0 : 1 + (list + 1) * Letters + k, r);
            r[4] = static_cast<std::uint8_t>(LetterIndex(static_cast<Tile>('a' + k))
                                             + (k + 1 == Letters ? 30 : 0) + 60);
            records.insert(records.end(), r, r + DictionaryRecordBytes);
        }
    ASSERT_EQ(Slownik::LoadFile(dir.Write("wide.slo", records).c_str()), 0);
    std::mt19937 rng(41);
    ClearBoard();
    for (int n = 0; n < 20; ++n) {
        Position position;
        position.firstMove = n == 0;
        for (int k = 0; k < 5 && n > 0; ++k)
            position.tiles[1 + rng() % BoardSize][1 + rng() % BoardSize] =
                static_cast<Tile>('a' + rng() % Letters);
        position.rack = RandomRack(rng, n % 3);
        Compare(position, "board " + std::to_string(n));
        ASSERT_FALSE(TheSearchGraph.Ready());
    }
    EXPECT_GE(found, 60);
}

// A damaged dictionary whose lists lead back into the top-level list (words
// without end) and through a letter no tile has: both searches still agree.
TEST_F(SameAsReference, OnADictionaryWithCycles)
{
    const std::vector<std::uint8_t> records = {
        0, 0, 0, 0, 0,      // node 0
        0, 0, 0, 4, 1,      // 1: 'a', child list 4
        0, 0, 0, 1, 27,     // 2: 'X', child list 1
        0, 0, 0, 4, 95,     // 3: 'e', end of word, last, child list 4
        0, 0, 0, 1, 62,     // 4: 'b', end of word, child list 1
        0, 0, 0, 0, 91,     // 5: 'a', end of word, last
    };
    ASSERT_EQ(Slownik::LoadFile(dir.Write("cycles.slo", records).c_str()), 0);
    ClearBoard();
    std::mt19937 rng(5);
    RandomPremiums(rng);
    for (int n = 0; n < 150; ++n) {
        Position position;
        position.firstMove = n % 10 == 0;
        for (int k = 0; k < 6; ++k)
            position.tiles[1 + rng() % BoardSize][1 + rng() % BoardSize] = "abe"[rng() % 3];
        for (int k = 0; k < RackSlots; ++k)
            position.rack.slots[k] = "abeX"[rng() % 4];
        Compare(position, "board " + std::to_string(n));
    }
    EXPECT_GE(found, 400);
}

// One-letter words are words too: a lone tile that forms one along its row
// is a candidate of the across pass, met before the same tile's down word and
// before later moves of its score, and risk-adjusted along its row. Racks of at
// most three tiles make such moves the best often: the one-letter words
// change the reference's choice in many searches at levels III and IV, and
// the search still agrees.
TEST_F(SameAsReference, OnADictionaryWithOneLetterWords)
{
    std::vector<std::string> words = Dictionary(51, true);
    for (const char c : std::string("eykmst"))
        words.push_back(std::string(1, c));
    const std::string withThem = dir.Write("with.slo", DictionaryBytes(words));
    const std::string without = dir.Write("without.slo", CompileWords(words, false).bytes);
    std::mt19937 rng(51);
    ClearBoard();
    RandomPremiums(rng);
    int changed[5] = {}; // by level
    for (int n = 0; n < 300; ++n) {
        Position position = RandomBoard(rng, words);
        position.rack = RandomRack(rng, n % 4 == 0);
        std::fill(position.rack.slots + 1 + n % 3, position.rack.slots + RackSlots, 0);
        for (const int level : {3, 4}) {
            SearchGame game(level);
            std::string moves[2];
            for (const std::string* file : {&without, &withThem}) {
                ASSERT_EQ(Slownik::LoadFile(file->c_str()), 0);
                game.Load(position);
                reference::FindBestMove();
                moves[file == &withThem] = Describe(NajlepszyRuch);
            }
            changed[level] += moves[0] != moves[1];
        }
        Compare(position, "board " + std::to_string(n));
    }
    EXPECT_GE(changed[3], 20);
    EXPECT_GE(changed[4], 12);
    EXPECT_GE(found, 1000);
}

// The search keeps each line's cross-check sets for the next search while
// the line's tiles stay: a blank that takes another letter changes them.
TEST_F(SameAsReference, AfterABlankOnTheBoardTakesAnotherLetter)
{
    const std::vector<std::string> words = Dictionary(31, true);
    LoadDictionary(dir, words);
    std::mt19937 rng(31);
    ClearBoard();
    int changed = 0;
    for (int n = 0; n < 100; ++n) {
        Position position = RandomBoard(rng, words);
        position.rack = RandomRack(rng, 0);
        Compare(position, "board " + std::to_string(n));
        for (auto& column : position.blankLetters)
            for (Tile& letter : column)
                if (letter) {
                    letter = static_cast<Tile>('a' + rng() % 26);
                    ++changed;
                }
        Compare(position, "board " + std::to_string(n) + " with other blank letters");
    }
    EXPECT_GE(changed, 100);
    EXPECT_GE(found, 500);
}

// Nothing the search keeps from one dictionary holds for the next: "cb"
// under the 'a' needs "ab" down, so after a change to a dictionary without
// "ab" the same board has no move.
TEST_F(SameAsReference, AfterTheDictionaryChanges)
{
    ClearBoard();
    Position position;
    position.firstMove = 0;
    position.tiles[8][8] = 'a';
    position.rack.slots[0] = 'b';
    position.rack.slots[1] = 'c';
    int expected = 0;
    for (const bool withAb : {true, false, true, false}) {
        LoadWords(dir, withAb ? std::vector<std::string>{"ab", "cb"} : std::vector<std::string>{"cb"});
        Compare(position, withAb ? "with ab" : "without ab");
        expected += withAb ? 4 : 0;
        EXPECT_EQ(found, expected);
    }
}

// Two blanks make more left parts than the search lists once per search; it
// then grows them anchor by anchor, and still agrees. The list is held to
// 4,096 here, which these racks pass as a large dictionary's do the full one.
TEST_F(SameAsReference, RackWithMoreLeftPartsThanAreListed)
{
    const std::vector<std::string> words =
        AlternatingWords(7, "aaaeeeiioouy", "bcdfghjklmnprstwzvxq", {5, 6, 7, 8}, 30000, {});
    LoadWords(dir, words);
    std::mt19937 rng(7);
    ClearBoard();
    RandomPremiums(rng);
    LimitListedLeftParts(4096);
    for (int n = 0; n < 40; ++n) {
        Position position = RandomBoard(rng, words);
        position.rack = RandomRack(rng, 2);
        Compare(position, "board " + std::to_string(n));
        grown += !LastSearchListedLeftParts();
    }
    EXPECT_GE(found, 120);
    EXPECT_GE(grown, 20);
    // A limit below nothing lists nothing: every anchor grows its own.
    LimitListedLeftParts(-1);
    for (int n = 0; n < 5; ++n) {
        Position position = RandomBoard(rng, words);
        position.rack = RandomRack(rng, 2);
        Compare(position, "limit -1, board " + std::to_string(n));
        EXPECT_FALSE(LastSearchListedLeftParts());
    }
    LimitListedLeftParts(INT_MAX);
}
