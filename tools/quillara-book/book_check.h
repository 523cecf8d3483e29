#pragma once

#include "core/book/book_properties.h"
#include "core/book/question.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace quillara::tool {

struct TCheckCounts {
    int Errors = 0;
    int Warnings = 0;
};

// Writes to `out` everything in the book in `dir` that would go wrong or look wrong for a student,
// a line each, "FILE: PLACE: error|warning: MESSAGE", every line begun with `lead`; only the
// errors when errorsOnly. Word problems are tried on draws from a fixed seed, so a book gets the
// same findings every time.
TCheckCounts CheckBook(const std::filesystem::path& dir, std::ostream& out,
                       const std::string& lead = {}, bool errorsOnly = false);

// The errors `check` would find in the question were it in a bank of the book, one message
// each; none for a question a student can answer.
std::vector<std::string> QuestionErrors(const TBookProperties& book, const TQuestion& question);

} // namespace quillara::tool
