// The turn record: constructor values, the turn reset and the blank list.
#include "window/tura.h"

#include <gtest/gtest.h>

TEST(TurnRecord, ConstructorValues)
{
    const struct { int current, shown; std::uint8_t input; } cases[] = {{1, 1, 1}, {0, 1, 0}};
    for (const auto& c : cases) {
        Gra g;
        g.current = c.current;
        g.shown = c.shown;
        const Tura t(g);
        EXPECT_EQ(t.inputEnabled, c.input);
        EXPECT_EQ(t.placedCount, 0);
        for (int k = 0; k < RackSlots; ++k) {
            EXPECT_EQ(t.placedSquares[k], (Punkt{0, 0}));
            EXPECT_EQ(t.exchangeSlots[k], 0);
        }
        EXPECT_EQ(t.highlightedExchangeSlot, -1);
        EXPECT_EQ(t.exchangeCount, 0);
        EXPECT_EQ(t.pending, 0);
        EXPECT_EQ(t.pendingScore, 0);
        EXPECT_EQ(t.gameOver, 0);
        EXPECT_EQ(t.highlight, 0);
        EXPECT_EQ(t.blankCount, 0);
        EXPECT_EQ(t.blanksLettered, 0);
        EXPECT_EQ(t.blankSquares[0], (Punkt{-1, -1}));
        EXPECT_EQ(t.blankSquares[1], (Punkt{-1, -1}));
    }
}

TEST(TurnRecord, ResetAtATurnChange)
{
    const struct { std::uint8_t pending; bool currentIsShown; int placedAfter; } cases[] = {
        {0, true, 0}, {0, false, 0}, {1, true, 3}, {1, false, 3}};
    for (const auto& c : cases) {
        Tura t;
        t.placedCount = 3;
        t.pending = c.pending;
        t.highlight = c.pending;
        t.pendingScore = 11;
        t.exchangeSlots[0] = 'a';
        t.exchangeSlots[4] = 'X';
        t.exchangeCount = 2;
        t.highlightedExchangeSlot = 2;
        t.inputEnabled = !c.currentIsShown;
        t.blankCount = 1;
        t.blanksLettered = 1;
        t.blankSquares[0] = {4, 5};
        t.ResetForNewTurn(c.currentIsShown);
        EXPECT_EQ(t.placedCount, c.placedAfter) << "pending " << int(c.pending);
        for (Tile s : t.exchangeSlots)
            EXPECT_EQ(s, 0);
        EXPECT_EQ(t.exchangeCount, 0);
        EXPECT_EQ(t.highlightedExchangeSlot, -1);
        EXPECT_EQ(t.inputEnabled, c.currentIsShown);
        EXPECT_EQ(t.pending, c.pending);
        EXPECT_EQ(t.pendingScore, 11);
        EXPECT_EQ(t.blankCount, 1) << "the blank list belongs to the game";
        EXPECT_EQ(t.blanksLettered, 1);
        EXPECT_EQ(t.blankSquares[0], (Punkt{4, 5}));
    }
}

TEST(TurnRecord, BlankListOrder)
{
    // A blank laid and lettered in an earlier turn stays entry 0; a blank laid
    // now becomes entry 1 and is the one that waits for the next letter.
    Tura t;
    t.AddBlank({4, 5});
    EXPECT_EQ(t.AwaitingBlank(), (Punkt{4, 5}));
    ++t.blanksLettered;
    t.ResetForNewTurn(true);
    t.AddBlank({9, 9});
    EXPECT_EQ(t.blankCount, 2);
    EXPECT_EQ(t.blankSquares[0], (Punkt{4, 5}));
    EXPECT_EQ(t.blankSquares[1], (Punkt{9, 9}));
    EXPECT_EQ(t.AwaitingBlank(), (Punkt{9, 9}));
    ++t.blanksLettered;
    EXPECT_EQ(t.AwaitingBlank(), (Punkt{-1, -1}));
    EXPECT_FALSE(t.AddBlank({1, 1})); // never more than the bag's two blanks
    EXPECT_EQ(t.blankCount, 2);
}
