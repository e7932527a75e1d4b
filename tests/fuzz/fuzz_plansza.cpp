// The board layout reader on any file: whatever it reads, the board it builds
// is a valid empty board. A well-formed layout made from the input's bytes
// (15 lines of 15 layout characters, each ended by CR LF) must give exactly
// the premiums of its characters.
#include <string>

#include "model/plansza.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

InputFile input;

void CheckValidEmptyBoard()
{
    for (int x = 0; x < BoardSpan; ++x)
        for (int y = 0; y < BoardSpan; ++y) {
            const Pole& p = Plansza[x][y];
            FUZZ_CHECK(p.tile == 0 && p.blankLetter == 0 && p.anchor == 0);
            FUZZ_CHECK(p.colourClass == 0 || p.colourClass == 1 || p.colourClass == 2
                       || p.colourClass == 3 || p.colourClass == 5);
            FUZZ_CHECK(p.wordMultiplier >= 1 && p.wordMultiplier <= 3);
            FUZZ_CHECK(p.startFlag == 0 || p.colourClass == 5);
            // A square carries a letter premium or a word premium, not both.
            FUZZ_CHECK(p.colourClass == 0 || p.wordMultiplier == 1);
            const bool border = x == 0 || y == 0 || x == BoardSpan - 1 || y == BoardSpan - 1;
            if (border) {
                FUZZ_CHECK(p.colourClass == 0 && p.wordMultiplier == 1 && p.startFlag == 0);
                FUZZ_CHECK(p.acrossSet.Empty() && p.downSet.Empty());
            }
        }
}

// The layout characters, and a few that mean a plain square.
constexpr char Characters[] = "12355!@x.-#a";

struct Expected {
    int colourClass = 0, multiplier = 1, start = 0;
};

Expected Meaning(char c)
{
    switch (c) {
    case '1': return {1, 1, 0};
    case '2': return {2, 1, 0};
    case '3': return {3, 1, 0};
    case '5': return {5, 1, 0};
    case '!': return {0, 2, 0};
    case '@': return {0, 3, 0};
    case 'x': return {5, 1, 1};
    default: return {};
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceReaderMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InitPlansza(input.Put(data, size));
    CheckValidEmptyBoard();
    if (size == 0)
        return 0;

    std::string layout;
    for (int i = 0; i < BoardSize; ++i) {
        for (int j = 0; j < BoardSize; ++j)
            layout += Characters[data[(i * BoardSize + j) % size] % (sizeof Characters - 1)];
        layout += "\r\n";
    }
    InitPlansza(input.Put(reinterpret_cast<const std::uint8_t*>(layout.data()), layout.size()));
    CheckValidEmptyBoard();
    for (int i = 0; i < BoardSize; ++i)
        for (int j = 0; j < BoardSize; ++j) {
            const Expected e = Meaning(layout[i * (BoardSize + 2) + j]);
            const Pole& p = Plansza[j + 1][i + 1];
            FUZZ_CHECK(p.colourClass == e.colourClass && p.wordMultiplier == e.multiplier
                       && p.startFlag == e.start);
        }
    return 0;
}
