#pragma once

#include "imported_question.h"

#include <string_view>
#include <vector>

namespace quillara::tool {

// The questions of a Moodle XML quiz file in file order, categories left out. The parser never
// reaches the network and expands no entities, and a file that declares a document type is
// refused: quiz files have none, hostile ones use it. A file that is not well-formed XML with a
// <quiz> root raises TImportParseError at the first fault the parser met.
std::vector<TImportedQuestion> ReadMoodleXml(std::string_view bytes);

} // namespace quillara::tool
