// Bounded copies of 8-bit texts into fixed buffers.
#pragma once

#include <cstddef>
#include <cstring>

// Copies text and its NUL into dest, a buffer of size bytes, when it fits.
// A longer text is refused, never shortened: false, and dest stays as it was.
inline bool CopyText(char* dest, std::size_t size, const char* text)
{
    const std::size_t length = std::strlen(text);
    if (length >= size)
        return false;
    std::memcpy(dest, text, length + 1);
    return true;
}
