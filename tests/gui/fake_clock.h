// The game seeds its draws from the clock. A test binary linked with
// fake_clock.cpp and -Wl,--wrap=time can choose the clock, and with it the
// deal and the whole of a game the computers play.
#pragma once

#include <ctime>

// The time the program reads while set; 0 reads the real clock.
extern std::time_t FakeClock;

// Sets the clock for a scope.
class ClockAt {
public:
    explicit ClockAt(std::time_t t) : was_(FakeClock) { FakeClock = t; }
    ~ClockAt() { FakeClock = was_; }
    ClockAt(const ClockAt&) = delete;
    ClockAt& operator=(const ClockAt&) = delete;

private:
    std::time_t was_;
};
