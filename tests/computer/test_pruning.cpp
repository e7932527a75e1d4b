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
#include "model/slownik.h"
#include "tools/kompilator.h"
#include "tests/computer/search_fixture.h"

namespace {

const char OneLetterWords[] = "aiowzu";

std::vector<std::string> RandomWords(unsigned seed)
{
    return AlternatingWords(seed, "aaaeeeiioouy", "bcdfghjklmnprstwzvxq",
                            {2, 2, 3, 3, 3, 4, 4, 5, 6, 7, 8}, 1500);
}

// Compiles words, then makes each of letters a word of its own: the compiler
// keeps no one-letter words, so their top-level nodes get the end-of-word
// mark in the file's bytes.
void LoadWithOneLetterWords(const TempDir& dir, const std::vector<std::string>& words,
                            const std::string& letters)
{
    std::vector<std::uint8_t> bytes = CompileWords(words, false).bytes;
    std::string marked;
    for (std::size_t k = TopLevelList; 5 * k + 4 < bytes.size(); ++k) {
        std::uint8_t& code = bytes[5 * k + 4];
        const bool last = code % 60 > 30;
        const Tile letter = IndexLetter(code % 60 - (last ? 30 : 0));
        if (letters.find(static_cast<char>(letter)) != std::string::npos && code < 60) {
            code += 60;
            marked += static_cast<char>(letter);
        }
        if (last)
            break;
    }
    ASSERT_EQ(marked.size(), letters.size()) << marked;
    ASSERT_EQ(Slownik::LoadFile(dir.Write("words.slo", bytes).c_str()), 0);
    for (const char c : letters)
        ASSERT_TRUE(Slownik::IsWord(std::string(1, c).c_str())) << c;
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
        LoadWithOneLetterWords(dir, RandomWords(seed), OneLetterWords);
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
