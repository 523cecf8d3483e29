#include "core/book/term_set.h"

#include "core/book/glossary.h"

#include <bit>

namespace quillara {

namespace {
// FNV-1a over the upper-cased characters, so that texts SameTerm holds equal hash alike.
std::uint64_t TermHash(std::string_view term) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : term)
        hash = (hash ^ static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c)) *
               1099511628211ull;
    return hash;
}
} // namespace

TTermSet::TTermSet(const std::vector<std::string_view>& terms) {
    Slots.resize(std::bit_ceil(2 * terms.size() + 2));
    for (std::string_view term : terms) {
        if (contains(term)) continue;
        const std::uint64_t hash = TermHash(term);
        std::size_t at = hash & (Slots.size() - 1);
        while (Slots[at].Key != 0)
            at = (at + 1) & (Slots.size() - 1);
        // Texts of a book file are at most 65,535 bytes long; a longer one cannot be a term.
        if (term.size() > UINT16_MAX || Keys.size() >= UINT32_MAX - term.size() - 3) continue;
        Slots[at] = {static_cast<std::uint32_t>(hash >> 32),
                     static_cast<std::uint32_t>(1 + Keys.size())};
        Keys += static_cast<char>(term.size() & 0xFF);
        Keys += static_cast<char>(term.size() >> 8);
        Keys += UpperAscii(term);
    }
}

bool TTermSet::contains(std::string_view term) const {
    const std::uint64_t hash = TermHash(term);
    const auto high = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t at = hash & (Slots.size() - 1); Slots[at].Key != 0;
         at = (at + 1) & (Slots.size() - 1)) {
        if (Slots[at].Hash != high) continue;
        const std::size_t offset = Slots[at].Key - 1;
        const std::size_t length =
            static_cast<unsigned char>(Keys[offset]) |
            static_cast<std::size_t>(static_cast<unsigned char>(Keys[offset + 1])) << 8;
        if (SameTerm(std::string_view(Keys).substr(offset + 2, length), term)) return true;
    }
    return false;
}

} // namespace quillara
