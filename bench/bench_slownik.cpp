// Dictionary benchmark: load time and node count of a dictionary file, and
// the time of a million lookups of words drawn from it.
//
//   bench_slownik [FILE.slo]   (default: the build's default dictionary)
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "model/slownik.h"
#include "platform/instalacja.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void Collect(int list, std::string& prefix, std::vector<std::string>& words)
{
    for (int i = list; i > 0 && i < Slownik::Limit(); ++i) {
        const Wezel& n = Slownik::Node(i);
        prefix.push_back(static_cast<char>(n.letter));
        if (n.endOfWord)
            words.push_back(prefix);
        if (n.firstChild > 0 && prefix.size() < 16)
            Collect(n.firstChild, prefix, words);
        prefix.pop_back();
        if (n.lastSibling)
            break;
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string path = argc > 1 ? argv[1]
                                : std::string(InstallFolder) + "slowniki/PL20030923.slo";
    constexpr int Loads = 20;
    double best = 1e9;
    for (int i = 0; i < Loads; ++i) {
        const auto t0 = Clock::now();
        if (Slownik::LoadFile(path.c_str()) != 0) {
            std::fprintf(stderr, "bench_slownik: can't load %s\n", path.c_str());
            return 1;
        }
        best = std::min(best, MillisecondsSince(t0));
    }
    std::printf("load: %.2f ms (best of %d), %d nodes\n", best, Loads, Slownik::Count());

    std::vector<std::string> words;
    std::string prefix;
    Collect(TopLevelList, prefix, words);
    std::mt19937 rng(1);
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::vector<const char*> sample(1000000);
    for (auto& w : sample)
        w = words[pick(rng)].c_str();
    const auto t0 = Clock::now();
    long found = 0;
    for (const char* w : sample)
        found += Slownik::IsWord(w);
    const double ms = MillisecondsSince(t0);
    std::printf("lookups: %zu words, 1000000 lookups in %.1f ms (%.0f ns each), %ld found\n",
                words.size(), ms, ms * 1e6 / 1e6, found);
    return found == 1000000 ? 0 : 1;
}
