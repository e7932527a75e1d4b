// Pruning never changes the move chosen: on boards thick with premiums and
// with one-letter words in the dictionary (both stretch the score bound), the
// search with and without pruning picks the same tiles, scores and blanks at
// every strength.
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/samogra.h"
#include "computer/szukanie.h"
#include "computer/wzorzec.h"
#include "tests/computer/search_fixture.h"

namespace {

std::vector<std::string> RandomWords(unsigned seed)
{
    return AlternatingWords(seed, "aaaeeeiioouy", "bcdfghjklmnprstwzvxq",
                            {1, 2, 2, 3, 3, 3, 4, 4, 5, 6, 7, 8}, 1500,
                            {"a", "i", "o", "w", "z", "u"});
}

void RandomPremiums(std::mt19937& rng)
{
    ClearBoard();
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int r = static_cast<int>(rng() % 10);
            Pole& p = Plansza[x][y];
            if (r == 0)
                p.wordMultiplier = 2;
            else if (r == 1)
                p.wordMultiplier = 3;
            else if (r < 5)
                p.colourClass = static_cast<std::int8_t>("\1\2\3\5"[rng() % 4]);
        }
}

std::string Chosen()
{
    const BestMove& b = NajlepszyRuch;
    std::string s;
    for (int k = 0; k < b.tileCount; ++k)
        s += std::to_string(b.squares[k].x) + "," + std::to_string(b.squares[k].y) + "="
             + static_cast<char>(b.letters[k]) + " ";
    s += "raw " + std::to_string(b.rawScore) + " adjusted " + std::to_string(b.adjustedScore);
    for (int k = 0; k < b.blankCount; ++k)
        s += " blank " + std::to_string(b.blankTiles[k]);
    return s;
}

} // namespace

TEST(Pruning, NeverChangesTheChoice)
{
    TempDir dir;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        LoadWords(dir, RandomWords(seed));
        std::mt19937 rng(seed * 77);
        RandomPremiums(rng);
        for (const Position& position : PlaySelfPlayGames(2, 2, 3, seed))
            for (int level = 1; level <= 4; ++level) {
                SearchGame game(level);
                game.Load(position);
                TheSearchControl.prune = false;
                FindBestMove();
                const std::string full = Chosen();
                game.Load(position);
                TheSearchControl.prune = true;
                FindBestMove();
                ASSERT_EQ(Chosen(), full) << "seed " << seed << " level " << level;
            }
    }
}
