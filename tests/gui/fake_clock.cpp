#include "tests/gui/fake_clock.h"

std::time_t FakeClock = 0;

extern "C" std::time_t __real_time(std::time_t* t);
extern "C" std::time_t __wrap_time(std::time_t* t)
{
    if (!FakeClock)
        return __real_time(t);
    if (t)
        *t = FakeClock;
    return FakeClock;
}
