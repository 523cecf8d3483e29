#pragma once

#include "core/platform/unique_fd.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
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

// A file opened for reading from its start, a piece at a time (seekg moves to another place). Only
// a regular file is opened, and never waited on (a FIFO would hold the program until something
// wrote to it): anything else raises TFileOpenError, and so does a file that cannot be opened. A
// file larger than maxSize is refused unread (TFileTooLargeError naming it and maxSize).
class TBookFileStream : public std::istream {
public:
    TBookFileStream(const std::filesystem::path& path, std::uint64_t maxSize);

private:
    class TPieces : public std::streambuf {
    public:
        TPieces(TUniqueFd fd, std::string fileName);

    protected:
        int_type underflow() override;
        // What the piece still holds, then the rest straight from the file into `to`.
        std::streamsize xsgetn(char* to, std::streamsize count) override;
        pos_type seekoff(off_type offset, std::ios_base::seekdir from,
                         std::ios_base::openmode which) override;
        pos_type seekpos(pos_type place, std::ios_base::openmode which) override;

    private:
        TUniqueFd Fd;
        std::string Name;
        std::array<char, 64 * 1024> Piece;
    };
    TPieces Pieces;
};

// The whole content of a file of at most maxSize bytes, opened as TBookFileStream opens it.
std::string ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxSize);

// FindBookFile then ReadWholeFile; TFileOpenError naming the file when it is missing.
std::string ReadBookFile(const std::filesystem::path& directory, std::string_view name,
                         std::uint64_t maxSize);

// FindBookFile, or TFileOpenError naming the file where it was looked for.
std::filesystem::path RequireBookFile(const std::filesystem::path& directory,
                                      std::string_view name);

} // namespace quillara
