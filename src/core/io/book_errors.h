#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace quillara {

// Base of every failure raised while reading a book file or the score file.
class TBookFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be opened or read at all.
class TFileOpenError : public TBookFileError {
public:
    using TBookFileError::TBookFileError;
};

// A file larger than anything its kind may hold, refused before it is read.
class TFileTooLargeError : public TBookFileError {
public:
    TFileTooLargeError(const std::string& fileName, std::uint64_t size, std::uint64_t maxSize);
};

// A file whose bytes run out inside a field.
class TTruncatedFileError : public TBookFileError {
public:
    TTruncatedFileError(const std::string& fileName, const std::string& field, std::size_t offset);
};

// A marked record whose version this program does not know.
class TVersionError : public TBookFileError {
public:
    using TBookFileError::TBookFileError;
};

// A text that should hold a number but does not.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace quillara
