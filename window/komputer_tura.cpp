// A computer player's whole turn, run at once when the turn reaches it:
// answer the pending move by the dictionary, then play the search's best
// move, or exchange, or pass, through the same operations a human uses.
#include "computer/stan_szukania.h"
#include "model/gra.h"
#include "model/plansza.h"
#include "window/graframe.h"

namespace {

// Letters worth 2 or more: what a computer without a move exchanges first.
bool WorthExchanging(Tile t) { return t != BlankTile && LetterValue(t) >= 2; }

// Takes the best move into the turn record: its tiles as the placed list,
// its blanks marked on the board and entered, lettered, in the blank list;
// the rack rebuilt from the move's letter counts, packed at the front.
void TakeBestMove(Tura& t, Stojak& rack)
{
    const BestMove& m = NajlepszyRuch;
    t.placedCount = m.tileCount;
    for (int i = 0; i < m.tileCount; ++i) {
        Pole& square = Plansza[m.squares[i].x][m.squares[i].y];
        t.placedSquares[i] = m.squares[i];
        t.placedLetters[i] = m.letters[i];
        for (int b = 0; b < m.blankCount; ++b)
            if (m.blankTiles[b] == i) {
                square.tile = BlankTile;
                square.blankLetter = m.letters[i];
                t.placedLetters[i] = BlankTile;
                if (t.AddBlank(m.squares[i]))
                    ++t.blanksLettered;
            }
    }
    t.pendingScore = m.rawScore;

    Stojak packed;
    int slot = 0;
    for (int i = 0; i < LetterIndexCount; ++i) {
        const Tile letter = IndexLetter(i);
        for (int n = m.rackAfter[i]; letter && n > 0 && slot < RackSlots; --n)
            packed.slots[slot++] = letter;
    }
    rack = packed;
}

// Moves the letters worth 2 or more into the exchange slots; with fewer than
// 2 of them, also whatever rack slots 0 to 3 still hold.
void ChooseExchange(Tura& t, Stojak& rack)
{
    int moved = 0;
    auto move = [&](int k) {
        t.exchangeSlots[moved++] = rack.slots[k];
        rack.slots[k] = 0;
    };
    for (int k = 0; k < RackSlots; ++k)
        if (rack.slots[k] && WorthExchanging(rack.slots[k]))
            move(k);
    if (moved < 2)
        for (int k = 0; k < 4; ++k)
            if (rack.slots[k])
                move(k);
    t.exchangeCount = moved;
}

} // namespace

void ComputerTurn(Gra* game)
{
    GraFrame* frame = TheGraFrame;
    if (!game || !frame)
        return;
    Tura& t = frame->tura;
    if (t.pending && t.placedCount > 0) {
        if (frame->AreAllWordsValid())
            frame->AcceptWord();
        else
            frame->ChallengeWord();
    }
    if (t.gameOver)
        return;

    Gracz& player = *game->player[game->current];
    // A stale best move must never stand for this player's: clear it first,
    // so only a search that found tiles counts as a move.
    NajlepszyRuch = BestMove{};
    Szukanie.candidateCount = 0;
    if (player.Ruch() == 0 && NajlepszyRuch.tileCount > 0) {
        TakeBestMove(t, *player.rack);
        NajlepszyRuch.tileCount = 0;
        NajlepszyRuch.rawScore = 0;
        NajlepszyRuch.blankCount = 0;
        frame->SubmitMove();
        return;
    }
    if (!MayExchange(*game, player)) {
        frame->Pass();
        return;
    }
    ChooseExchange(t, *player.rack);
    frame->Exchange();
    // An exchange refused leaves its letters in the slots and the turn
    // unfinished: the computer passes instead, so the game goes on.
    if (!t.gameOver && t.exchangeCount > 0)
        frame->Pass();
}
