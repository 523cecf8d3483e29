#pragma once

#include "book/book_properties.h"
#include "book/question.h"
#include "platform/regional_settings.h"

#include <string>
#include <vector>

namespace quillara {

// The name of every {name} of a text, in order; a "{" starts a name afresh and a "}" ends it.
std::vector<std::string> PlaceholderNames(const std::string& text);

// The question's text with every {name} of a book variable replaced by a freshly drawn value.
// All draws happen before any substitution, so every occurrence of a variable shows one value.
std::string ExpandText(const TQuestion& question, const TBookProperties& book,
                       const TRegionalSettings& regional);

// The RTF document of the question box for an expanded text: choices of a Multiple Choice
// question each start a paragraph with a hanging indent.
std::string BuildRtf(const TQuestion& question, const std::string& text, int fontSize);

} // namespace quillara
