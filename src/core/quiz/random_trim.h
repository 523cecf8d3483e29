#pragma once

#include <cstddef>
#include <vector>

namespace quillara {

// The slots, in increasing order, that survive removing a random one of the remaining slots of
// n, one draw of 0..count-1 per removal, until `keep` remain. The draws are those of removing
// from a live list; the work is O(n log keep) instead of O(n^2).
std::vector<std::size_t> DrawSurvivors(std::size_t n, std::size_t keep);

} // namespace quillara
