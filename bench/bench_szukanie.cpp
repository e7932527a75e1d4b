// Move search benchmark: self-play games between level IV players (fixed
// seed) give the positions; FindBestMove is timed on every one of them at
// each level. The signature, the sum of the best raw scores per level,
// changes whenever the moves chosen change.
//
//   bench_szukanie [FILE.slo] [GAMES]   (default: the default dictionary, 60)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/samogra.h"
#include "computer/szukanie.h"
#include "model/slownik.h"
#include "platform/instalacja.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned Seed = 20030923;
constexpr int Players = 2;

} // namespace

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1]
                                      : std::string(InstallFolder) + "slowniki/PL20030923.slo";
    const int games = argc > 2 ? std::atoi(argv[2]) : 60;
    if (Slownik::LoadFile(path.c_str()) != 0) {
        std::fprintf(stderr, "bench_szukanie: can't load %s\n", path.c_str());
        return 1;
    }
    InitPlansza(LayoutPath);

    const auto t0 = Clock::now();
    const std::vector<Position> positions = PlaySelfPlayGames(games, Players, 4, Seed);
    std::printf("self-play: %d games, %zu positions in %.0f ms\n", games, positions.size(),
                std::chrono::duration<double, std::milli>(Clock::now() - t0).count());

    long signature[5] = {};
    for (int level = 1; level <= 4; ++level) {
        SearchGame game(level);
        std::vector<double> times;
        times.reserve(positions.size());
        for (const Position& p : positions) {
            game.Load(p);
            const auto start = Clock::now();
            FindBestMove();
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            signature[level] += NajlepszyRuch.rawScore;
        }
        double sum = 0;
        for (double t : times)
            sum += t;
        std::sort(times.begin(), times.end());
        const auto at = [&](double q) {
            return times[std::min(times.size() - 1, static_cast<std::size_t>(q * times.size()))];
        };
        std::printf("level %d: %zu positions, mean %.3f ms, median %.3f ms, p99 %.3f ms, "
                    "max %.3f ms\n",
                    level, times.size(), sum / times.size(), at(0.5), at(0.99), times.back());
    }
    std::printf("signature: I %ld, II %ld, III %ld, IV %ld\n", signature[1], signature[2],
                signature[3], signature[4]);
    return 0;
}
