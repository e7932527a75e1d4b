#include "model/gra.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

Gra* TheGra = nullptr;

bool Stojak::Add(Tile t)
{
    const int slot = FirstEmpty();
    if (slot >= RackSlots)
        return false;
    slots[slot] = t;
    return true;
}

int Stojak::FirstEmpty() const
{
    int slot = 0;
    while (slot < RackSlots && slots[slot])
        ++slot;
    return slot;
}

int Stojak::Count() const
{
    int n = 0;
    for (int k = 0; k < RackSlots; ++k)
        n += slots[k] != 0;
    return n;
}

Gracz::Gracz(const char* name) : rack(new Stojak), name(strdup(name ? name : "")) {}

Gracz::~Gracz()
{
    delete rack;
    std::free(name);
}

int Gracz::Ruch() { return 0; }

Gra::~Gra()
{
    // Entries past players are unused and null; deleting every non-null entry
    // also releases a table filled for a game whose NewGame never ran.
    for (Gracz*& p : player) {
        delete p; // virtual: a Komputer frees exactly its rack and name once
        p = nullptr;
    }
    delete bag;
}

void ShuffleBag(Gra* gra)
{
    // The bound is read again before each repetition; an empty bag draws no
    // random number (no rand() % 0).
    for (int n = 0; n < 10 * gra->tilesLeft; ++n) {
        const int i = std::rand() % gra->tilesLeft;
        const int j = std::rand() % gra->tilesLeft;
        const Tile t = gra->bag->tiles[i];
        gra->bag->tiles[i] = gra->bag->tiles[j];
        gra->bag->tiles[j] = t;
    }
}

int Gra::ChooseShown() const
{
    // current to players - 1, then 0 to current - 1.
    for (int n = 0; n < players; ++n) {
        const int k = (current + n) % players;
        if (player[k] && !player[k]->computer)
            return k;
    }
    return 0;
}

void Gra::FillBag()
{
    tilesLeft = BagSize;
    delete bag;
    bag = new Worek;
    int pos = 0;
    for (int index = 1; index < LetterIndexCount; ++index) {
        const Tile letter = IndexLetter(index);
        for (int n = InitialLetterCount(letter); n > 0; --n)
            bag->tiles[pos++] = letter;
    }
}

void Gra::Deal()
{
    for (int k = 0; k < players; ++k) {
        if (!player[k])
            continue;
        Stojak& rack = *player[k]->rack;
        while (rack.FirstEmpty() < RackSlots && tilesLeft > 0) {
            const Tile t = bag->tiles[--tilesLeft];
            bag->tiles[tilesLeft] = 0;
            rack.Add(t);
        }
        rack.slots[RackSlots] = 0;
    }
}

void Gra::NewGame(int players_, int humans_)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    std::srand(static_cast<unsigned>(std::rand()));
    firstMove = 1;
    scorelessTurns = 0;
    // A game has 1 to 4 players; any other count is kept inside the player table.
    players = players_ < 0 ? 0 : players_ > MaxPlayers ? MaxPlayers : players_;
    humans = humans_;
    current = players > 0 ? std::rand() % players : 0; // no rand() % 0
    shown = ChooseShown();
    FillBag();
    ShuffleBag(this);
    Deal();
}
