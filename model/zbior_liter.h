// ZbiorLiter: a set of letter indices 0 to 39 in 5 bytes.
//
// Bit i lies in byte i / 8 under BitMask[i % 8]. The search works on the
// same bits as one machine word (Word / SetWord), bit i of the word being
// letter index i.
#pragma once

#include <cstdint>
#include <cstring>

extern const std::uint8_t BitMask[8];

using LetterBits = std::uint64_t;
constexpr int LetterSetBits = 40;
constexpr LetterBits AllLetterBits = (LetterBits{1} << LetterSetBits) - 1;

struct ZbiorLiter {
    std::uint8_t bytes[5] = {0, 0, 0, 0, 0};

    bool Has(int i) const { return (bytes[i / 8] & BitMask[i % 8]) != 0; }
    void Add(int i) { bytes[i / 8] |= BitMask[i % 8]; }
    void Clear() { SetWord(0); }
    void Fill() { SetWord(AllLetterBits); }
    bool Empty() const { return Word() == 0; }

    LetterBits Word() const
    {
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        LetterBits w = 0;
        std::memcpy(&w, bytes, sizeof bytes);
        return w;
#else
        LetterBits w = 0;
        for (int k = 4; k >= 0; --k)
            w = (w << 8) | bytes[k];
        return w;
#endif
    }
    void SetWord(LetterBits w)
    {
        for (int k = 0; k < 5; ++k, w >>= 8)
            bytes[k] = static_cast<std::uint8_t>(w);
    }
};
