// Tura: the game window's record of the turn in progress: the tiles laid on
// the board this turn, the exchange slots, the pending move and its marks,
// and the blank tiles lying on the board.
#pragma once

#include <cstdint>

#include "model/gra.h"
#include "model/litery.h"
#include "model/punkt.h"

constexpr int MaxBlanks = BlankTiles;

struct Tura {
    // Tiles laid this turn, in placing order: 'a'..'z' or 'X' for a blank.
    Tile placedLetters[RackSlots] = {};
    Punkt placedSquares[RackSlots] = {};
    // Letters put into the seven exchange slots; 0 an empty slot.
    Tile exchangeSlots[RackSlots] = {};
    int highlightedExchangeSlot = -1; // empty slot under a dragged tile, -1 none
    int exchangeCount = 0;            // exchange slots holding a letter
    int placedCount = 0;              // 0 to 7
    std::uint8_t pending = 0;         // a submitted move awaits its answer
    std::uint8_t inputEnabled = 0;    // window flag: the current player is the shown one
    int pendingScore = 0;
    std::uint8_t gameOver = 0;        // window flag: set once at the end of the game
    std::uint8_t highlight = 0;       // the pending move's squares carry marks
    // Every blank tile on the board, in the order entered; the first
    // blanksLettered have their letter, entry blanksLettered waits for one.
    int blankCount = 0;
    int blanksLettered = 0;
    Punkt blankSquares[MaxBlanks] = {{-1, -1}, {-1, -1}};

    // The values of a new game window: everything empty and
    // nothing pending; input enabled when the current player is the shown one.
    Tura() = default;
    explicit Tura(const Gra& gra) : inputEnabled(gra.current == gra.shown) {}

    // A blank tile laid on square: it becomes entry blankCount of the blank
    // list (after any blank of an earlier turn). False when the list is full
    // and the blank was not entered.
    bool AddBlank(Punkt square)
    {
        if (blankCount >= MaxBlanks)
            return false;
        blankSquares[blankCount++] = square;
        return true;
    }
    // The blank that waits for its letter: always entry blanksLettered;
    // (-1, -1) when every entry has its letter.
    Punkt AwaitingBlank() const
    {
        return blanksLettered < MaxBlanks ? blankSquares[blanksLettered] : Punkt{-1, -1};
    }

    // The reset at a turn change: the placed list empties unless a move is
    // pending, the exchange slots empty, and input enabled is recomputed. The
    // blank list is kept.
    void ResetForNewTurn(bool currentIsShown)
    {
        if (!pending)
            placedCount = 0;
        for (Tile& t : exchangeSlots)
            t = 0;
        exchangeCount = 0;
        highlightedExchangeSlot = -1;
        inputEnabled = currentIsShown;
    }
    void ResetForNewTurn(const Gra& gra) { ResetForNewTurn(gra.current == gra.shown); }
};
