#pragma once

#include "quiz_format.h"

#include <filesystem>
#include <optional>

namespace quillara::tool {

struct TExportOptions {
    std::filesystem::path Book;
    int Chapter = 0;
    TQuizFormat Format = TQuizFormat::Gift;
    // The standard output when not given.
    std::optional<std::filesystem::path> Output;
};

// Writes the chapter's question bank as a quiz file; tells each question the format cannot hold
// and why. 0 done, 1 failed.
int Export(const TExportOptions& options);

} // namespace quillara::tool
