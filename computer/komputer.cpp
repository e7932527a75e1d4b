#include "computer/komputer.h"

#include "computer/szukanie.h"

Komputer::Komputer(const char* name, int poziom) : Gracz(name)
{
    computer = 1;
    Poziom = poziom;
}

int Komputer::Ruch()
{
    FindBestMove();
    return NajlepszyRuch.tileCount > 0 ? 0 : 1;
}
