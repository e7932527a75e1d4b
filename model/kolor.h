// A colour without the framework: red, green, blue.
#pragma once

#include <cstdint>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

constexpr bool operator==(Rgb a, Rgb b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }
