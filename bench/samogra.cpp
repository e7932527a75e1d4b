#include "bench/samogra.h"

#include <algorithm>
#include <random>

#include "computer/komputer.h"
#include "computer/szukanie.h"

namespace {

Position Snapshot(const Gra& gra)
{
    Position p;
    for (int x = 0; x < BoardSpan; ++x)
        for (int y = 0; y < BoardSpan; ++y) {
            p.tiles[x][y] = Plansza[x][y].tile;
            p.blankLetters[x][y] = Plansza[x][y].blankLetter;
        }
    p.rack = *gra.player[gra.current]->rack;
    p.firstMove = gra.firstMove;
    return p;
}

void Refill(Gra& gra, Stojak& rack)
{
    while (rack.FirstEmpty() < RackSlots && gra.tilesLeft > 0) {
        rack.Add(gra.bag->tiles[--gra.tilesLeft]);
        gra.bag->tiles[gra.tilesLeft] = 0;
    }
}

void Shuffle(Gra& gra, std::mt19937& rng)
{
    std::shuffle(gra.bag->tiles, gra.bag->tiles + gra.tilesLeft, rng);
}

// Takes the best move into the game: blanks marked on the board, the rack
// rebuilt from the move's letter counts and refilled.
void PlayBestMove(Gra& gra, Gracz& player)
{
    const BestMove& m = NajlepszyRuch;
    for (int k = 0; k < m.blankCount; ++k) {
        Pole& p = Plansza[m.squares[m.blankTiles[k]].x][m.squares[m.blankTiles[k]].y];
        p.blankLetter = p.tile;
        p.tile = BlankTile;
    }
    Stojak& rack = *player.rack;
    rack = Stojak{};
    for (int i = 0; i < LetterIndexCount; ++i)
        for (int n = 0; n < m.rackAfter[i]; ++n)
            rack.Add(IndexLetter(i));
    player.score += m.rawScore;
    Refill(gra, rack);
    gra.firstMove = 0;
}

void Exchange(Gra& gra, Stojak& rack, std::mt19937& rng)
{
    for (int k = 0; k < RackSlots; ++k)
        if (rack.slots[k]) {
            gra.bag->tiles[gra.tilesLeft++] = rack.slots[k];
            rack.slots[k] = 0;
        }
    Shuffle(gra, rng);
    Refill(gra, rack);
}

void PlayGame(int players, int level, std::mt19937& rng, std::vector<Position>& positions)
{
    for (int x = 0; x < BoardSpan; ++x)
        for (int y = 0; y < BoardSpan; ++y)
            Plansza[x][y].tile = Plansza[x][y].blankLetter = 0;
    Gra gra;
    TheGra = &gra;
    gra.players = players;
    for (int k = 0; k < players; ++k)
        gra.player[k] = new Komputer("", level);
    gra.FillBag();
    Shuffle(gra, rng);
    for (int k = 0; k < players; ++k)
        Refill(gra, *gra.player[k]->rack);

    for (;;) {
        Gracz& player = *gra.player[gra.current];
        positions.push_back(Snapshot(gra));
        if (player.Ruch() == 0) {
            PlayBestMove(gra, player);
            gra.scorelessTurns = 0;
            if (player.rack->Count() == 0)
                break;
        } else if (player.exchangesUsed < 3 && gra.tilesLeft >= RackSlots) {
            ++player.exchangesUsed;
            Exchange(gra, *player.rack, rng);
            gra.scorelessTurns = 0;
        } else if (++gra.scorelessTurns >= 2 * players) {
            break;
        }
        gra.current = (gra.current + 1) % players;
    }
    TheGra = nullptr;
}

} // namespace

std::vector<Position> PlaySelfPlayGames(int games, int players, int level, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<Position> positions;
    for (int g = 0; g < games; ++g)
        PlayGame(players, level, rng, positions);
    return positions;
}

SearchGame::SearchGame(int level)
{
    gra_.players = 1;
    gra_.player[0] = new Komputer("", level);
    TheGra = &gra_;
}

SearchGame::~SearchGame() { TheGra = nullptr; }

void SearchGame::Load(const Position& p)
{
    for (int x = 0; x < BoardSpan; ++x)
        for (int y = 0; y < BoardSpan; ++y) {
            Plansza[x][y].tile = p.tiles[x][y];
            Plansza[x][y].blankLetter = p.blankLetters[x][y];
        }
    *gra_.player[0]->rack = p.rack;
    gra_.firstMove = p.firstMove;
}
