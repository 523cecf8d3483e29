#pragma once

#include "imported_question.h"
#include "quiz_format.h"

#include <cstdint>
#include <filesystem>
#include <functional>

namespace quillara::tool {

// How a GIFT or Aiken file's bytes are turned into text.
enum class TQuizFileEncoding { Utf8, Windows1252, Utf16LittleEndian, Utf16BigEndian };

// A question of a GIFT or Aiken file longer than this is none a bank could hold.
inline constexpr std::size_t MaxQuizQuestionText = 32u << 20;

// The encoding of a GIFT or Aiken file, read through once: UTF-8 (a byte-order mark or not),
// UTF-16 with its byte-order mark, or else Windows-1252 for bytes that are not UTF-8. Raises,
// with the reason, for UTF-32 and for NUL bytes without a byte-order mark (UTF-16 or UTF-32
// written without one), which would otherwise be read as nothing at all.
TQuizFileEncoding QuizFileEncoding(const std::filesystem::path& file);

// Reads the quiz file a piece at a time and hands each question to `take` as soon as it has
// been read, until `take` returns false; whatever the file's size, only the piece being read
// is held. A Moodle XML file's encoding is the parser's to tell; `encoding` is for the others.
// Raises TImportParseError where the file does not parse, std::runtime_error for a question
// longer than MaxQuizQuestionText and for a file that cannot be read.
void ReadQuizFileQuestions(const std::filesystem::path& file, TQuizFormat format,
                           TQuizFileEncoding encoding,
                           const std::function<bool(TImportedQuestion&&)>& take);

// The first bytes of the file as text, for GuessQuizFormat.
std::string QuizFileStart(const std::filesystem::path& file);

} // namespace quillara::tool
