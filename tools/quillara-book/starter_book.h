#pragma once

#include <filesystem>

namespace quillara::tool {

struct TNewOptions {
    // A folder that does not exist yet, or an empty one.
    std::filesystem::path Directory;
};

// Writes a small starting book in the author's form into the folder: book.json with notes for
// the author, a topic page per chapter and the pictures, so that build makes a working book of
// it at once. Raises std::runtime_error, writing nothing, when the folder holds anything.
void WriteStarterBook(const TNewOptions& options);

} // namespace quillara::tool
