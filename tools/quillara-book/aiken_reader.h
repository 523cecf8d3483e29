#pragma once

#include "imported_question.h"

#include <string_view>
#include <vector>

namespace quillara::tool {

// The Multiple Choice questions of an Aiken file, UTF-8, in file order: each its text, its
// choices on lines "A. " or "A) ", and a line "ANSWER: A", the letters in either case. A
// question without its answer line, a choice before any question, a choice out of order or an
// answer that names no choice raises TImportParseError; a choice without text is read empty.
std::vector<TImportedQuestion> ReadAiken(std::string_view text);

// The same for a piece of a file read a piece at a time, which begins on line `firstLine`.
std::vector<TImportedQuestion> ReadAikenPiece(std::string_view text, int firstLine);

} // namespace quillara::tool
