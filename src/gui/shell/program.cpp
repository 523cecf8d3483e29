#include "gui/shell/program.h"

#include "gui/shell/damaged_scores_message.h"
#include "gui/shell/message_boxes.h"
#include "core/io/book_errors.h"

#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace quillara::gui {

const char* const GlossaryFailedMessage =
    "Quillara was unable to read the glossary for this book. It is possible that parts of the "
    "program are corrupted or were not installed. If this error persists, please reinstall the "
    "software";

namespace {

QString Absolute(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return QString::fromStdString(error ? path : absolute.lexically_normal().string());
}

// Names the score file as the student knows it: a folder that refuses writes, or something
// under that name that is no score file to write, both stop the save there.
QString MovedScoresMessage(const TScoreFolders& folders) {
    return QStringLiteral("Quillara cannot save scores as %1, so your scores are kept in %2 "
                          "instead.")
        .arg(Absolute(folders.Save + ScoreFileName), Absolute(folders.User + ScoreFileName));
}

} // namespace

const TGlossary* TProgram::Glossary() {
    if (GlossaryAsked) return BookGlossary.get();
    GlossaryAsked = true;
    if (!Book || !Book->HasGlossary) return nullptr;
    try {
        auto glossary = std::make_unique<TGlossary>();
        glossary->LoadGlossary(BookDir(), false);
        BookGlossary = std::move(glossary);
    } catch (const std::exception& e) {
        // A file refused for its size is named with the limit: reinstalling would not help.
        const bool tooLarge = dynamic_cast<const TFileTooLargeError*>(&e) != nullptr;
        TMessageBoxes::Error(Window, tooLarge ? QString::fromStdString(e.what())
                                              : QString::fromLatin1(GlossaryFailedMessage));
        // The program does not go on without its glossary.
        if (Window) QTimer::singleShot(0, Window, &QWidget::close);
    }
    return BookGlossary.get();
}

TScoreHistory& TProgram::Scores() {
    if (!ScoresRead) {
        // Set first: the message below lets events run, which may ask for the scores again.
        ScoresRead = true;
        Place.load(History, ScoreFolders());
        TellOfDamagedScores(Window, History);
    }
    return History;
}

bool TProgram::SaveScores(QWidget* parent) {
    // A history never read has had nothing added: the file already holds all of it.
    if (!ScoresRead) return true;
    const TScoreFolders folders = ScoreFolders();
    const TScorePlace::ESaved saved = Place.save(History, folders);
    // A damaged file found on the way is told of first: it says why a save may have failed.
    TellOfDamagedScores(parent, History);
    if (saved == TScorePlace::ESaved::MovedToUserFolder)
        TMessageBoxes::Information(parent, MovedScoresMessage(folders));
    return saved != TScorePlace::ESaved::Failed;
}

std::string TProgram::ScoreFilePath() const {
    return Place.directory(ScoreFolders()) + ScoreFileName;
}

TScoreFolders TProgram::ScoreFolders() const {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return {SaveDirectory, BookScoresDirectory(SettingsSection, BookDir(), dataHome, home),
            UserScoresDirectory(SettingsSection, dataHome, home), !SaveDirectoryNamed};
}

} // namespace quillara::gui
