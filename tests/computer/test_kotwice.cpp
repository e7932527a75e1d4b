#include "computer/kotwice.h"

#include <string>
#include <vector>

#include "tests/computer/search_fixture.h"

namespace {

std::vector<std::string> Anchors()
{
    std::vector<std::string> anchors;
    for (int y = 0; y < BoardSpan; ++y)
        for (int x = 0; x < BoardSpan; ++x)
            if (Plansza[x][y].anchor)
                anchors.push_back(std::to_string(x) + "," + std::to_string(y));
    return anchors;
}

} // namespace

TEST_F(SearchTest, AnchorsOnFirstAndLaterMoves)
{
    MarkAnchors(1);
    EXPECT_EQ(Anchors(), std::vector<std::string>{"8,8"});
    // The first move's only anchor is the centre, whatever the board holds.
    PutTiles(3, 3, true, "ab");
    MarkAnchors(1);
    EXPECT_EQ(Anchors(), std::vector<std::string>{"8,8"});

    ClearBoard();
    PutTiles(8, 8, true, "a");
    MarkAnchors(0);
    EXPECT_EQ(Anchors(), (std::vector<std::string>{"8,7", "7,8", "9,8", "8,9"}));

    // Occupied squares are never anchors, nor is the border.
    ClearBoard();
    PutTiles(14, 15, true, "ab");
    MarkAnchors(0);
    EXPECT_EQ(Anchors(), (std::vector<std::string>{"14,14", "15,14", "13,15"}));
}

TEST_F(SearchTest, CrossSets)
{
    Words({"bat", "cat", "oat", "ate", "cut", "cot", "cet", "eb", "aa", "ab", "abcdefghijklmn",
           "abcdefghijklmno", "abcdefghijklmnz"});
    PutTiles(5, 5, false, "at");
    PutTiles(10, 4, false, "c");
    PutTiles(10, 6, false, "t");
    PutTiles(12, 5, false, "E");               // a blank standing for 'e'
    PutTiles(1, 1, false, "abcdefghijklmn");   // rows 1 to 14
    PutTiles(15, 13, false, "cat");            // reaches row 15
    ComputeAcrossCrossSets();
    ComputeDownCrossSets();
    const struct { int x, y; const char* across; const char* down; } cases[] = {
        {5, 4, "bco", "all"},    // ?at
        {5, 7, "e", "all"},      // at?
        {4, 5, "all", "a"},      // ?a along the row
        {6, 5, "all", "ab"},     // a?
        {6, 6, "all", ""},       // t?
        {10, 5, "aeou", "all"},  // c?t
        {12, 6, "b", "all"},     // e?: the blank gives its letter
        {1, 15, "oz", "all"},    // fourteen letters and '?'
        {15, 12, "", "all"},     // ?cat
        {5, 5, "all", "all"},    // occupied
        {8, 8, "all", "all"},    // no neighbour
        {15, 16, "", ""},        // the border, below a word on row 15
        {16, 15, "", ""},
        {0, 0, "", ""},
        {1, 0, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SetLetters(Plansza[c.x][c.y].acrossSet.Word()), c.across) << c.x << "," << c.y;
        EXPECT_EQ(SetLetters(Plansza[c.x][c.y].downSet.Word()), c.down) << c.x << "," << c.y;
    }
}

TEST_F(SearchTest, RackCount)
{
    Rack("aXa.b.z");
    CountRackLetters();
    for (int i = 0; i < LetterIndexCount; ++i) {
        const Tile c = IndexLetter(i);
        const int expected = c == 'a' ? 2 : c == 'b' || c == 'z' || c == BlankTile ? 1 : 0;
        EXPECT_EQ(Szukanie.rack[i], expected) << i;
    }
    TheGra = nullptr;
    CountRackLetters();
    for (int i = 0; i < LetterIndexCount; ++i)
        EXPECT_EQ(Szukanie.rack[i], 0);
}
