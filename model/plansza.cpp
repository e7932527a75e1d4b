#include "model/plansza.h"

#include <cstdio>

#include "platform/instalacja.h"

const std::uint8_t BitMask[8] = {1, 2, 4, 8, 16, 32, 64, 128};

Pole Plansza[BoardSpan][BoardSpan];

const char LayoutPath[] = "Program Files\\Venk's Zertanik Dezoze EN\\dane/normalna.pln";

namespace {

void ApplyLayoutChar(Pole& p, std::int8_t c)
{
    switch (c) {
    case '1': p.colourClass = 1; break;
    case '2': p.colourClass = 2; break;
    case '3': p.colourClass = 3; break;
    case '5': p.colourClass = 5; break;
    case '!': p.wordMultiplier = 2; break;
    case '@': p.wordMultiplier = 3; break;
    case 'x':
        p.startFlag = 1;
        p.colourClass = 5;
        break;
    default: break;
    }
}

} // namespace

void InitPlansza(const char* path)
{
    for (auto& column : Plansza)
        for (Pole& p : column)
            p = Pole{};

    std::FILE* f = OpenDataFile(path, "rb");
    if (!f)
        return;
    constexpr int LineBytes = BoardSize + 2;
    std::uint8_t line[LineBytes];
    for (int i = 0; i < BoardSize; ++i) {
        // A short read supplies only the characters it really returned.
        const std::size_t got = std::fread(line, 1, LineBytes, f);
        for (std::size_t j = 0; j < got && j < BoardSize; ++j)
            ApplyLayoutChar(Plansza[j + 1][i + 1], static_cast<std::int8_t>(line[j]));
        if (got < LineBytes)
            break;
    }
    std::fclose(f);
}

void FreePlanszaSets()
{
    for (auto& column : Plansza)
        for (Pole& p : column) {
            p.acrossSet.Clear();
            p.downSet.Clear();
        }
}
