#pragma once

#include "core/scores/book_replace.h"

#include <filesystem>
#include <vector>

namespace quillara::tool {

// Changes the book's files all together or not at all, through the tool's file steps (see
// quillara::ReplaceBookFiles). Raises, naming what failed.
void ReplaceBookFiles(const std::filesystem::path& folder,
                      const std::vector<TBookFileChange>& changes);

// Finishes a change to the book in the folder that a run of the tool killed part way left, so
// that the book is whole before anything reads it. Raises when it cannot.
void FinishBookChanges(const std::filesystem::path& folder);

} // namespace quillara::tool
