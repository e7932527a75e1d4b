// Self-play: games between computer players on the current Plansza layout
// and dictionary, with a seeded bag, and the positions their searches saw.
//
// A plain driver, not the game's turn flow: the best move is laid (blanks
// marked), the rack rebuilt from the move and refilled from the bag; with no
// move the player exchanges his whole rack while he may, else passes. A game
// ends when a player goes out with the bag empty or after twice as many
// scoreless turns in a row as there are players.
#pragma once

#include <cstdint>
#include <vector>

#include "model/gra.h"
#include "model/plansza.h"

// A position before a search: the tiles on the board, the rack to move and
// whether it is the first move.
struct Position {
    Tile tiles[BoardSpan][BoardSpan] = {};
    Tile blankLetters[BoardSpan][BoardSpan] = {};
    Stojak rack;
    std::uint8_t firstMove = 1;
};

// Plays games of players computer players of the given level, one after
// another from a bag shuffled by seed; returns every position searched.
std::vector<Position> PlaySelfPlayGames(int games, int players, int level, unsigned seed);

// A running game of one computer player of the given level, set as TheGra
// for as long as it lives, to search positions in.
class SearchGame {
public:
    explicit SearchGame(int level);
    ~SearchGame();
    SearchGame(const SearchGame&) = delete;
    SearchGame& operator=(const SearchGame&) = delete;

    // Puts position p on Plansza (premiums stay) and its rack on the player.
    void Load(const Position& p);
    Gracz& Player() { return *gra_.player[0]; }
    Gra& Game() { return gra_; }

private:
    Gra gra_;
};
