// The game record: the bag, the players and their racks, whose turn it is.
#pragma once

#include <cstdint>

#include "model/litery.h"

constexpr int MaxPlayers = 4;
constexpr int MaxExchanges = 3;      // exchanges a player may make in a game
constexpr int MinBagForExchange = 7; // tiles the bag must hold for an exchange

// Worek: the bag's tiles in positions 0 to tiles left - 1; tiles are drawn
// from the end.
struct Worek {
    Tile tiles[BagSize + 1] = {};
};

// Stojak: a player's rack, 7 slots (0 an empty slot) and a terminating NUL.
// Empty slots may stand between tiles.
struct Stojak {
    Tile slots[8] = {};

    // Puts a tile into the first empty slot; false when the rack is full.
    bool Add(Tile t);
    // The first empty slot, RackSlots when the rack is full.
    int FirstEmpty() const;
    // Number of tiles on the rack.
    int Count() const;
};

// Gracz: a player. Owns its rack and its name.
class Gracz {
public:
    explicit Gracz(const char* name);
    virtual ~Gracz();
    Gracz(const Gracz&) = delete;
    Gracz& operator=(const Gracz&) = delete;

    // Makes the player's move: nothing for a human; 0.
    virtual int Ruch();

    Stojak* rack;
    int score = 0;
    char* name;
    std::uint8_t computer = 0;
    int exchangesUsed = 0;
    int Poziom = 0; // strength 1 to 4 of a computer player
};

// Gra: the record of the running game. Owns its bag and its players.
class Gra {
public:
    Gra() = default;
    ~Gra();
    Gra(const Gra&) = delete;
    Gra& operator=(const Gra&) = delete;

    // Starts the game whose player table the caller has filled with players
    // entries: seeds the random generator, draws the first player, chooses the
    // shown player, fills, shuffles and deals the bag.
    void NewGame(int players, int humans);

    // The steps of NewGame that tests drive on their own.
    // The first human at or after current, else the first before it, else 0.
    int ChooseShown() const;
    // Tiles left = 100 and a new bag in IndeksLitery order (11 'a' ... 2 'X').
    void FillBag();
    // Fills every player's rack, seat 0 first, from its first empty slot up to
    // 7 tiles, each tile drawn from the end of the bag.
    void Deal();

    // Makes the next player current (a human becomes the shown player) and,
    // for a computer, runs its whole turn before returning, so that it
    // returns once the turn has reached a human or the game is over.
    // Defined with the game window, which runs the computer's turn.
    void NextPlayer();

    Worek* bag = nullptr;
    int tilesLeft = 0;
    int players = 0;
    int humans = 0;
    int current = 0;
    int shown = 0;
    int scorelessTurns = 0;
    Gracz* player[MaxPlayers] = {};
    std::uint8_t firstMove = 1;
};

// Whether player may still exchange: fewer than 3 exchanges used and at
// least 7 tiles in the bag.
inline bool MayExchange(const Gra& gra, const Gracz& player)
{
    return player.exchangesUsed < MaxExchanges && gra.tilesLeft >= MinBagForExchange;
}

// Shuffles the tiles left in the game's bag: 10 x tiles-left random swaps.
void ShuffleBag(Gra* gra);

// The running game, or null.
extern Gra* TheGra;
