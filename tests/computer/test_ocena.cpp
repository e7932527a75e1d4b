#include "computer/ocena.h"

#include <cctype>
#include <string>

#include "tests/computer/search_fixture.h"

namespace {

// Makes Szukanie's candidate: the tiles of letters laid from (x, y) along the
// row or the column, skipping squares that already hold a tile.
void Candidate(int x, int y, bool across, const std::string& letters)
{
    Szukanie.across = across;
    Szukanie.startX = x;
    Szukanie.startY = y;
    Szukanie.candidateCount = 0;
    for (char c : letters) {
        while (Plansza[x][y].tile)
            (across ? x : y) += 1;
        PutTiles(x, y, across, std::string(1, c));
        Szukanie.candidateSquares[Szukanie.candidateCount] = {x, y};
        Szukanie.candidateLetters[Szukanie.candidateCount++] =
            static_cast<Tile>(std::tolower(static_cast<unsigned char>(c)));
    }
}

} // namespace

TEST(CandidateScore, ByTheGameRule)
{
    const struct {
        const char* name;
        const char* old;      // old tiles from (5,8) along the row
        int x;                // first candidate square on row 8
        const char* letters;  // upper case: a blank
        int premiumX, colourClass, wordMultiplier;
        int score;
    } cases[] = {
        {"lone tile", "", 8, "a", 0, 0, 1, 0},
        {"e z a", "e", 6, "za", 0, 0, 1, 3},
        {"z on a triple word square", "e", 6, "za", 6, 0, 3, 9},
        {"an old tile's premium does not count", "e", 6, "za", 5, 0, 3, 3},
        {"f on colour class 5", "e", 6, "f", 6, 5, 1, 16},
        {"seven tiles", "", 6, "abcdefg", 0, 0, 1, 67},
        {"the candidate's blank counts 0", "e", 6, "Z", 6, 0, 3, 3},
        {"an old blank counts 0", "E", 6, "z", 0, 0, 1, 1},
    };
    for (const auto& c : cases) {
        ClearBoard();
        Plansza[c.premiumX][8].colourClass = static_cast<std::int8_t>(c.colourClass);
        Plansza[c.premiumX][8].wordMultiplier = static_cast<std::int8_t>(c.wordMultiplier);
        PutTiles(5, 8, true, c.old);
        Candidate(c.x, 8, true, c.letters);
        EXPECT_EQ(ScoreCandidateMove(), c.score) << c.name;
    }
}

TEST(CandidateScore, CrossWordsOfTheCandidate)
{
    // Column word "be" on (6,7), (6,8) crossed by the candidate "ha" on row 9
    // at (6,9), (7,9), with 'h' on a double word square.
    ClearBoard();
    Plansza[6][9].wordMultiplier = 2;
    PutTiles(6, 7, false, "be");
    Candidate(6, 9, true, "ha");
    EXPECT_EQ(ScoreCandidateWord(6, 9, true), 8);   // (3 + 1) x 2
    EXPECT_EQ(ScoreCandidateWord(6, 9, false), 14); // (3 + 1 + 3) x 2
    EXPECT_EQ(ScoreCandidateWord(9, 9, true), 0);
    EXPECT_EQ(ScoreCandidateMove(), 22);
}

TEST(RiskFactor, Table)
{
    const struct { int multiplier, distance; double factor; } cases[] = {
        {2, 1, 1.18}, {2, 2, 1.16}, {2, 3, 1.12}, {3, 1, 1.33}, {3, 2, 1.27}, {3, 3, 1.19},
        {2, 4, 1.0},  {3, 5, 1.0},  {3, 0, 1.0},  {1, 1, 1.0},  {4, 1, 1.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PremiumRiskFactor(c.multiplier, c.distance), c.factor)
            << c.multiplier << " " << c.distance;
}

TEST(RiskFactor, AdjustedScore)
{
    const struct {
        const char* name;
        bool across;
        int premiums[2][3];   // x, y, multiplier of up to two empty word squares
        int occupiedX, occupiedY;
        int raw, adjusted;
        int startX = 4, startY = 8;
    } cases[] = {
        {"largest factor wins", true, {{4, 6, 3}, {4, 9, 2}}, 0, 0, 40, 31},
        {"occupied squares are passed over", true, {{4, 6, 3}, {4, 9, 2}}, 4, 6, 40, 33},
        {"distance 4", true, {{4, 4, 3}, {0, 0, 1}}, 0, 0, 40, 40},
        {"28 / 1.12 lies just below 25", true, {{4, 11, 2}, {0, 0, 1}}, 0, 0, 28, 24},
        {"across from the last letter only", true, {{8, 7, 3}, {0, 0, 1}}, 0, 0, 40, 40},
        {"down pass scans the row", false, {{3, 8, 3}, {0, 0, 1}}, 0, 0, 40, 30},
        {"down pass ignores the column", false, {{4, 7, 3}, {0, 0, 1}}, 0, 0, 40, 40},
        // On the edge rows and columns the scan keeps to the board: a mark on
        // the border square beyond is never read.
        {"top row", true, {{4, 0, 3}, {4, 3, 2}}, 0, 0, 40, 34, 4, 1},
        {"bottom row", true, {{4, 16, 3}, {4, 13, 2}}, 0, 0, 40, 34, 4, 15},
        {"left column", false, {{0, 8, 3}, {3, 8, 2}}, 0, 0, 40, 34, 1, 8},
        {"right column", false, {{16, 8, 3}, {12, 8, 3}}, 0, 0, 40, 33, 15, 8},
        {"row 15 at distance 1", true, {{4, 15, 3}, {0, 0, 1}}, 0, 0, 40, 30, 4, 14},
        {"column 1 at distance 1", false, {{1, 8, 2}, {0, 0, 1}}, 0, 0, 40, 33, 2, 8},
    };
    for (const auto& c : cases) {
        ClearBoard();
        for (const auto& p : c.premiums)
            Plansza[p[0]][p[1]].wordMultiplier = static_cast<std::int8_t>(p[2]);
        if (c.occupiedX)
            PutTiles(c.occupiedX, c.occupiedY, true, "a");
        Candidate(c.startX, c.startY, c.across, "abcde");
        EXPECT_EQ(RiskAdjustedScore(c.raw), c.adjusted) << c.name;
    }
    Szukanie.candidateCount = 0;
    EXPECT_EQ(RiskAdjustedScore(40), 40);
}
