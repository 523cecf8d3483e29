#pragma once

#include "quiz_format.h"

#include <filesystem>
#include <optional>

namespace quillara::tool {

struct TImportOptions {
    std::filesystem::path File;
    std::filesystem::path Book;
    int Chapter = 0;
    // Guessed from the file when not given.
    std::optional<TQuizFormat> Format;
    // Adds questions the bank already holds once more.
    bool Again = false;
    // Tells what would come in, and writes nothing.
    bool DryRun = false;
};

// Adds the file's questions to the chapter's question bank, and the variables their formulas
// draw to BOOK.DEF; tells each question left out and why, then how many of each kind came in.
// Nothing is written when the file does not parse, the bank cannot take its questions or
// nothing can come in. 0 done, 1 failed.
int Import(const TImportOptions& options);

} // namespace quillara::tool
