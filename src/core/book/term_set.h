#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

// Glossary terms, found by a text in any letter case as the glossary compares them (SameTerm).
// Laid out flat for sets of tens of thousands of terms looked up millions of times: a look-up
// reads one or two slots of a table and the upper-cased key the slot names, where a node-based
// set follows pointers to scattered nodes.
class TTermSet {
public:
    explicit TTermSet(const std::vector<std::string_view>& terms);

    bool contains(std::string_view term) const;

private:
    // A slot names a key by its place in Keys; Key 0 marks an empty slot.
    struct TSlot {
        std::uint32_t Hash = 0; // the upper half of the key's hash, to pass over other keys
        std::uint32_t Key = 0;  // 1 + the key's offset in Keys
    };

    std::vector<TSlot> Slots; // a power of two, at most half full
    // Every distinct key upper-cased, each after its two-byte length.
    std::string Keys;
};

} // namespace quillara
