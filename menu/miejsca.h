// The four player seats: what a seat's type means and the two counts that
// follow from the types.
#pragma once

#include "model/gra.h"

// TypGracza: 0 a human, 1 to 4 a computer of that strength, 5 no player.
constexpr int HumanSeat = 0;
constexpr int NoPlayerSeat = 5;
constexpr int SeatCount = MaxPlayers;

// The name a human seat starts with.
constexpr char DefaultSeatName[] = "Nameless";

constexpr bool ValidSeatType(int type) { return type >= HumanSeat && type <= NoPlayerSeat; }

struct SeatCounts {
    int players = 0; // seats with a player (type not 5)
    int humans = 0;  // human seats (type 0)
};

// The counts of the seat types, as the settings record keeps them. The start
// window keeps its own two counts up to date seat by seat as a seat's picture
// cycles, and START counts the players it creates.
template <typename T>
SeatCounts CountSeats(const T (&types)[SeatCount])
{
    SeatCounts c;
    for (const T t : types) {
        c.players += t != NoPlayerSeat;
        c.humans += t == HumanSeat;
    }
    return c;
}
