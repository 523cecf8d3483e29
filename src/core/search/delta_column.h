#pragma once

#include "core/search/posting_codec.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillara {

// A long list of numbers that mostly move by small steps from one to the next (where each of a
// book's texts starts, which entry or chapter it belongs to), kept in about a byte each: in
// blocks of BlockSize, each block's first number whole and every other as its step from the one
// before, zigzagged so that a small step back is small too (posting_codec.h's bytes). Reading a
// number reads at most one block.
class TDeltaColumn {
public:
    static constexpr std::size_t BlockSize = 32;

    void Push(std::uint32_t value);
    std::size_t Size() const { return Count; }
    std::uint32_t operator[](std::size_t index) const;
    // For a column that never decreases: how many numbers are at most `value`, with the last
    // of them in `last` and the number after it in `next` (left as they were when there is
    // none).
    std::size_t CountAtMost(std::uint32_t value, std::uint32_t* last = nullptr,
                            std::uint32_t* next = nullptr) const;
    void ShrinkToFit();
    std::size_t MemoryBytes() const;

private:
    struct TBlock {
        std::uint32_t First;
        std::uint32_t Bytes;
    };
    std::vector<TBlock> Blocks;
    std::vector<std::uint8_t> Steps;
    std::size_t Count = 0;
    std::uint32_t Last = 0;
};

} // namespace quillara
