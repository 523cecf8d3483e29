#pragma once

#include <cstddef>
#include <cstdint>

namespace quillara {

// A word's places in the book are increasing offsets, stored as the first offset and then the
// distance to each next one, every number in 7-bit groups, least significant first, with the
// high bit set on every byte but the last: most distances fit in one byte.

// How many bytes WriteVarint writes for `value`: 1 to 5.
constexpr std::size_t VarintSize(std::uint32_t value) {
    std::size_t size = 1;
    for (; value >= 0x80; value >>= 7)
        ++size;
    return size;
}

// Writes `value` at `out` and returns where the next byte goes.
inline std::uint8_t* WriteVarint(std::uint8_t* out, std::uint32_t value) {
    for (; value >= 0x80; value >>= 7)
        *out++ = static_cast<std::uint8_t>(value | 0x80);
    *out++ = static_cast<std::uint8_t>(value);
    return out;
}

// Reads a number WriteVarint wrote at `in`, moving `in` past it.
inline std::uint32_t ReadVarint(const std::uint8_t*& in) {
    std::uint32_t value = 0;
    for (unsigned shift = 0;; shift += 7) {
        const std::uint8_t byte = *in++;
        value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
        if (byte < 0x80) return value;
    }
}

// Walks a list of places written as distances, from the first place on.
class TPostingCursor {
public:
    TPostingCursor(const std::uint8_t* list, std::uint32_t count) : Next(list), Left(count) {}
    bool Done() const { return Left == 0; }
    // The next place; only while not Done().
    std::uint32_t Read() {
        --Left;
        Place += ReadVarint(Next);
        return Place;
    }

private:
    const std::uint8_t* Next;
    std::uint32_t Left;
    std::uint32_t Place = 0;
};

} // namespace quillara
