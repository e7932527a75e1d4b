#include "model/litery.h"

namespace {

// Index order: 'a'..'u', then 'w' before 'v', 'x', 'y', 'z', and the three
// capitals of which only 'X' (the blank) carries tiles.
constexpr char IndexOrder[LetterIndexCount] = {0,   'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i',
                                               'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r', 's',
                                               't', 'u', 'w', 'v', 'x', 'y', 'z', 'X', 'Y', 'Z'};

struct Tables {
    std::uint8_t index[256] = {};
    std::uint8_t count[256] = {};
    std::uint8_t value[256] = {};
    constexpr Tables()
    {
        for (int i = 1; i < LetterIndexCount; ++i)
            index[static_cast<std::uint8_t>(IndexOrder[i])] = static_cast<std::uint8_t>(i);
        const struct { const char* letters; std::uint8_t n; } counts[] = {
            {"a", 11}, {"e", 9}, {"i", 7}, {"o", 6}, {"nz", 5}, {"rsvwy", 4},
            {"cdklmpt", 3}, {"bghjquX", 2}, {"fx", 1}};
        for (const auto& c : counts)
            for (const char* p = c.letters; *p; ++p)
                count[static_cast<std::uint8_t>(*p)] = c.n;
        const struct { const char* letters; std::uint8_t v; } values[] = {
            {"aeinorswz", 1}, {"cdklmptvy", 2}, {"bghju", 3}, {"fqx", 5}};
        for (const auto& v : values)
            for (const char* p = v.letters; *p; ++p)
                value[static_cast<std::uint8_t>(*p)] = v.v;
    }
};

constexpr Tables T;

} // namespace

int LetterIndex(Tile c) { return T.index[c]; }

Tile IndexLetter(int index)
{
    return index >= 1 && index < LetterIndexCount ? static_cast<Tile>(IndexOrder[index]) : 0;
}

Tile TileFaceChar(Tile c)
{
    if (IsLetterTile(c))
        return static_cast<Tile>(c - 'a' + 'A');
    switch (c) {
    case 'X': return ' ';
    case 'Y': return 'y';
    case 'Z': return 'z';
    default: return 0;
    }
}

int InitialLetterCount(Tile c) { return T.count[c]; }

int LetterValue(Tile c) { return T.value[c]; }
