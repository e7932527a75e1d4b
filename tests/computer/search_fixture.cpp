#include "tests/computer/search_fixture.h"

#include <cctype>
#include <random>
#include <set>

#include "model/slownik.h"
#include "tools/kompilator.h"

void LoadWords(const TempDir& dir, const std::vector<std::string>& words)
{
    const CompiledDictionary d = CompileWords(words, false);
    ASSERT_EQ(Slownik::LoadFile(dir.Write("words.slo", d.bytes).c_str()), 0);
}

std::vector<std::string> AlternatingWords(unsigned seed, const std::string& vowels,
                                          const std::string& consonants,
                                          const std::vector<int>& lengths, std::size_t count,
                                          std::vector<std::string> given)
{
    std::mt19937 rng(seed);
    std::set<std::string> words(given.begin(), given.end());
    while (words.size() < count) {
        const int length = lengths[rng() % lengths.size()];
        bool vowel = rng() % 2;
        std::string w;
        for (int i = 0; i < length; ++i) {
            const std::string& pool = vowel ? vowels : consonants;
            w.push_back(pool[rng() % pool.size()]);
            if (rng() % 4)
                vowel = !vowel;
        }
        words.insert(w);
    }
    return {words.begin(), words.end()};
}

void ClearBoard()
{
    for (auto& column : Plansza)
        for (Pole& p : column)
            p = Pole{};
}

void PutTiles(int x, int y, bool across, const std::string& letters)
{
    for (char c : letters) {
        Pole& p = Plansza[x][y];
        const bool blank = std::isupper(static_cast<unsigned char>(c));
        p.tile = blank ? BlankTile : static_cast<Tile>(c);
        p.blankLetter = blank ? static_cast<Tile>(std::tolower(static_cast<unsigned char>(c))) : 0;
        (across ? x : y) += 1;
    }
}

std::string SetLetters(LetterBits set)
{
    if (set == AllLetterBits)
        return "all";
    std::string s;
    for (int i = 0; i < LetterSetBits; ++i)
        if (set >> i & 1) {
            const Tile c = IndexLetter(i);
            s += c >= 'a' && c <= 'z' ? static_cast<char>(c) : '#';
        }
    return s;
}

SearchTest::SearchTest()
{
    ClearBoard();
    player = new Komputer("cpu", 3);
    gra.players = 1;
    gra.player[0] = player;
    gra.firstMove = 0;
    TheGra = &gra;
}

SearchTest::~SearchTest() { TheGra = nullptr; }

void SearchTest::Rack(const std::string& tiles)
{
    *player->rack = Stojak{};
    for (std::size_t k = 0; k < tiles.size() && k < RackSlots; ++k)
        player->rack->slots[k] = tiles[k] == '.' ? 0 : static_cast<Tile>(tiles[k]);
}

std::string SearchTest::BestTiles()
{
    std::string s;
    for (int k = 0; k < NajlepszyRuch.tileCount; ++k) {
        if (k)
            s += ' ';
        s += std::to_string(NajlepszyRuch.squares[k].x) + "," +
             std::to_string(NajlepszyRuch.squares[k].y) + "=" +
             static_cast<char>(NajlepszyRuch.letters[k]);
    }
    return s;
}
