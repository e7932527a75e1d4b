// The search against a plain move generator: on positions from self-play
// with a small dictionary, every legal placement of the rack, scored by the
// game's rule, is compared with what the search visits and chooses.
#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "bench/samogra.h"
#include "computer/szukanie.h"
#include "computer/wzorzec.h"
#include "model/punktacja.h"
#include "tests/computer/search_fixture.h"

namespace {

// Words of 2 to 7 letters, mostly alternating vowels and consonants drawn by
// the bag's letter frequencies, so that self-play fills the board.
std::vector<std::string> SmallDictionary()
{
    std::string vowels, consonants;
    for (int c = 'a'; c <= 'z'; ++c)
        for (int n = InitialLetterCount(static_cast<Tile>(c)); n > 0; --n)
            (std::string("aeiouy").find(static_cast<char>(c)) != std::string::npos ? vowels
                                                                                 : consonants)
                .push_back(static_cast<char>(c));
    return AlternatingWords(5, vowels, consonants, {2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 6, 7}, 1500);
}

using Key = std::tuple<bool, int, int, std::string>; // pass, first square, word

struct Move {
    int raw = 0, adjusted = 0;
    std::string tiles; // "x,y=c ..." of the new tiles in word order
};

std::string TileList(const Punkt* squares, const Tile* letters, int count)
{
    std::string s;
    for (int k = 0; k < count; ++k)
        s += (k ? " " : "") + std::to_string(squares[k].x) + "," + std::to_string(squares[k].y) +
             "=" + static_cast<char>(letters[k]);
    return s;
}

int Adjusted(int raw, bool across, int x, int y)
{
    const double factors[4][4] = {{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1.18, 1.16, 1.12},
                                  {1, 1.33, 1.27, 1.19}};
    double factor = 1;
    for (int d = 1; d <= 3; ++d)
        for (int s : {-d, d}) {
            const int sx = across ? x : x + s, sy = across ? y + s : y;
            if (sx < 1 || sx > BoardSize || sy < 1 || sy > BoardSize)
                continue;
            const Pole& p = Plansza[sx][sy];
            if (!p.tile && p.wordMultiplier > 1)
                factor = std::max(factor, factors[p.wordMultiplier][d]);
        }
    return static_cast<int>(raw / factor);
}

// The dictionary's words as a plain set, and by length.
struct Words {
    explicit Words(const std::vector<std::string>& words) : all(words.begin(), words.end())
    {
        for (const std::string& w : words)
            byLength[w.size()].push_back(w);
    }
    std::set<std::string> all;
    std::vector<std::string> byLength[BoardSize + 1];
};

// Every legal placement of the rack: each line, each span whose ends are
// free, each word of its length that fits the old tiles there and whose
// cross words are words, with the rack's tiles assigned in word order (a
// letter tile while one is left, else a blank).
std::map<Key, Move> Oracle(const Words& dictionary, const Stojak& rack, bool firstMove)
{
    int rackCount[LetterIndexCount] = {};
    for (int k = 0; k < RackSlots; ++k)
        if (rack.slots[k])
            ++rackCount[LetterIndex(rack.slots[k])];
    const int tiles = rack.Count();
    const auto letterAt = [](int x, int y) { return static_cast<char>(Plansza[x][y].Letter()); };

    // Whether letter c on the empty square (x, y) makes a word across a
    // line along the row (across) or the column, or has no neighbour there.
    signed char crossCache[2][BoardSpan][BoardSpan][26];
    std::fill(&crossCache[0][0][0][0], &crossCache[0][0][0][0] + sizeof crossCache, -1);
    const auto crossFits = [&](bool across, int x, int y, char c) {
        signed char& known = crossCache[across][x][y][c - 'a'];
        if (known < 0) {
            const int dx = across ? 0 : 1, dy = across ? 1 : 0;
            int fx = x, fy = y;
            while (Plansza[fx - dx][fy - dy].tile)
                fx -= dx, fy -= dy;
            std::string cross;
            for (int cx = fx, cy = fy; (cx == x && cy == y) || Plansza[cx][cy].tile;
                 cx += dx, cy += dy)
                cross += cx == x && cy == y ? c : letterAt(cx, cy);
            known = cross.size() == 1 || dictionary.all.count(cross);
        }
        return known == 1;
    };

    std::map<Key, Move> moves;
    for (const bool across : {true, false})
        for (int line = 1; line <= BoardSize; ++line) {
            const auto square = [&](int i) -> Pole& {
                return across ? Plansza[i][line] : Plansza[line][i];
            };
            for (int a = 1; a <= BoardSize; ++a) {
                if (square(a - 1).tile)
                    continue;
                for (int b = a; b <= BoardSize; ++b) {
                    if (square(b + 1).tile || dictionary.byLength[b - a + 1].empty())
                        continue;
                    int empty = 0;
                    bool contact = firstMove && line == CentreSquare && a <= CentreSquare
                                   && b >= CentreSquare;
                    for (int i = a; i <= b; ++i) {
                        if (square(i).tile)
                            continue;
                        ++empty;
                        const int x = across ? i : line, y = across ? line : i;
                        contact |= !firstMove && (Plansza[x - 1][y].tile || Plansza[x + 1][y].tile
                                                  || Plansza[x][y - 1].tile
                                                  || Plansza[x][y + 1].tile);
                    }
                    if (!empty || empty > tiles || !contact)
                        continue;
                    for (const std::string& w : dictionary.byLength[b - a + 1]) {
                        bool fits = true;
                        int count[LetterIndexCount];
                        std::copy(rackCount, rackCount + LetterIndexCount, count);
                        Punkt squares[RackSlots];
                        Tile letters[RackSlots];
                        bool blank[RackSlots];
                        int n = 0;
                        for (int i = a; i <= b && fits; ++i) {
                            const int x = across ? i : line, y = across ? line : i;
                            const char c = w[i - a];
                            if (Plansza[x][y].tile) {
                                fits = letterAt(x, y) == c;
                                continue;
                            }
                            const int index = LetterIndex(static_cast<Tile>(c));
                            blank[n] = count[index] == 0;
                            int& from = blank[n] ? count[LetterIndex(BlankTile)] : count[index];
                            fits = from-- > 0 && crossFits(across, x, y, c);
                            squares[n] = {x, y};
                            letters[n++] = static_cast<Tile>(c);
                        }
                        if (!fits)
                            continue;
                        for (int k = 0; k < n; ++k) {
                            Pole& p = Plansza[squares[k].x][squares[k].y];
                            p.tile = blank[k] ? BlankTile : letters[k];
                            p.blankLetter = blank[k] ? letters[k] : 0;
                        }
                        Move m;
                        m.raw = ScoreMoveWith(squares, n, InSquareList{squares, n});
                        const int x = across ? a : line, y = across ? line : a;
                        m.adjusted = Adjusted(m.raw, across, x, y);
                        m.tiles = TileList(squares, letters, n);
                        for (int k = 0; k < n; ++k)
                            Plansza[squares[k].x][squares[k].y].tile =
                                Plansza[squares[k].x][squares[k].y].blankLetter = 0;
                        moves[{across, x, y, w}] = m;
                    }
                }
            }
        }
    return moves;
}

// The candidates the search scores, in its order.
struct Visit {
    Key key;
    Move move;
};
std::vector<Visit>* Visits = nullptr;

void RecordVisit(int raw, int adjusted)
{
    const StanSzukania& s = Szukanie;
    Visits->push_back({{s.across != 0, s.startX, s.startY, s.word},
                       {raw, adjusted,
                        TileList(s.candidateSquares, s.candidateLetters, s.candidateCount)}});
}

// The first visit that a search of the given level keeps: the first to score
// strictly more than every one before it, until a level's limit is passed.
const Visit* Chosen(const std::vector<Visit>& visits, int level)
{
    const int stopAbove = level == 1 ? 5 : level == 2 ? 14 : 1 << 30;
    const Visit* best = nullptr;
    int bestScore = 0, bestRaw = 0;
    for (const Visit& v : visits) {
        if (bestRaw > stopAbove)
            break;
        const int score = level == 4 ? v.move.adjusted : v.move.raw;
        if (score > bestScore) {
            best = &v;
            bestScore = score;
            bestRaw = v.move.raw;
        }
    }
    return best;
}

class OracleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        words = SmallDictionary();
        LoadWords(dir, words);
        InitPlansza(SOURCE_DATA_DIR "/dane/normalna.pln");
    }
    void TearDown() override { TheSearchControl = SearchControl{}; }

    TempDir dir;
    std::vector<std::string> words;
};

} // namespace

