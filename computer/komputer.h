// Komputer: a computer player, whose move is the search's best move.
#pragma once

#include "model/gra.h"

class Komputer : public Gracz {
public:
    Komputer(const char* name, int poziom);

    // Runs the move search for this player's rack. 0: the best move is in
    // NajlepszyRuch and its letters lie on Plansza; 1: no move was found.
    int Ruch() override;
};
