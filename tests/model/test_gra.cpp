// The game record: filling, shuffling and dealing the bag, the first and the
// shown player, and the tiles always adding up to the distribution.
#include "model/gra.h"

#include <cstdlib>
#include <map>
#include <string>

#include <gtest/gtest.h>

namespace {

// A human for 'h', a computer for 'c' (a plain Gracz with the flag set keeps
// this suite below the computer layer).
void Seat(Gra& g, const std::string& seats)
{
    g.players = static_cast<int>(seats.size());
    for (int k = 0; k < g.players; ++k) {
        g.player[k] = new Gracz("p");
        g.player[k]->computer = seats[k] == 'c';
    }
}

// Every tile of the game, bag and racks, by letter.
std::map<Tile, int> AllTiles(const Gra& g)
{
    std::map<Tile, int> n;
    for (int k = 0; k < g.tilesLeft; ++k)
        ++n[g.bag->tiles[k]];
    for (int p = 0; p < g.players; ++p)
        for (int s = 0; s < RackSlots; ++s)
            if (Tile t = g.player[p]->rack->slots[s])
                ++n[t];
    return n;
}

void ExpectDistribution(const Gra& g)
{
    int tiles = 0, points = 0;
    for (const auto& [t, n] : AllTiles(g)) {
        EXPECT_EQ(n, InitialLetterCount(t)) << t;
        tiles += n;
        points += n * LetterValue(t);
    }
    EXPECT_EQ(tiles, BagSize);
    EXPECT_EQ(points, 163);
}

} // namespace

TEST(GameRecord, NewPlayerHasAZeroedRack)
{
    const Gracz g("Ala");
    for (Tile t : g.rack->slots)
        EXPECT_EQ(t, 0);
    EXPECT_EQ(g.rack->FirstEmpty(), 0);
    EXPECT_STREQ(g.name, "Ala");
    EXPECT_EQ(g.score, 0);
    EXPECT_EQ(g.computer, 0);
    EXPECT_EQ(g.exchangesUsed, 0);
}

TEST(GameRecord, FillBagInLetterIndexOrder)
{
    Gra g;
    g.FillBag();
    ASSERT_EQ(g.tilesLeft, 100);
    const std::string bag(reinterpret_cast<const char*>(g.bag->tiles), 100);
    EXPECT_EQ(bag, "aaaaaaaaaaa" "bb" "ccc" "ddd" "eeeeeeeee" "f" "gg" "hh" "iiiiiii" "jj" "kkk"
                   "lll" "mmm" "nnnnn" "oooooo" "ppp" "qq" "rrrr" "ssss" "ttt" "uu" "wwww" "vvvv"
                   "x" "yyyy" "zzzzz" "XX");
    EXPECT_EQ(g.bag->tiles[100], 0);
    ExpectDistribution(g);
}

TEST(GameRecord, DealsFromTheEndSeatZeroFirst)
{
    const struct { int players; int left; } cases[] = {{1, 93}, {2, 86}, {3, 79}, {4, 72}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.players);
        Gra g;
        Seat(g, std::string(static_cast<std::size_t>(c.players), 'h'));
        g.FillBag();
        for (int k = 0; k < 100; ++k) // every tile told apart by position
            g.bag->tiles[k] = static_cast<Tile>(k + 1);
        g.Deal();
        EXPECT_EQ(g.tilesLeft, c.left);
        for (int p = 0; p < c.players; ++p)
            for (int s = 0; s < RackSlots; ++s)
                EXPECT_EQ(g.player[p]->rack->slots[s], 100 - 7 * p - s) << p << "/" << s;
        for (int p = 0; p < c.players; ++p)
            EXPECT_EQ(g.player[p]->rack->slots[RackSlots], 0);
        for (int k = c.left; k <= 100; ++k)
            EXPECT_EQ(g.bag->tiles[k], 0) << k;
    }
}

TEST(GameRecord, DealFillsTheGapsOfAPartlyFilledRack)
{
    Gra g;
    Seat(g, "h");
    g.FillBag();
    Stojak& r = *g.player[0]->rack;
    r.slots[0] = 'k';
    r.slots[2] = 'o';
    const Tile end[5] = {g.bag->tiles[99], g.bag->tiles[98], g.bag->tiles[97], g.bag->tiles[96],
                         g.bag->tiles[95]};
    g.Deal();
    EXPECT_EQ(g.tilesLeft, 95);
    const Tile want[8] = {'k', end[0], 'o', end[1], end[2], end[3], end[4], 0};
    for (int s = 0; s < 8; ++s)
        EXPECT_EQ(r.slots[s], want[s]) << s;
}

