#pragma once

#include "core/book/book_properties.h"
#include "core/book/question.h"
#include "core/formula/variable_values.h"
#include "core/platform/regional_settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillara {

// Calls visit(name) for every {name} of a text, in order; a "{" starts a name afresh and a "}"
// ends it.
template <typename Visit> void ForEachPlaceholderName(std::string_view text, Visit visit) {
    std::size_t open = text.find('{');
    while (open != std::string_view::npos) {
        // A plain loop: find_first_of looks each byte up in the set of two.
        std::size_t next = open + 1;
        while (next < text.size() && text[next] != '{' && text[next] != '}')
            ++next;
        if (next == text.size()) break;
        if (text[next] == '}') visit(text.substr(open + 1, next - open - 1));
        open = text[next] == '{' ? next : text.find('{', next + 1);
    }
}

// The question's text with every {name} of a book variable replaced by a figure freshly drawn
// into the attempt's `values`. All draws happen before any substitution, so every occurrence of a
// variable shows one figure, the one the answer formula then reads.
std::string ExpandText(const TQuestion& question, const TBookProperties& book,
                       TVariableValues& values, const TRegionalSettings& regional);

// Each variable the question's text shows, once, with the figure `values` holds for it as the
// question shows it: "{rate} = 5.00%, {years} = 3". Empty when the text shows none.
std::string DrawnValuesText(const TQuestion& question, const TBookProperties& book,
                            const TVariableValues& values, const TRegionalSettings& regional);

// Whether a choice label ("A) " or "b. ") starts at index i of a Multiple Choice text: a letter A
// to E after a blank or line break, then ")" or "." and a blank, not at the text's very ends.
bool StartsChoiceLabel(std::string_view text, std::size_t i);
// The letters of the choices a Multiple Choice text shows, in order, as written.
std::string ChoiceLetters(std::string_view text);

// The RTF document of the question box for an expanded text: choices of a Multiple Choice
// question each start a paragraph with a hanging indent.
std::string BuildRtf(const TQuestion& question, const std::string& text, int fontSize);

} // namespace quillara
