#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace quillara {

// Pictures are read whole to be decoded; no picture of a book comes near this.
constexpr std::uint64_t MaxPictureFileSize = 64ull << 20;

// Finds a book file inside the book directory. Books are authored on case-insensitive file
// systems, so an exact match is tried first and then a match that ignores letter case; a final
// "." names a file without extension ("AUTHORS." is AUTHORS). Both "/" and "\" separate folders.
// A name that is absolute, empty or climbs out of the directory finds nothing, and so does a
// name whose real path (symbolic links followed) lies outside the directory's real path.
std::optional<std::filesystem::path> FindBookFile(const std::filesystem::path& directory,
                                                  std::string_view name);

// The file opened for reading from its start, once its size is found to be at most maxSize: a
// larger file is refused unread (TFileTooLargeError naming it); TFileOpenError when it cannot be
// opened.
std::ifstream OpenFileOfAtMost(const std::filesystem::path& path, std::uint64_t maxSize);

// The whole content of a file of at most maxSize bytes. A larger file is refused before any of
// it is read (TFileTooLargeError naming the file); TFileOpenError when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxSize);

// FindBookFile then ReadWholeFile; TFileOpenError naming the file when it is missing.
std::string ReadBookFile(const std::filesystem::path& directory, std::string_view name,
                         std::uint64_t maxSize);

// FindBookFile, or TFileOpenError naming the file where it was looked for.
std::filesystem::path RequireBookFile(const std::filesystem::path& directory,
                                      std::string_view name);

} // namespace quillara
