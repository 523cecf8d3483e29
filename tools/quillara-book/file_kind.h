#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillara::tool {

enum class FileKind { Book, Topics, Questions, Glossary, Authors, Scores };

// The kind of a book file from its name, ignoring case: BOOK.DEF, TOPICS.<n>, QUESTION.<n>,
// GLOSSARY.DEF, AUTHORS or AUTHORS., SCORES.SAV.
std::optional<FileKind> KindFromFileName(std::string_view name);
// The kind named by --kind: book, topics, questions, glossary, authors, scores.
std::optional<FileKind> KindFromOption(std::string_view option);
// The most bytes a file of the kind is read with, as the program reads it.
std::uint64_t LargestFile(FileKind kind);

} // namespace quillara::tool
