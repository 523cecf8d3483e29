#pragma once

#include "core/book/book_strings.h"
#include "core/io/byte_reader.h"

#include <filesystem>
#include <string>

namespace quillara {

// The author's notes, AUTHORS.: one long book string.
constexpr std::uint64_t MaxAuthorsNotesSize = LongStringSize;

std::string ReadAuthorsNotes(TByteReader& in);
std::string LoadAuthorsNotes(const std::filesystem::path& directory);
std::string WriteAuthorsNotes(const std::string& text);

} // namespace quillara
