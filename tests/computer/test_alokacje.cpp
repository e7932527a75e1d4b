// A search allocates nothing: every operator new of the test program is
// counted, and none may happen inside FindBestMove at any strength.
#include <cstdlib>
#include <new>

#include "bench/samogra.h"
#include "computer/szukanie.h"
#include "tests/computer/search_fixture.h"

namespace {

bool Counting = false;
int Allocations = 0;

} // namespace

void* operator new(std::size_t size)
{
    if (Counting)
        ++Allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(SearchAllocations, NoneInsideASearch)
{
    TempDir dir;
    LoadWords(dir, AlternatingWords(7, "aeiou", "bcdfglmnprst", {2, 3, 3, 4, 5, 6, 7}, 800));
    InitPlansza(SOURCE_DATA_DIR "/dane/normalna.pln");
    const std::vector<Position> positions = PlaySelfPlayGames(2, 2, 4, 7);
    ASSERT_GE(positions.size(), 20u);
    for (int level = 1; level <= 4; ++level) {
        SearchGame game(level);
        for (const Position& p : positions) {
            game.Load(p);
            Allocations = 0;
            Counting = true;
            FindBestMove();
            Counting = false;
            ASSERT_EQ(Allocations, 0) << "level " << level;
        }
    }
}
