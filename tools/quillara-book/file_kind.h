#pragma once

#include <cstdint>
#include <filesystem>
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
// Whether a file of this name belongs to a book as build makes it: a book file, its settings
// (WQUILLARA.INI) or a picture (.jpg, .jpeg, .png, .gif, .bmp). Scores are the student's, no
// file of the book's.
bool IsBuiltFileName(const std::string& name);
// Whether the path leads into the book's own folder, to a file the book reads or may read once
// it is there (IsBuiltFileName, the scores, the journal of a change; in any case of its name):
// a file the tool writes for the user never takes the place of one.
bool IsFileOfBook(const std::filesystem::path& book, const std::filesystem::path& path);
// The most bytes a file of the kind is read with, as the program reads it.
std::uint64_t LargestFile(FileKind kind);

} // namespace quillara::tool
