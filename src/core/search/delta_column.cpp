#include "core/search/delta_column.h"

#include <algorithm>

namespace quillara {

namespace {

// A step taken modulo 2^32, read as signed: 0, -1, 1, -2, 2... become 0, 1, 2, 3, 4...
std::uint32_t Zigzag(std::uint32_t step) {
    return (step << 1) ^ (0u - (step >> 31));
}

std::uint32_t Unzigzag(std::uint32_t code) {
    return (code >> 1) ^ (0u - (code & 1));
}

} // namespace

void TDeltaColumn::Push(std::uint32_t value) {
    if (Count % BlockSize == 0) {
        Blocks.push_back({value, static_cast<std::uint32_t>(Steps.size())});
    } else {
        std::uint8_t bytes[5];
        std::uint8_t* const end = WriteVarint(bytes, Zigzag(value - Last));
        Steps.insert(Steps.end(), +bytes, end);
    }
    Last = value;
    ++Count;
}

std::uint32_t TDeltaColumn::operator[](std::size_t index) const {
    const TBlock& block = Blocks[index / BlockSize];
    std::uint32_t value = block.First;
    const std::uint8_t* step = Steps.data() + block.Bytes;
    for (std::size_t i = index % BlockSize; i > 0; --i)
        value += Unzigzag(ReadVarint(step));
    return value;
}

std::size_t TDeltaColumn::CountAtMost(std::uint32_t value, std::uint32_t* last,
                                      std::uint32_t* next) const {
    const auto after =
        std::upper_bound(Blocks.begin(), Blocks.end(), value,
                         [](std::uint32_t v, const TBlock& block) { return v < block.First; });
    if (after == Blocks.begin()) {
        if (next && Count > 0) *next = Blocks.front().First;
        return 0;
    }
    const auto block = static_cast<std::size_t>(after - Blocks.begin() - 1);
    const std::size_t end = std::min(Count, (block + 1) * BlockSize);
    std::size_t index = block * BlockSize;
    std::uint32_t current = Blocks[block].First;
    const std::uint8_t* step = Steps.data() + Blocks[block].Bytes;
    bool found = false;
    while (index + 1 < end) {
        const std::uint32_t following = current + Unzigzag(ReadVarint(step));
        if (following > value) {
            if (next) *next = following;
            found = true;
            break;
        }
        current = following;
        ++index;
    }
    if (!found && next && after != Blocks.end()) *next = after->First;
    if (last) *last = current;
    return index + 1;
}

void TDeltaColumn::ShrinkToFit() {
    Blocks.shrink_to_fit();
    Steps.shrink_to_fit();
}

std::size_t TDeltaColumn::MemoryBytes() const {
    return Blocks.capacity() * sizeof(TBlock) + Steps.capacity();
}

} // namespace quillara
