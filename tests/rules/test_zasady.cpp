// The move rules and the score over the turn record and the
// board: line, contact, words and score, and the move status they give.
#include "window/zasady.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/plansza.h"
#include "model/slownik.h"
#include "tests/support/temp_files.h"
#include "tools/kompilator.h"

namespace {

// A tile: its square and character; for a blank 'X' its letter.
struct T {
    int x, y;
    char c;
    char blank = 0;
};

class Rules : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const CompiledDictionary d =
            CompileWords({"ab", "ba", "aba", "abba", "fa", "qa", "abcdefg", "bo", "ob"}, false);
        TempDir dir;
        ASSERT_EQ(Slownik::LoadFile(dir.Write("r.slo", d.bytes).c_str()), 0);
    }

    void SetUp() override
    {
        for (auto& column : Plansza)
            for (Pole& p : column)
                p = Pole{};
    }

    // An empty board and an empty turn, for each case of a table.
    void Fresh()
    {
        SetUp();
        tura = Tura{};
    }

    static void Put(const T& t)
    {
        Plansza[t.x][t.y].tile = static_cast<Tile>(t.c);
        Plansza[t.x][t.y].blankLetter = static_cast<Tile>(t.blank);
    }
    void Old(const std::vector<T>& tiles)
    {
        for (const T& t : tiles)
            Put(t);
    }
    // Lays tiles as this turn's, in placing order.
    void New(const std::vector<T>& tiles)
    {
        for (const T& t : tiles) {
            Put(t);
            tura.placedLetters[tura.placedCount] = static_cast<Tile>(t.c);
            tura.placedSquares[tura.placedCount++] = Punkt{t.x, t.y};
        }
    }

    Tura tura;
};

struct BoardCopy {
    Tile tile[BoardSpan][BoardSpan], blank[BoardSpan][BoardSpan];
    BoardCopy()
    {
        for (int x = 0; x < BoardSpan; ++x)
            for (int y = 0; y < BoardSpan; ++y) {
                tile[x][y] = Plansza[x][y].tile;
                blank[x][y] = Plansza[x][y].blankLetter;
            }
    }
    bool operator==(const BoardCopy& o) const
    {
        return !std::memcmp(tile, o.tile, sizeof tile) && !std::memcmp(blank, o.blank, sizeof blank);
    }
};

} // namespace

