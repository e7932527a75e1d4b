// Move search benchmark: self-play games between level IV players (fixed
// seed) give the positions; the reference search and FindBestMove are timed
// on every one of them at each level, one after the other, and their chosen
// moves compared. The signature, the sum of the best raw scores per level,
// changes whenever the moves chosen change; the two searches' lines must be
// identical. Then the same positions with two blanks on the rack are timed
// at levels III and IV with the list of the rack's left parts held to 4,096
// and at its full size, their moves compared.
//
//   bench_szukanie [FILE.slo] [GAMES]
//
// Without FILE: the default dictionary and the English one of the data tree.
// GAMES defaults to 60.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/samogra.h"
#include "computer/szukanie.h"
#include "computer/wzorzec.h"
#include "model/slownik.h"
#include "platform/instalacja.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned Seed = 20030923;
constexpr int Players = 2;

struct Times {
    double mean = 0, median = 0, p99 = 0, max = 0;
};

Times Summary(std::vector<double> times)
{
    Times t;
    for (double v : times)
        t.mean += v;
    t.mean /= static_cast<double>(times.size());
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) {
        return times[std::min(times.size() - 1, static_cast<std::size_t>(q * times.size()))];
    };
    t.median = at(0.5);
    t.p99 = at(0.99);
    t.max = times.back();
    return t;
}

// Times search on every position at level; the chosen moves go to moves.
std::vector<double> TimeSearch(void (*search)(), int level, const std::vector<Position>& positions,
                               std::vector<BestMove>& moves)
{
    SearchGame game(level);
    std::vector<double> times;
    times.reserve(positions.size());
    moves.clear();
    for (const Position& p : positions) {
        game.Load(p);
        const auto start = Clock::now();
        search();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        moves.push_back(NajlepszyRuch);
    }
    return times;
}

void PrintTimes(const char* name, const Times& t)
{
    std::printf("  %-9s mean %.3f ms, median %.3f ms, p99 %.3f ms, max %.3f ms\n", name, t.mean,
                t.median, t.p99, t.max);
}

// Positions with two of their rack's tiles (the first two) turned into
// blanks; positions whose rack holds fewer than two tiles are left out.
std::vector<Position> WithTwoBlanks(const std::vector<Position>& positions)
{
    std::vector<Position> blanks;
    for (Position p : positions) {
        int turned = 0;
        for (Tile& t : p.rack.slots)
            if (t && turned < 2) {
                t = BlankTile;
                ++turned;
            }
        if (turned == 2)
            blanks.push_back(p);
    }
    return blanks;
}

int Listed = 0; // searches that listed the rack's left parts

void SearchCountingListed()
{
    FindBestMove();
    Listed += LastSearchListedLeftParts();
}

// Two blanks make many left parts: times FindBestMove with the list of the
// rack's left parts held to a small capacity and with it as large as it is;
// false when a move differs.
bool BenchLeftPartCapacity(const std::vector<Position>& positions)
{
    constexpr int Small = 4096, Large = INT_MAX; // Large: the list's own capacity
    const std::vector<Position> blanks = WithTwoBlanks(positions);
    int differing = 0;
    for (int level = 3; level <= 4; ++level) {
        std::vector<BestMove> before, after;
        LimitListedLeftParts(Small);
        Listed = 0;
        const Times small = Summary(TimeSearch(SearchCountingListed, level, blanks, before));
        const int listedSmall = Listed;
        LimitListedLeftParts(Large);
        Listed = 0;
        const Times large = Summary(TimeSearch(SearchCountingListed, level, blanks, after));
        for (std::size_t k = 0; k < blanks.size(); ++k)
            differing += !SameMove(before[k], after[k]);
        std::printf("two blanks, level %d: %zu positions, left parts listed in %d (4,096) and "
                    "%d (full list)\n",
                    level, blanks.size(), listedSmall, Listed);
        PrintTimes("4,096", small);
        PrintTimes("full", large);
        std::printf("  ratio     mean %.2f, median %.2f, p99 %.2f, max %.2f\n",
                    small.mean / large.mean, small.median / large.median, small.p99 / large.p99,
                    small.max / large.max);
    }
    std::printf("two blanks, moves differing: %d\n\n", differing);
    return differing == 0;
}

// Benchmarks one dictionary; false when it cannot be loaded or a move differs.
bool Bench(const std::string& path, int games)
{
    if (Slownik::LoadFile(path.c_str()) != 0) {
        std::fprintf(stderr, "bench_szukanie: can't load %s\n", path.c_str());
        return false;
    }
    const std::size_t folder = path.rfind(InstallFolder, 0) == 0 ? std::strlen(InstallFolder) : 0;
    std::printf("%s: %d nodes\n", path.c_str() + folder, Slownik::Count());
    const auto t0 = Clock::now();
    const std::vector<Position> positions = PlaySelfPlayGames(games, Players, 4, Seed);
    std::printf("self-play: %d games, %zu positions in %.0f ms\n", games, positions.size(),
                std::chrono::duration<double, std::milli>(Clock::now() - t0).count());

    long signature[2][5] = {};
    int differing = 0;
    for (int level = 1; level <= 4; ++level) {
        std::vector<BestMove> before, after;
        const Times old = Summary(TimeSearch(reference::FindBestMove, level, positions, before));
        const Times now = Summary(TimeSearch(FindBestMove, level, positions, after));
        for (std::size_t k = 0; k < positions.size(); ++k) {
            signature[0][level] += before[k].rawScore;
            signature[1][level] += after[k].rawScore;
            differing += !SameMove(before[k], after[k]);
        }
        std::printf("level %d: %zu positions\n", level, positions.size());
        PrintTimes("reference", old);
        PrintTimes("new", now);
        std::printf("  ratio     mean %.2f, median %.2f, p99 %.2f, max %.2f\n",
                    old.mean / now.mean, old.median / now.median, old.p99 / now.p99,
                    old.max / now.max);
    }
    const char* names[2] = {"reference", "new"};
    for (int s = 0; s < 2; ++s)
        std::printf("signature %-9s I %ld, II %ld, III %ld, IV %ld\n", names[s], signature[s][1],
                    signature[s][2], signature[s][3], signature[s][4]);
    std::printf("moves differing: %d\n\n", differing);
    return BenchLeftPartCapacity(positions) && differing == 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> paths;
    if (argc > 1) {
        paths.push_back(argv[1]);
    } else {
        paths.push_back(std::string(InstallFolder) + "slowniki/PL20030923.slo");
        paths.push_back(std::string(InstallFolder) + "slowniki/angielski.slo");
    }
    const int games = argc > 2 ? std::atoi(argv[2]) : 60;
    InitPlansza(LayoutPath);
    bool ok = true;
    for (const std::string& path : paths)
        ok = Bench(path, games) && ok;
    return ok ? 0 : 1;
}
