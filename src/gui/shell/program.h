#pragma once

#include "core/book/book_properties.h"
#include "core/book/glossary.h"
#include "core/platform/regional_settings.h"
#include "core/scores/score_file.h"
#include "core/scores/score_place.h"

#include <filesystem>
#include <memory>
#include <string>

class QWidget;

namespace quillara::gui {

extern const char* const GlossaryFailedMessage;

// What start-up builds and every window reads until the program ends: the book directory, where
// the scores are saved, the book, its glossary (none when the book has none) and the scores.
// The glossary and the scores are read the first time they are asked for, so that start-up
// reads nothing the first window does not show.
struct TProgram {
    // Every book file is looked up here (case-insensitively); empty is the current directory.
    std::filesystem::path ProgramDirectory;
    // Prefix of the score file, joined as text; empty is the current directory.
    std::string SaveDirectory;
    // Whether the book's settings named the save directory. Without one, a book keeps its scores
    // in the student's own folder for it, unless the current folder already holds a score file.
    bool SaveDirectoryNamed = false;
    // The locale whose currency the book's amounts are written in ("en_US"); empty is the user's.
    std::string BookCurrency;
    // The book title, naming the settings section and the main window's caption.
    std::string SettingsSection;
    std::unique_ptr<TBookProperties> Book;
    TRegionalSettings Regional;
    // The main window while it exists: what the first reads tell the student is shown over it,
    // and an unreadable glossary closes it.
    QWidget* Window = nullptr;

    // The directory to look book files up in: "." when the program directory is empty.
    std::filesystem::path BookDir() const {
        return ProgramDirectory.empty() ? std::filesystem::path(".") : ProgramDirectory;
    }

    // The glossary, read the first time it is asked for; none when the book has none or it
    // cannot be read. An unreadable glossary is told of once and ends the program.
    const TGlossary* Glossary();
    // The score history, read the first time it is asked for; a damaged score file is told of
    // then.
    TScoreHistory& Scores();
    // Saves the history. One never read is not written, nor read for it: nothing can have been
    // added to it, and writing it would empty the file. Tells the student of a damaged file met
    // on the way and, once, of scores kept in the student's own folder because the save
    // directory cannot be written. False when the scores could not be saved.
    bool SaveScores(QWidget* parent);
    // The score file in use.
    std::string ScoreFilePath() const;

private:
    TScoreFolders ScoreFolders() const;

    bool GlossaryAsked = false;
    std::unique_ptr<TGlossary> BookGlossary;
    bool ScoresRead = false;
    TScoreHistory History;
    TScorePlace Place;
};

} // namespace quillara::gui
