#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace quillara::tool {

// Replaces files of a book all together or not at all. Each is written beside itself first and
// then put in its place; should putting one in fail, those already put in are put back, so that
// a book is never left with a bank that names variables its BOOK.DEF does not have. A file marked
// read-only is not replaced, though its folder would allow it; a file replaced keeps its
// permissions. Raises, the book as it was, when any step fails.
void ReplaceBookFiles(const std::vector<std::pair<std::filesystem::path, std::string>>& files);

} // namespace quillara::tool
