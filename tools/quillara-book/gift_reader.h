#pragma once

#include "imported_question.h"

#include <string_view>
#include <vector>

namespace quillara::tool {

// The questions of a GIFT file, UTF-8, in file order: one a block of lines between blank lines,
// "//" comment lines and "$CATEGORY:" lines left out. What the format writes but a book cannot
// hold comes back Unsupported with its reason; a block the format does not allow at all (an
// unclosed brace or title, an answer that is no number) raises TImportParseError at its place.
std::vector<TImportedQuestion> ReadGift(std::string_view text);

// The same for a piece of a file read a piece at a time, which begins on line `firstLine`.
std::vector<TImportedQuestion> ReadGiftPiece(std::string_view text, int firstLine);

} // namespace quillara::tool
