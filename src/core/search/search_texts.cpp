#include "core/search/search_texts.h"

namespace quillara {

void TKeptSearchTexts::Keep(std::string_view text) {
    Bytes += text;
    Ends.push_back(Bytes.size());
}

std::optional<std::string> TKeptSearchTexts::Text(std::uint32_t number,
                                                  const TSearchDocument&) const {
    if (number >= Ends.size()) return std::nullopt;
    const std::size_t begin = number == 0 ? 0 : Ends[number - 1];
    return Bytes.substr(begin, Ends[number] - begin);
}

std::size_t TKeptSearchTexts::MemoryBytes() const {
    return Bytes.capacity() + Ends.capacity() * sizeof(std::size_t);
}

} // namespace quillara
