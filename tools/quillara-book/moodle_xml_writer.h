#pragma once

#include "imported_question.h"

#include <string>
#include <vector>

namespace quillara::tool {

// A Moodle XML quiz file of the questions, UTF-8, texts as HTML. A calculated question carries
// its variables' ranges and ten values of each spread over them, as platforms expect a
// question's values to come with it. Unsupported questions are the caller's to leave out.
std::string WriteMoodleXml(const std::vector<TImportedQuestion>& questions);

} // namespace quillara::tool