TEST_F(OracleTest, SearchFindsEveryLegalMoveAndTheBest)
{
    const std::vector<Position> positions = PlaySelfPlayGames(7, 2, 4, 11);
    ASSERT_GE(positions.size(), 200u);
    const Words dictionary(words);
    int withBlank = 0, withMoves = 0;
    for (std::size_t n = 0; n < positions.size(); ++n) {
        const Position& position = positions[n];
        SearchGame game(3);
        game.Load(position);
        const std::map<Key, Move> oracle = Oracle(dictionary, position.rack, position.firstMove);
        withMoves += !oracle.empty();
        withBlank += std::count(position.rack.slots, position.rack.slots + RackSlots, BlankTile) > 0;

        // Level III without pruning visits exactly the legal moves, once each,
        // with the oracle's scores.
        std::vector<Visit> visits;
        Visits = &visits;
        TheSearchControl.prune = false;
        TheSearchControl.onCandidate = RecordVisit;
        reference::FindBestMove();
        TheSearchControl = SearchControl{};
        std::map<Key, Move> visited;
        for (const Visit& v : visits) {
            EXPECT_TRUE(visited.emplace(v.key, v.move).second)
                << "position " << n << ": " << std::get<3>(v.key) << " visited twice";
        }
        ASSERT_EQ(visited.size(), oracle.size()) << "position " << n;
        for (const auto& [key, move] : oracle) {
            const auto it = visited.find(key);
            ASSERT_NE(it, visited.end()) << "position " << n << ": " << std::get<3>(key);
            EXPECT_EQ(it->second.raw, move.raw) << "position " << n << ": " << std::get<3>(key);
            EXPECT_EQ(it->second.adjusted, move.adjusted) << "position " << n;
            EXPECT_EQ(it->second.tiles, move.tiles) << "position " << n;
        }

        int bestRaw = 0, bestAdjusted = 0;
        for (const auto& [key, move] : oracle) {
            bestRaw = std::max(bestRaw, move.raw);
            bestAdjusted = std::max(bestAdjusted, move.adjusted);
        }
        // Every level, with pruning, keeps the move its order and limit choose.
        for (int level = 1; level <= 4; ++level) {
            game.Player().Poziom = level;
            game.Load(position);
            FindBestMove();
            const Visit* chosen = Chosen(visits, level);
            EXPECT_EQ(TileList(NajlepszyRuch.squares, NajlepszyRuch.letters,
                               NajlepszyRuch.tileCount),
                      chosen ? chosen->move.tiles : "")
                << "position " << n << " level " << level;
            if (level == 3) {
                EXPECT_EQ(NajlepszyRuch.rawScore, bestRaw) << "position " << n;
            } else if (level == 4) {
                EXPECT_EQ(NajlepszyRuch.adjustedScore, bestAdjusted) << "position " << n;
            }
        }
    }
    // The positions exercise what they should.
    EXPECT_GE(withMoves, static_cast<int>(positions.size()) * 3 / 4);
    EXPECT_GE(withBlank, 10);
}
