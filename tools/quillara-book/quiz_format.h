#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillara::tool {

// The formats in which learning platforms keep questions.
enum class TQuizFormat { Gift, MoodleXml, Aiken };

// "gift", "moodle-xml" or "aiken".
std::optional<TQuizFormat> QuizFormatNamed(std::string_view name);
std::string_view QuizFormatName(TQuizFormat format);

// The format a file is in, from its content first and its name after: XML is Moodle XML,
// "ANSWER:" lines without GIFT's braces are Aiken, anything else GIFT.
TQuizFormat GuessQuizFormat(const std::filesystem::path& file, std::string_view bytes);

// Whether the bytes are whole UTF-8 sequences only.
bool IsUtf8(std::string_view text);

// The text of a GIFT or Aiken file as UTF-8: a leading byte-order mark is dropped, and a file
// that is not UTF-8 is read as Windows-1252, as teachers' editors on Windows save it.
std::string QuizFileText(std::string_view bytes, bool& wasWindows1252);

} // namespace quillara::tool
