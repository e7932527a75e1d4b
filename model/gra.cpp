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
    for (int k = 0; k < players && k < MaxPlayers; ++k)
        delete player[k];
    delete bag;
}

void ShuffleBag(Gra* gra)
{
    for (int n = 0; n < 10 * gra->tilesLeft; ++n) {
        const int i = std::rand() % gra->tilesLeft;
        const int j = std::rand() % gra->tilesLeft;
        const Tile t = gra->bag->tiles[i];
        gra->bag->tiles[i] = gra->bag->tiles[j];
        gra->bag->tiles[j] = t;
    }
}

void Gra::NewGame(int players_, int humans_)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    std::srand(static_cast<unsigned>(std::rand()));
    firstMove = 1;
    scorelessTurns = 0;
    players = players_;
    humans = humans_;
    current = players > 0 ? std::rand() % players : 0;

    // Shown: the first human at or after current, else before it, else 0.
    shown = 0;
    for (int n = 0; n < players; ++n) {
        const int k = (current + n) % players;
        if (player[k] && !player[k]->computer) {
            shown = k;
            break;
        }
    }
    tilesLeft = BagSize;
    delete bag;
    bag = new Worek;
    int pos = 0;
    for (int index = 1; index < LetterIndexCount; ++index) {
        const Tile letter = IndexLetter(index);
        for (int n = InitialLetterCount(letter); n > 0; --n)
            bag->tiles[pos++] = letter;
    }
    ShuffleBag(this);

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
