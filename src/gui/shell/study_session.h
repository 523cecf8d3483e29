#pragma once

#include "core/book/book_properties.h"
#include "core/book/glossary.h"
#include "core/review/study_log.h"
#include "core/platform/regional_settings.h"
#include "core/scores/score_file.h"
#include "core/scores/score_place.h"
#include "gui/shell/settings.h"

#include <QImage>
#include <QObject>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace quillara::gui {

extern const char* const GlossaryFailedMessage;
extern const char* const ScoresNotSavedMessage;

// A book definition of a version this program does not know.
class TUnknownBookVersion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the student is studying: the open book with its settings, its glossary, the score history,
// the chapter chosen and the attempt in progress. Views read it and follow its signals; what
// goes wrong is told through Failed (and what the student should know through Told), which the
// window turns into message boxes. The glossary and the scores are read the first time they are
// asked for, so that opening a book reads nothing the first window does not show.
class TStudySession : public QObject {
    Q_OBJECT
public:
    // The student's number and money conventions, which every book's own currency starts from.
    explicit TStudySession(TRegionalSettings regional = {});

    // A book read from its directory with its settings, not yet open.
    struct TReadBook {
        // The folder the book was read from; its settings may send the look-ups elsewhere.
        std::filesystem::path Folder;
        std::unique_ptr<TBookProperties> Book;
        TBookSettings Settings;
        // Read ahead by ReadGlossary; otherwise the first time it is asked for.
        std::unique_ptr<TGlossary> Glossary;
        // Where a glossary read ahead was found cut short; empty when it is whole.
        std::string GlossaryCut;
    };
    // Reads the book in the directory and its settings. Raises when the book cannot be read; a
    // definition of an unknown version raises TUnknownBookVersion.
    TReadBook ReadBook(const std::filesystem::path& directory) const;
    // Reads the glossary of a book not yet open, so that one that cannot be studied is found
    // while the open book can still stay. Raises with the message a student is shown.
    void ReadGlossary(TReadBook& book) const;
    // Opens the book in place of the open one: nothing of the open one is kept.
    void Open(TReadBook book);
    bool IsOpen() const { return static_cast<bool>(OpenBook); }

    const TBookProperties& Book() const { return *OpenBook; }
    const TBookSettings& Settings() const { return BookSettings; }
    std::filesystem::path BookDir() const { return BookSettings.BookDir(); }
    const std::filesystem::path& Folder() const { return OpenFolder; }
    // The student's conventions, with money in the book's currency when its settings name one.
    const TRegionalSettings& Regional() const { return BookRegional; }
    // Scores are kept under this prefix from now on, as a "Save Directory" setting would have it.
    void SetSaveDirectory(std::string directory);

    int Chapter() const { return CurrentChapter; }
    void SelectChapter(int chapter);

    // The book's texts and pictures, read when asked for.
    std::string TopicText(int chapter, const std::string& title) const;
    std::string AuthorsNotes() const;
    bool ChapterHasWordProblems(int chapter);
    // Raises with a message naming the file when the picture cannot be shown.
    QImage Picture(const std::string& name, QSize room, qreal pixelRatio) const;

    // The glossary; none when the book has none or it cannot be read. An unreadable glossary is
    // told of once and makes the book unusable.
    const TGlossary* Glossary();
    // Whether the glossary has been read (or found missing): asking for it then reads nothing.
    bool GlossaryKnown() const { return GlossaryAsked; }
    // Whether the chapter has terms to match; true while the glossary has not been read.
    bool ChapterHasTerms(int chapter) const;
    TScoreHistory& Scores();
    // Saves the history. One never read is not written, nor read for it: nothing can have been
    // added to it, and writing it would empty the file. Tells of a damaged file met on the way,
    // of scores kept in the student's own folder because the save directory cannot be written,
    // and of a failure. False when the scores could not be saved.
    bool SaveScores();
    std::string ScoreFilePath() const;

    // The log of every answer, in the folder of the book's score file, opened the first time it
    // is asked for (and made then only when `create`); none when it cannot be kept there,
    // which is told once.
    TStudyLog* StudyLog(bool create = true);
    // Logs an answer of a quiz, test, retake or review. A log that fails is told of once and the
    // quiz goes on without it.
    void RecordAnswer(TLoggedAnswer answer);

    // The attempt in progress. A view starting one leaves the way to end it keeping its answers.
    void StartAttempt(std::function<void()> endKeepingAnswers);
    // The attempt has ended; a recorded one is saved at once.
    void EndAttempt(bool recorded);
    bool AttemptRunning() const { return static_cast<bool>(EndRunning); }
    // Ends the attempt in progress, if any, as its view would, keeping what was answered.
    void EndRunningAttempt();

signals:
    void BookOpened();
    // The glossary was read the first time it was asked for.
    void GlossaryRead();
    void ChapterChanged(int chapter);
    void ScoresChanged();
    // The history was read, the first time it was asked for.
    void HistoryRead();
    // An answer went into the study log: what is due may have changed.
    void AnswerLogged();
    void AttemptStarted();
    void AttemptEnded(bool recorded);
    void Failed(const QString& message);
    void Told(const QString& message);
    // The book cannot be studied further (its glossary cannot be read).
    void BookUnusable();

private:
    TScoreFolders ScoreFolders() const;
    // `movingFrom`: the folders when a refused file there sends the scores to the user folder.
    void TellOfDamagedScores(const TScoreFolders* movingFrom);

    TRegionalSettings StudentRegional;
    TRegionalSettings BookRegional;
    TBookSettings BookSettings;
    std::filesystem::path OpenFolder;
    std::unique_ptr<const TBookProperties> OpenBook;
    int CurrentChapter = 0;
    // Whether each chapter asked about so far offers word problems.
    std::map<int, bool> WordProblemChapters;
    bool GlossaryAsked = false;
    std::unique_ptr<TGlossary> BookGlossary;
    bool ScoresRead = false;
    // Whether the student has been told that the scores go to the user folder.
    bool MoveTold = false;
    TScoreHistory History;
    TScorePlace Place;
    bool LogFailed = false;
    std::unique_ptr<TStudyLog> Log;
    std::function<void()> EndRunning;
};

} // namespace quillara::gui
