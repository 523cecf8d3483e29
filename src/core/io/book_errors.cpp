#include "core/io/book_errors.h"

namespace quillara {

TTruncatedFileError::TTruncatedFileError(const std::string& fileName, const std::string& field,
                                         std::size_t offset)
    : TBookFileError(fileName + ": the file ends inside " + field + " at byte " +
                     std::to_string(offset)) {}

TFileTooLargeError::TFileTooLargeError(const std::string& fileName, std::uint64_t size,
                                       std::uint64_t maxSize)
    : TBookFileError("\"" + fileName + "\" is " + std::to_string(size) + " bytes, more than the " +
                     std::to_string(maxSize) + " bytes such a file may have") {}

} // namespace quillara
