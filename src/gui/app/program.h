#pragma once

#include "book/book_properties.h"
#include "book/glossary.h"
#include "platform/regional_settings.h"
#include "scores/score_file.h"

#include <filesystem>
#include <memory>
#include <string>

namespace quillara::gui {

// What start-up builds and every window reads until the program ends: the book directory, where
// the scores are saved, the book, its glossary (none when the book has none) and the scores.
struct TProgram {
    // Every book file is looked up here (case-insensitively); empty is the current directory.
    std::filesystem::path ProgramDirectory;
    // Prefix of the score file, joined as text; empty is the current directory.
    std::string SaveDirectory;
    // The book title, naming the settings section and the main window's caption.
    std::string SettingsSection;
    std::unique_ptr<TBookProperties> Book;
    std::unique_ptr<TGlossary> Glossary;
    TScoreHistory Scores;
    TRegionalSettings Regional;

    // The directory to look book files up in: "." when the program directory is empty.
    std::filesystem::path BookDir() const {
        return ProgramDirectory.empty() ? std::filesystem::path(".") : ProgramDirectory;
    }
};

} // namespace quillara::gui
