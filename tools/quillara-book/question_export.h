#pragma once

#include "core/book/book_properties.h"
#include "core/book/question.h"
#include "imported_question.h"

namespace quillara::tool {

// A question of the book as quiz files hold it, texts in UTF-8: a Multiple Choice text split
// into its stem and choices, the explanation as general feedback, a word problem as a numerical
// question when it draws nothing and as a calculated one over the book's variables when it
// does. Unsupported, with the reason, when quiz files cannot hold it.
TImportedQuestion QuestionForQuizFile(const TQuestion& question, const TBookProperties& book);

} // namespace quillara::tool