TEST(GameRecord, DealStopsAtAnEmptyBag)
{
    Gra g;
    Seat(g, "hh");
    g.FillBag();
    g.tilesLeft = 9;
    g.Deal();
    EXPECT_EQ(g.tilesLeft, 0);
    EXPECT_EQ(g.player[0]->rack->Count(), 7);
    EXPECT_EQ(g.player[1]->rack->Count(), 2);
    EXPECT_EQ(g.player[1]->rack->FirstEmpty(), 2);
}

TEST(GameRecord, ShownPlayer)
{
    const struct { const char* seats; int current; int shown; } cases[] = {
        {"chc", 2, 1}, {"chc", 1, 1}, {"chc", 0, 1}, {"ccc", 1, 0}, {"cccc", 3, 0},
        {"hc", 1, 0},  {"hchh", 1, 2}, {"hchh", 0, 0}, {"cch", 0, 2}, {"h", 0, 0}};
    for (const auto& c : cases) {
        Gra g;
        Seat(g, c.seats);
        g.current = c.current;
        EXPECT_EQ(g.ChooseShown(), c.shown) << c.seats << " current " << c.current;
    }
}

TEST(GameRecord, ShuffleWithOneAndNoTileLeft)
{
    const struct { int left; int draws; } cases[] = {{0, 0}, {1, 20}, {3, 60}};
    for (const auto& c : cases) {
        Gra g;
        g.FillBag();
        for (int k = 0; k < 100; ++k)
            g.bag->tiles[k] = static_cast<Tile>(k + 1);
        g.tilesLeft = c.left;
        std::srand(77);
        for (int k = 0; k < c.draws; ++k)
            std::rand();
        const int next = std::rand();
        std::srand(77);
        ShuffleBag(&g);
        EXPECT_EQ(std::rand(), next) << "tiles left " << c.left << ": 2 draws a swap, 10 x left swaps";
        int sum = 0;
        for (int k = 0; k < c.left; ++k)
            sum += g.bag->tiles[k];
        EXPECT_EQ(sum, c.left * (c.left + 1) / 2) << "a permutation of the tiles left";
        for (int k = c.left; k < 100; ++k)
            EXPECT_EQ(g.bag->tiles[k], k + 1) << "past tiles left nothing moves";
    }
}

TEST(GameRecord, NewGameDealsAndConservesTheTiles)
{
    const struct { const char* seats; int humans; } cases[] = {
        {"h", 1}, {"hc", 1}, {"ccc", 0}, {"hhcc", 2}, {"chc", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seats);
        Gra g;
        Seat(g, c.seats);
        g.firstMove = 0;
        g.scorelessTurns = 3;
        g.NewGame(g.players, c.humans);
        const int n = g.players;
        EXPECT_EQ(g.tilesLeft, 100 - 7 * n);
        EXPECT_EQ(g.humans, c.humans);
        EXPECT_EQ(g.firstMove, 1);
        EXPECT_EQ(g.scorelessTurns, 0);
        EXPECT_GE(g.current, 0);
        EXPECT_LT(g.current, n);
        EXPECT_EQ(g.shown, g.ChooseShown());
        for (int p = 0; p < n; ++p)
            EXPECT_EQ(g.player[p]->rack->Count(), 7);
        ExpectDistribution(g);
    }
}

TEST(GameRecord, NewGameWithNoPlayers)
{
    Gra g;
    g.NewGame(0, 0); // must not draw rand() % 0
    EXPECT_EQ(g.current, 0);
    EXPECT_EQ(g.shown, 0);
    EXPECT_EQ(g.tilesLeft, 100);
    ExpectDistribution(g);
}

TEST(GameRecord, SecondNewGameReplacesTheBag)
{
    Gra g;
    Seat(g, "hc");
    g.NewGame(2, 1);
    for (int p = 0; p < 2; ++p)
        for (int s = 0; s < RackSlots; ++s)
            g.player[p]->rack->slots[s] = 0; // racks emptied by the caller
    g.NewGame(2, 1);
    EXPECT_EQ(g.tilesLeft, 86);
    ExpectDistribution(g);
}
