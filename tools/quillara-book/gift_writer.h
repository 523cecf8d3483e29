#pragma once

#include "imported_question.h"

#include <string>
#include <vector>

namespace quillara::tool {

// A GIFT file of True/False, Multiple Choice and numerical questions, one block each, in the
// plain-text format; the general feedback after "####". Calculated and unsupported questions are
// the caller's to leave out, as GIFT has no questions that draw values.
std::string WriteGift(const std::vector<TImportedQuestion>& questions);

} // namespace quillara::tool
