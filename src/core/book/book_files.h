#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillara {

// Finds a book file inside the book directory. Books are authored on case-insensitive file
// systems, so an exact match is tried first and then a match that ignores letter case; a final
// "." names a file without extension ("AUTHORS." is AUTHORS). Both "/" and "\" separate folders.
// A name that is absolute, empty or climbs out of the directory finds nothing.
std::optional<std::filesystem::path> FindBookFile(const std::filesystem::path& directory,
                                                  std::string_view name);

// The whole content of a file; TFileOpenError when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

// FindBookFile then ReadWholeFile; TFileOpenError naming the file when it is missing.
std::string ReadBookFile(const std::filesystem::path& directory, std::string_view name);

} // namespace quillara
