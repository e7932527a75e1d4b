#include "computer/szukanie.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "model/slownik.h"
#include "tests/computer/search_fixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Only the tiles and blank letters of the board.
std::vector<int> Tiles()
{
    std::vector<int> t;
    for (const auto& column : Plansza)
        for (const Pole& p : column) {
            t.push_back(p.tile);
            t.push_back(p.blankLetter);
        }
    return t;
}

} // namespace

TEST_F(SearchTest, NoMoveLeavesTheBoard)
{
    Words({"bb"});
    PutTiles(8, 8, true, "a");
    Rack("ab");
    const std::vector<int> before = Tiles();
    EXPECT_EQ(player->Ruch(), 1);
    EXPECT_EQ(NajlepszyRuch.tileCount, 0);
    EXPECT_EQ(NajlepszyRuch.rawScore, 0);
    EXPECT_EQ(Tiles(), before);

    // No running game: no move either.
    Words({"ab"});
    TheGra = nullptr;
    FindBestMove();
    EXPECT_EQ(NajlepszyRuch.tileCount, 0);
    EXPECT_EQ(Tiles(), before);
}

TEST_F(SearchTest, NoMoveBeforeAnyDictionaryIsLoaded)
{
    // Run in a fresh copy of this program, where no dictionary was ever
    // loaded: the graph is all zero nodes and its loaded part empty.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            FirstMove(true);
            Rack("abcdeXX");
            const std::vector<int> before = Tiles();
            const bool none = Slownik::Limit() == 0 && player->Ruch() == 1
                              && NajlepszyRuch.tileCount == 0;
            std::exit(none && Tiles() == before ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(SearchTest, MoveFoundIsLaidOnTheBoard)
{
    Words({"ab"});
    FirstMove(true);
    Rack("ba");
    EXPECT_EQ(player->Ruch(), 0);
    // Of equal scores the across word, found first, is played.
    EXPECT_EQ(BestTiles(), "8,8=a 9,8=b");
    EXPECT_EQ(NajlepszyRuch.rawScore, 4);
    EXPECT_EQ(NajlepszyRuch.letters[2], 0);
    EXPECT_EQ(Plansza[8][8].tile, 'a');
    EXPECT_EQ(Plansza[9][8].tile, 'b');
}

TEST_F(SearchTest, PrefixOnTheBoardBeginsTheWord)
{
    Words({"cat", "at"});
    PutTiles(3, 5, true, "ca");
    Rack("t");
    FindBestMove();
    EXPECT_EQ(BestTiles(), "5,5=t");
    EXPECT_EQ(NajlepszyRuch.rawScore, 5);
}

TEST_F(SearchTest, WordsEndingOnTheLastSquare)
{
    const struct { int x, y; const char* tiles; } cases[] = {
        {14, 15, "15,15=b"}, // along row 15 to column 15
        {15, 14, "15,15=b"}, // down column 15 to row 15
    };
    Words({"ab"});
    Rack("b");
    for (const auto& c : cases) {
        ClearBoard();
        PutTiles(c.x, c.y, true, "a");
        FindBestMove();
        EXPECT_EQ(BestTiles(), c.tiles) << c.x << "," << c.y;
        EXPECT_EQ(NajlepszyRuch.rawScore, 4);
    }
}

TEST_F(SearchTest, WordFinalNodesWithoutChildLists)
{
    // "ab" and "ac" as a file whose word-final nodes have no child list.
    const Bytes twoWords = {0, 0, 0, 0, 0x00, 0, 0, 0, 2, 0x1F, 0, 0, 0, 0, 0x3E, 0, 0, 0, 0, 0x5D};
    ASSERT_EQ(Slownik::LoadFile(dir.Write("two.slo", twoWords).c_str()), 0);
    PutTiles(8, 8, true, "a");
    Rack("c");
    EXPECT_EQ(player->Ruch(), 0);
    EXPECT_EQ(BestTiles(), "9,8=c");
    EXPECT_EQ(NajlepszyRuch.rawScore, 3);
}

TEST_F(SearchTest, OnlyLettersAreEverPlaced)
{
    // Top-level nodes of letter 0, 'X', 'Y', 'Z' and 'b', each followed by a
    // word-final 'a': only "ba" has a letter a tile can carry.
    const Bytes file = {0, 0, 0, 0, 0,        0, 0, 0, 6, 0,          0, 0, 0, 6, 27,
                        0, 0, 0, 6, 28,       0, 0, 0, 6, 29,         0, 0, 0, 6, 2 + 30,
                        0, 0, 0, 0, 1 + 90};
    ASSERT_EQ(Slownik::LoadFile(dir.Write("odd.slo", file).c_str()), 0);
    FirstMove(true);
    Rack("Xa");
    FindBestMove();
    EXPECT_EQ(BestTiles(), "8,8=b 9,8=a");
    EXPECT_EQ(NajlepszyRuch.blankCount, 1);
    EXPECT_EQ(NajlepszyRuch.blankTiles[0], 0);
}

TEST_F(SearchTest, Blanks)
{
    const struct {
        const char* words;
        const char* rack;
        const char* tiles;
        int raw, blanks, blank0, blank1;
        int rackAfterB;      // counter of 'b' after the move
    } cases[] = {
        // A letter tile while one is left, then the blank; the blank counts 0.
        {"aa", "aX", "8,8=a 9,8=a", 1, 1, 1, -1, 0},
        {"aa", "abX", "8,8=a 9,8=a", 1, 1, 1, -1, 1},
        // Two blanks: indices in increasing order.
        {"abc", "XXb", "8,8=a 9,8=b 10,8=c", 3, 2, 0, 2, 0},
    };
    FirstMove(true);
    for (const auto& c : cases) {
        ClearBoard();
        Words({c.words});
        Rack(c.rack);
        FindBestMove();
        EXPECT_EQ(BestTiles(), c.tiles) << c.rack;
        EXPECT_EQ(NajlepszyRuch.rawScore, c.raw) << c.rack;
        EXPECT_EQ(NajlepszyRuch.blankCount, c.blanks) << c.rack;
        EXPECT_EQ(NajlepszyRuch.blankTiles[0], c.blank0) << c.rack;
        if (c.blank1 >= 0) {
            EXPECT_EQ(NajlepszyRuch.blankTiles[1], c.blank1) << c.rack;
        }
        for (int i = 0; i < LetterIndexCount; ++i)
            EXPECT_EQ(NajlepszyRuch.rackAfter[i], IndexLetter(i) == 'b' ? c.rackAfterB : 0)
                << c.rack << " " << i;
        // The search state is the rack again, with no blank in use.
        EXPECT_EQ(Szukanie.blanksInUse, 0);
        EXPECT_EQ(Szukanie.blankPositions[0], -1);
        EXPECT_EQ(Szukanie.blankPositions[1], -1);
        for (int i = 0; i < LetterIndexCount; ++i)
            EXPECT_EQ(Szukanie.rack[i],
                      std::count(c.rack, c.rack + std::strlen(c.rack), IndexLetter(i)))
                << c.rack << " " << i;
        // The best move's blanks go on the board as plain letters.
        EXPECT_EQ(Plansza[8][8].tile, 'a');
        EXPECT_EQ(Plansza[8][8].blankLetter, 0);
    }
}

TEST_F(SearchTest, StrengthLevels)
{
    const struct {
        std::vector<std::string> words; // on a plain first move, found in this order
        const char* rack;
        int level, raw;
    } cases[] = {
        {{"ab", "cf", "fbe"}, "abcfe", 1, 7},   // 4, 7, 9: the first above 5
        {{"ab", "cf", "fbe"}, "abcfe", 2, 9},   // none above 14: the best
        {{"ab", "cf", "fbe"}, "abcfe", 3, 9},
        {{"bfxe", "hfxd", "qfxhd"}, "bfxehdq", 2, 15}, // 14 goes on, 15 stops
        {{"bfxe", "hfxd", "qfxhd"}, "bfxehdq", 3, 20},
        {{"bfxe", "hfxd", "qfxhd"}, "bfxehdq", 1, 14},
    };
    FirstMove(true);
    for (const auto& c : cases) {
        ClearBoard();
        Words(c.words);
        Rack(c.rack);
        Level(c.level);
        FindBestMove();
        EXPECT_EQ(NajlepszyRuch.rawScore, c.raw) << c.words[0] << " level " << c.level;
    }
}

TEST_F(SearchTest, LevelFourRanksByTheAdjustedScore)
{
    // Row 5 gives "efxqd" first, 18; row 10 gives "hofxqa" later, 20, but its
    // first square has an empty triple word square above it: 15.
    Words({"efxqd", "hofxqa"});
    PutTiles(8, 5, true, "e");
    PutTiles(8, 10, true, "o");
    Plansza[7][9].wordMultiplier = 3;
    Rack("fxqdha");
    const struct { int level; const char* tiles; int raw, adjusted; } cases[] = {
        {4, "9,5=f 10,5=x 11,5=q 12,5=d", 18, 18},
        {3, "7,10=h 9,10=f 10,10=x 11,10=q 12,10=a", 20, 15},
    };
    for (const auto& c : cases) {
        Level(c.level);
        FindBestMove();
        EXPECT_EQ(BestTiles(), c.tiles) << c.level;
        EXPECT_EQ(NajlepszyRuch.rawScore, c.raw) << c.level;
        EXPECT_EQ(NajlepszyRuch.adjustedScore, c.adjusted) << c.level;
        for (int k = 0; k < NajlepszyRuch.tileCount; ++k)
            Plansza[NajlepszyRuch.squares[k].x][NajlepszyRuch.squares[k].y].tile = 0;
    }
}

TEST_F(SearchTest, LateSevenTileWordIsNotPrunedAway)
{
    // "efxq" along row 2 over a triple word square scores 48 first; the later
    // "eabcdfxq" down column 9 scores only 24 in letters but 74 with all
    // seven tiles.
    Words({"efxq", "eabcdfxq"});
    PutTiles(9, 2, true, "e");
    Plansza[10][2].wordMultiplier = 3;
    Rack("abcdfxq");
    FindBestMove();
    EXPECT_EQ(NajlepszyRuch.rawScore, 74);
    EXPECT_EQ(NajlepszyRuch.tileCount, 7);
    EXPECT_EQ(NajlepszyRuch.squares[6], (Punkt{9, 9}));
}