TEST_F(Rules, LineAndContact)
{
    const struct {
        const char* name;
        std::vector<T> old, placed;
        bool line, touches;
    } cases[] = {
        {"no tile", {}, {}, true, false},
        {"one tile alone", {}, {{8, 8, 'a'}}, true, false},
        {"one tile by an old one", {{8, 9, 'b'}}, {{8, 8, 'a'}}, true, true},
        {"row gap", {}, {{3, 5, 'a'}, {5, 5, 'b'}}, false, false},
        {"row gap filled by an old tile", {{4, 5, 'b'}}, {{3, 5, 'a'}, {5, 5, 'b'}}, true, true},
        {"column gap", {}, {{7, 3, 'a'}, {7, 5, 'b'}}, false, false},
        {"column gap filled", {{7, 4, 'b'}}, {{7, 5, 'a'}, {7, 3, 'b'}}, true, true},
        {"diagonal", {}, {{3, 5, 'a'}, {4, 6, 'b'}}, false, false},
        {"third tile off the row", {}, {{3, 5, 'a'}, {4, 5, 'b'}, {5, 6, 'a'}}, false, false},
        {"third tile off the column", {}, {{3, 5, 'a'}, {3, 6, 'b'}, {4, 7, 'a'}}, false, false},
        {"third tile off the row, span filled", {}, {{3, 5, 'a'}, {4, 5, 'b'}, {4, 6, 'a'}}, false, false},
        {"third tile off the column, span filled", {}, {{3, 5, 'a'}, {3, 6, 'b'}, {4, 6, 'a'}}, false, false},
        {"two new touching only each other", {}, {{3, 5, 'a'}, {4, 5, 'b'}}, true, false},
        {"old tile diagonal only", {{5, 6, 'a'}}, {{3, 5, 'a'}, {4, 5, 'b'}}, true, false},
        {"placed out of order", {}, {{6, 2, 'a'}, {4, 2, 'b'}, {5, 2, 'a'}}, true, false},
        {"blank at column 1 by an old tile", {{1, 2, 'a'}}, {{1, 1, 'X', 'q'}, {2, 1, 'a'}}, true, true},
        {"column 15, row 15", {{15, 13, 'b'}}, {{15, 15, 'a'}, {15, 14, 'b'}}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        Old(c.old);
        New(c.placed);
        EXPECT_EQ(IsInOneLine(tura), c.line);
        const BoardCopy before;
        EXPECT_EQ(TouchesOldTiles(tura), c.touches);
        EXPECT_TRUE(BoardCopy{} == before) << "the new tiles are put back";
    }
}

TEST_F(Rules, Words)
{
    const struct {
        const char* name;
        std::vector<T> old, placed;
        bool valid;
    } cases[] = {
        {"no tile", {}, {}, true},
        {"single tile without neighbour", {}, {{8, 8, 'q'}}, true},
        {"ab", {}, {{8, 8, 'a'}, {9, 8, 'b'}}, true},
        {"ab down, placed bottom first", {}, {{8, 9, 'b'}, {8, 8, 'a'}}, true},
        {"bb", {}, {{8, 8, 'b'}, {9, 8, 'b'}}, false},
        {"abd: only its prefix ab is a word", {}, {{8, 8, 'a'}, {9, 8, 'b'}, {10, 8, 'd'}}, false},
        {"main word runs on through an old tile", {{6, 8, 'b'}}, {{7, 8, 'b'}, {8, 8, 'a'}}, false},
        {"gap filled: a b [b] a", {{4, 5, 'b'}}, {{3, 5, 'b'}, {2, 5, 'a'}, {5, 5, 'a'}}, true},
        {"one tile joins two old words", {{2, 5, 'a'}, {3, 5, 'b'}, {5, 5, 'a'}}, {{4, 5, 'b'}}, true},
        {"one tile, row word valid, column word not", {{7, 8, 'a'}, {8, 9, 'b'}}, {{8, 8, 'b'}}, false},
        {"one tile, both words valid", {{7, 8, 'a'}, {8, 7, 'a'}}, {{8, 8, 'b'}}, true},
        {"cross word valid", {{9, 7, 'a'}}, {{8, 8, 'a'}, {9, 8, 'b'}}, true},
        {"cross word invalid", {{9, 9, 'b'}}, {{8, 8, 'a'}, {9, 8, 'b'}}, false},
        {"cross word of a column move", {{7, 4, 'o'}}, {{8, 3, 'a'}, {8, 4, 'b'}}, true},
        {"blank reads as its letter", {{9, 8, 'a'}}, {{8, 8, 'X', 'q'}}, true},
        {"blank with no letter yet", {{9, 8, 'a'}}, {{8, 8, 'X', 0}}, false},
        {"column 15 word", {}, {{15, 14, 'b'}, {15, 15, 'a'}}, true},
        {"column 1 word", {}, {{1, 1, 'a'}, {2, 1, 'b'}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        Old(c.old);
        New(c.placed);
        EXPECT_EQ(AreAllWordsValid(tura), c.valid);
    }
    EXPECT_FALSE(IsWordValid(3, 3, true)) << "an empty square holds no word";
}

TEST_F(Rules, Scores)
{
    struct Premium {
        int x, y, colour, mult;
    };
    const struct {
        const char* name;
        std::vector<Premium> premiums;
        std::vector<T> old, placed;
        int score;
    } cases[] = {
        {"no tile", {}, {}, {}, 0},
        {"single tile without neighbour", {{8, 8, 0, 3}}, {}, {{8, 8, 'q'}}, 0},
        {"ab", {}, {}, {{8, 8, 'a'}, {9, 8, 'b'}}, 4},
        {"ab, b on word x3", {{9, 8, 0, 3}}, {}, {{8, 8, 'a'}, {9, 8, 'b'}}, 12},
        {"fa, f on class 5", {{8, 8, 5, 1}}, {}, {{8, 8, 'f'}, {9, 8, 'a'}}, 16},
        {"fa, f on class 5 and word x2", {{8, 8, 5, 2}}, {}, {{8, 8, 'f'}, {9, 8, 'a'}}, 32},
        {"class differs from the value", {{8, 8, 3, 1}}, {}, {{8, 8, 'f'}, {9, 8, 'a'}}, 6},
        {"blank for q on x2, old a", {{8, 8, 0, 2}}, {{9, 8, 'a'}}, {{8, 8, 'X', 'q'}}, 2},
        {"seven tiles", {}, {},
         {{2, 4, 'a'}, {3, 4, 'b'}, {4, 4, 'c'}, {5, 4, 'd'}, {6, 4, 'e'}, {7, 4, 'f'}, {8, 4, 'g'}},
         17 + 50},
        {"premiums under old tiles ignored", {{8, 8, 1, 3}}, {{8, 8, 'a'}}, {{9, 8, 'b'}}, 4},
        {"old premium ignored, new one counts", {{8, 8, 1, 3}, {9, 8, 3, 2}}, {{8, 8, 'a'}},
         {{9, 8, 'b'}}, (1 + 9) * 2},
        {"one tile joins two old words", {{4, 5, 0, 2}}, {{2, 5, 'a'}, {3, 5, 'b'}, {5, 5, 'a'}},
         {{4, 5, 'b'}}, 16},
        {"one tile, row and column words", {}, {{7, 8, 'a'}, {8, 7, 'a'}}, {{8, 8, 'b'}}, 8},
        {"main word and a cross word", {{9, 8, 0, 2}}, {{9, 7, 'a'}}, {{8, 8, 'a'}, {9, 8, 'b'}},
         8 + 8},
        {"six tiles: no bonus", {}, {},
         {{2, 4, 'a'}, {3, 4, 'b'}, {4, 4, 'c'}, {5, 4, 'd'}, {6, 4, 'e'}, {7, 4, 'f'}}, 14},
        {"old tile in the line: its cross word is not the move's", {}, {{4, 5, 'b'}, {4, 4, 'a'}},
         {{3, 5, 'a'}, {5, 5, 'b'}}, 7},
        {"column move placed bottom first", {}, {{8, 2, 'a'}}, {{8, 4, 'a'}, {8, 3, 'b'}}, 5},
        {"column 1", {}, {}, {{1, 7, 'a'}, {2, 7, 'b'}}, 4},
        {"column 15", {{15, 7, 0, 3}}, {}, {{14, 7, 'a'}, {15, 7, 'b'}}, 12},
        {"row 1", {}, {}, {{3, 1, 'a'}, {3, 2, 'b'}, {3, 3, 'a'}, {3, 4, 'b'}}, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        for (const Premium& p : c.premiums) {
            Plansza[p.x][p.y].colourClass = static_cast<std::int8_t>(p.colour);
            Plansza[p.x][p.y].wordMultiplier = static_cast<std::int8_t>(p.mult);
        }
        Old(c.old);
        New(c.placed);
        EXPECT_EQ(ScoreMove(tura), c.score);
    }
}

TEST_F(Rules, WordScoreOfOneWord)
{
    Plansza[5][15].wordMultiplier = 2;
    Old({{5, 13, 'a'}});
    New({{5, 14, 'b'}, {5, 15, 'a'}});
    EXPECT_EQ(ScoreWord(tura, 5, 14, false), 10); // (1 + 3 + 1) x 2, run ends at row 15
    EXPECT_EQ(ScoreWord(tura, 5, 14, true), 3);   // the single letter across
    EXPECT_EQ(ScoreWord(tura, 6, 14, true), 0);   // empty square
}

TEST_F(Rules, MoveStatusByCase)
{
    const char* none = nullptr;
    const struct {
        const char* name;
        bool firstMove;
        int exchangesUsed, exchangeLetters;
        std::vector<T> old, placed;
        const char *hint1, *hint2;
        bool put, exchange, pickLetter;
        const char* caption; // null: left as it is
        int score;           // -1: the pending score stays
    } cases[] = {
        {"nothing laid", false, 0, 0, {{8, 8, 'a'}}, {}, "", "", false, false, false, "Player: Ann", -1},
        {"exchange letters beat the tiles laid", false, 0, 2, {{8, 8, 'a'}}, {{9, 8, 'b'}},
         "Click EXCHANGE to", "change letters", false, true, false, none, -1},
        {"third exchange used", false, 3, 1, {}, {}, "You can only change", "letters 3 times!!!",
         false, false, false, none, -1},
        {"a blank without its letter hides the line rule", false, 0, 0, {},
         {{3, 3, 'X'}, {5, 6, 'a'}}, "Choose a letter", "for blank tile.", false, false, true, none, -1},
        {"not in one line", false, 0, 0, {{8, 8, 'a'}}, {{9, 8, 'b'}, {10, 9, 'a'}},
         "Newly added tiles must", "form a continous line.", false, false, false,
         "Tiles should form a line", -1},
        {"line before contact", false, 0, 0, {{8, 8, 'a'}}, {{2, 2, 'b'}, {3, 3, 'a'}},
         "Newly added tiles must", "form a continous line.", false, false, false,
         "Tiles should form a line", -1},
        {"touching only each other", false, 0, 0, {{8, 8, 'a'}}, {{2, 2, 'a'}, {3, 2, 'b'}},
         "New tiles must be", "adjacent to old ones.", false, false, false,
         "Letters must be connected", -1},
        {"first move off the centre: centre before line", true, 0, 0, {}, {{2, 2, 'a'}, {3, 3, 'b'}},
         "The first word must cross", "the central field", false, false, false, "Not in the center", -1},
        {"first move of one tile", true, 0, 0, {}, {{8, 8, 'a'}}, "The first word must",
         "have at least 2 tiles.", false, false, false, none, -1},
        {"first move not in one line", true, 0, 0, {}, {{8, 8, 'a'}, {9, 9, 'b'}},
         "Newly added tiles must", "form a continous line.", false, false, false,
         "Tiles should form a line", -1},
        {"first move: contact not asked", true, 0, 0, {}, {{8, 8, 'a'}, {9, 8, 'b'}},
         "Click PUT to place word", "Points :4", true, false, false, "Points: 4", 4},
        {"valid move with its lettered blank", false, 0, 0, {{8, 8, 'a'}},
         {{9, 8, 'b'}, {10, 8, 'X', 'a'}}, "Click PUT to place word", "Points :4", true, false,
         false, "Points: 4", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        Old(c.old);
        New(c.placed);
        for (const T& t : c.placed)
            if (t.c == 'X') {
                tura.blankSquares[tura.blankCount++] = Punkt{t.x, t.y};
                tura.blanksLettered += t.blank != 0;
            }
        for (int k = 0; k < c.exchangeLetters; ++k)
            tura.exchangeSlots[k] = 'e';
        tura.exchangeCount = c.exchangeLetters;
        Gra g;
        g.players = 1;
        g.player[0] = new Gracz("Ann");
        g.player[0]->exchangesUsed = c.exchangesUsed;
        g.firstMove = c.firstMove;

        const MoveStatus s = JudgeMoveStatus(tura, &g);
        EXPECT_EQ(s.outcome, MoveStatus::Judged);
        EXPECT_EQ(s.hint1, c.hint1);
        EXPECT_EQ(s.hint2, c.hint2);
        EXPECT_EQ(s.put, c.put);
        EXPECT_EQ(s.exchange, c.exchange);
        EXPECT_EQ(s.pickLetter, c.pickLetter);
        EXPECT_EQ(s.caption.value_or("(kept)"), c.caption ? c.caption : "(kept)");
        EXPECT_EQ(s.score.value_or(-1), c.score);
    }
}

TEST_F(Rules, MoveStatusWithoutAGameOrAfterIt)
{
    EXPECT_EQ(JudgeMoveStatus(tura, nullptr).outcome, MoveStatus::NoGame);
    EXPECT_FALSE(JudgeMoveStatus(tura, nullptr).caption);
    tura.gameOver = 1;
    const MoveStatus s = JudgeMoveStatus(tura, nullptr);
    EXPECT_EQ(s.outcome, MoveStatus::GameOver);
    EXPECT_EQ(s.caption.value_or(""), "Finished");
    EXPECT_FALSE(s.score);
}
