#include "core/quiz/random_trim.h"

#include "core/platform/random_source.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>

namespace quillara {

namespace {
constexpr std::size_t DirectKeep = 128;
}

// Removing by rank from a live list costs O(n^2), so the draws are made first and replayed
// backwards: putting a removed slot back at its rank moves every survivor at or after that rank one
// slot on. A Fenwick tree over the survivors counts those moves, which makes the run O(n log keep)
// with four bytes per draw.
std::vector<std::size_t> DrawSurvivors(std::size_t n, std::size_t keep) {
    std::vector<std::size_t> survivors(std::min(n, keep));
    if (keep >= n) {
        std::iota(survivors.begin(), survivors.end(), std::size_t{0});
        return survivors;
    }
    TRandomSource& random = ProgramRandom();
    std::vector<std::uint32_t> draws;
    draws.reserve(n - keep);
    for (std::size_t count = n; count > keep; --count)
        draws.push_back(random.uniform(static_cast<std::uint32_t>(count)));

    // Few survivors (a quiz keeps ten, a test a hundred) are quicker moved directly: each draw
    // moves every survivor at or after its rank, a loop without branches over a small array.
    if (keep <= DirectKeep) {
        std::vector<std::uint32_t> ranks(keep);
        std::iota(ranks.begin(), ranks.end(), std::uint32_t{0});
        for (auto draw = draws.rbegin(); draw != draws.rend(); ++draw)
            for (std::uint32_t& rank : ranks)
                rank += rank >= *draw ? 1 : 0;
        std::copy(ranks.begin(), ranks.end(), survivors.begin());
        return survivors;
    }

    // Entries 1..size-1: survivor j has moved by the prefix sum up to entry j + 1. Entries past
    // `keep` stand for slots after the last survivor, so that the descent needs no bounds check.
    const std::size_t size = std::bit_ceil(keep + 1);
    std::vector<std::uint32_t> moved(size);
    for (auto draw = draws.rbegin(); draw != draws.rend(); ++draw) {
        std::size_t before = 0; // survivors whose rank lies below the draw
        std::size_t movedBefore = 0;
        for (std::size_t step = size / 2; step > 0; step /= 2) {
            const std::size_t next = before + step;
            const std::size_t moves = movedBefore + moved[next];
            const bool below = next - 1 + moves < *draw;
            before = below ? next : before;
            movedBefore = below ? moves : movedBefore;
        }
        for (std::size_t i = before + 1; i < size; i += i & -i)
            ++moved[i];
    }
    for (std::size_t j = 0; j < keep; ++j) {
        survivors[j] = j;
        for (std::size_t i = j + 1; i > 0; i -= i & -i)
            survivors[j] += moved[i];
    }
    return survivors;
}

} // namespace quillara
