#include "io/book_errors.h"

namespace quillara {

TTruncatedFileError::TTruncatedFileError(const std::string& fileName, const std::string& field,
                                         std::size_t offset)
    : TBookFileError(fileName + ": the file ends inside " + field + " at byte " +
                     std::to_string(offset)) {}

} // namespace quillara
