#pragma once

#include "core/book/book_properties.h"

#include <cstdint>
#include <string>

namespace quillara {

// The bytes of a BOOK.DEF of the given version (0 to 5) holding the book; fields the version
// does not have are left out. Counts are written from the lists, at most 32,767 of each.
std::string WriteBookProperties(const TBookProperties& book, std::uint8_t version,
                                const TRegionalSettings& regional);

} // namespace quillara
