#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillara::tool {

// What the quiz file readers and writers share.

// The text without the blanks at its ends.
std::string_view Trim(std::string_view text);

// A number as quiz files write it, with a point and perhaps a sign or an exponent; none when
// the text is anything else or the number is not finite.
std::optional<double> QuizNumber(std::string_view text);

// The places after the point with which a number is written: 2 for "3.50", 0 for "12".
int DecimalsWritten(std::string_view number);

// A number as quiz files are written: the shortest text that reads back as the same number.
std::string QuizNumberText(double value);

// The name a quiz file gives a question of the book, which keeps none: the start of its first
// line, or "Question N" for a text without one.
std::string QuestionName(const std::string& text, std::size_t number);

} // namespace quillara::tool
