#include "computer/komputer.h"

Komputer::Komputer(const char* name, int poziom) : Gracz(name)
{
    computer = 1;
    Poziom = poziom;
}

// Until the move search is wired in (computer-player issue): no move found.
int Komputer::Ruch() { return 1; }
