#include "gui/shell/study_session.h"

#include "core/book/authors_notes.h"
#include "core/book/topic_pages.h"
#include "core/io/book_errors.h"
#include "core/quiz/question_set.h"
#include "core/scores/book_replace.h"
#include "gui/shell/damaged_scores_message.h"
#include "gui/shell/regional_from_locale.h"
#include "gui/widgets/book_picture.h"

#include <QDateTime>
#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

namespace quillara::gui {

const char* const GlossaryFailedMessage = QT_TRANSLATE_NOOP(
    "quillara::gui::TMessageBoxes",
    "Quillara was unable to read the glossary for this book. It is possible that parts of the "
    "program are corrupted or were not installed. If this error persists, please reinstall the "
    "software");

const char* const ScoresNotSavedMessage =
    QT_TRANSLATE_NOOP("quillara::gui::TMessageBoxes", "Unable to save scores");

namespace {

std::filesystem::path AbsolutePath(const std::filesystem::path& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal();
}

QString Absolute(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return QString::fromStdString(error ? path : absolute.lexically_normal().string());
}

// Names the score file as the student knows it: a folder that refuses writes, or something
// under that name that is no score file to write, both stop the save there.
QString MovedScoresMessage(const TScoreFolders& folders) {
    return QCoreApplication::translate(
               "quillara::gui::TMessageBoxes",
               "Quillara cannot save scores as %1, so your scores are kept in %2 "
               "instead.")
        .arg(Absolute(folders.Save + ScoreFileName), Absolute(folders.User + ScoreFileName));
}

// Where the scores go instead of a score file that cannot be used.
QString ScoresGoInstead(const TScoreFolders& folders) {
    return QCoreApplication::translate("quillara::gui::TStudySession",
                                       "Your scores will be saved in %1 instead.")
        .arg(Absolute(folders.User + ScoreFileName));
}

// A glossary cut short keeps the terms before the cut; `cut` then says where it ended.
std::unique_ptr<TGlossary> LoadGlossaryOf(const std::filesystem::path& bookDir, std::string& cut) {
    auto glossary = std::make_unique<TGlossary>();
    glossary->LoadGlossary(bookDir, false, &cut);
    return glossary;
}

QString CutGlossaryMessage(const TGlossary& glossary, const std::string& cut) {
    return QCoreApplication::translate(
               "quillara::gui::TMessageBoxes",
               "The glossary of this book is damaged: only its first %1 terms could be "
               "read, and they are shown.\n\n%2")
        .arg(glossary.Entries().size())
        .arg(QString::fromStdString(cut));
}

// A file refused for its size is named with the limit: reinstalling would not help.
QString GlossaryFailure(const std::exception& e) {
    const bool tooLarge = dynamic_cast<const TFileTooLargeError*>(&e) != nullptr;
    return tooLarge
               ? QString::fromStdString(e.what())
               : QCoreApplication::translate("quillara::gui::TMessageBoxes", GlossaryFailedMessage);
}

} // namespace

TStudySession::TStudySession(TRegionalSettings regional)
    : StudentRegional(regional), BookRegional(regional) {}

TStudySession::TReadBook TStudySession::ReadBook(const std::filesystem::path& directory) const {
    TReadBook read;
    read.Folder = AbsolutePath(directory.empty() ? "." : directory);
    read.Settings.ProgramDirectory = read.Folder;
    // A change to the book's files that the author's tool was stopped in the middle of is
    // finished first, so that the book read is one book whole. A folder that cannot be written
    // (a book installed read-only) is read as it is.
    try {
        FinishBookReplacement(read.Settings.BookDir().string(), PosixSaveFileOps());
    } catch (const TBookReplaceError&) {
    }
    read.Book = LoadBookProperties(read.Settings.BookDir(), StudentRegional);
    if (read.Book->LoadFailed) throw TUnknownBookVersion(read.Book->LoadError);
    read.Settings.SettingsSection = read.Book->Title;
    ReadSettings(read.Settings);
    // Folders the settings name relative to where the program started, or the current folder
    // itself, are fixed now, so that the book and its scores stay where they are whatever the
    // current folder becomes.
    if (!read.Settings.ProgramDirectory.empty())
        read.Settings.ProgramDirectory = AbsolutePath(read.Settings.ProgramDirectory);
    if (!read.Settings.SaveDirectory.starts_with('/'))
        read.Settings.SaveDirectory =
            (AbsolutePath(".") / "").string() + read.Settings.SaveDirectory;
    return read;
}

void TStudySession::ReadGlossary(TReadBook& book) const {
    if (!book.Book->HasGlossary) return;
    try {
        book.Glossary = LoadGlossaryOf(book.Settings.BookDir(), book.GlossaryCut);
    } catch (const std::exception& e) {
        throw std::runtime_error(GlossaryFailure(e).toStdString());
    }
}

void TStudySession::Open(TReadBook book) {
    OpenFolder = std::move(book.Folder);
    OpenBook = std::move(book.Book);
    BookSettings = std::move(book.Settings);
    BookRegional = StudentRegional;
    if (!BookSettings.BookCurrency.empty())
        UseBookCurrency(BookRegional, QString::fromStdString(BookSettings.BookCurrency));
    CurrentChapter = 0;
    WordProblemChapters.clear();
    BookGlossary = std::move(book.Glossary);
    GlossaryAsked = BookGlossary != nullptr;
    if (BookGlossary && !book.GlossaryCut.empty())
        emit Failed(CutGlossaryMessage(*BookGlossary, book.GlossaryCut));
    ScoresRead = false;
    Log.reset();
    LogFailed = false;
    MoveTold = false;
    History = TScoreHistory();
    Place = TScorePlace();
    EndRunning = nullptr;
    emit BookOpened();
}

void TStudySession::SetSaveDirectory(std::string directory) {
    BookSettings.SaveDirectory = std::move(directory);
    BookSettings.SaveDirectoryNamed = true;
}

void TStudySession::SelectChapter(int chapter) {
    CurrentChapter = chapter;
    emit ChapterChanged(chapter);
}

std::string TStudySession::TopicText(int chapter, const std::string& title) const {
    return FindTopicText(BookDir(), chapter, title);
}

std::string TStudySession::AuthorsNotes() const {
    return LoadAuthorsNotes(BookDir());
}

// A bank is looked through once; asking again about its chapter asks nothing of the disk.
bool TStudySession::ChapterHasWordProblems(int chapter) {
    const auto [known, added] = WordProblemChapters.try_emplace(chapter, false);
    if (added) known->second = quillara::ChapterHasWordProblems(BookDir(), chapter);
    return known->second;
}

QImage TStudySession::Picture(const std::string& name, QSize room, qreal pixelRatio) const {
    return LoadBookPicture(BookDir(), name, room, pixelRatio);
}

const TGlossary* TStudySession::Glossary() {
    if (GlossaryAsked) return BookGlossary.get();
    GlossaryAsked = true;
    if (!OpenBook || !OpenBook->HasGlossary) return nullptr;
    std::string cut;
    try {
        BookGlossary = LoadGlossaryOf(BookDir(), cut);
    } catch (const std::exception& e) {
        emit Failed(GlossaryFailure(e));
        emit BookUnusable();
    }
    if (BookGlossary && !cut.empty()) emit Failed(CutGlossaryMessage(*BookGlossary, cut));
    if (BookGlossary) emit GlossaryRead();
    return BookGlossary.get();
}

bool TStudySession::ChapterHasTerms(int chapter) const {
    if (!GlossaryAsked) return true;
    if (!BookGlossary) return false;
    const auto& entries = BookGlossary->Entries();
    return std::any_of(entries.begin(), entries.end(), [chapter](const TDefinition& entry) {
        return TGlossary::InChapter(entry, chapter);
    });
}

TScoreHistory& TStudySession::Scores() {
    if (!ScoresRead) {
        // Set first: the message below lets events run, which may ask for the scores again.
        ScoresRead = true;
        const TScoreFolders folders = ScoreFolders();
        Place.Load(History, folders);
        // What the save directory holds cannot be used: the first save goes to the student's
        // own folder, which the student is told now, with the file.
        TellOfDamagedScores(Place.Directory(folders) == folders.Save ? &folders : nullptr);
        emit HistoryRead();
    }
    return History;
}

TStudyLog* TStudySession::StudyLog(bool create) {
    if (Log || LogFailed || !OpenBook) return Log.get();
    // Beside the score file, wherever the history is kept.
    Scores();
    const std::filesystem::path folder =
        AbsolutePath(std::filesystem::path(ScoreFilePath()).parent_path());
    std::error_code missing;
    if (!create && !std::filesystem::exists(folder / TStudyLog::FileName, missing)) return nullptr;
    try {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        Log = std::make_unique<TStudyLog>(folder, QDateTime::currentMSecsSinceEpoch());
        if (!Log->KeptAside().empty())
            emit Told(tr("Quillara could not read the record of your answers in %1, "
                                     "so it is kept as %2 and a new record is begun.")
                          .arg(QString::fromStdString(Log->Path().string()),
                               QString::fromStdString(Log->KeptAside().string())));
    } catch (const std::exception& e) {
        LogFailed = true;
        emit Failed(
            tr("Quillara cannot keep a record of your answers in %1, so the "
                           "questions you answer will not come back for review. Your "
                           "quizzes and scores go on as before.\n\n%2")
                .arg(QString::fromStdString(folder.string()), QString::fromStdString(e.what())));
    }
    return Log.get();
}

void TStudySession::RecordAnswer(TLoggedAnswer answer) {
    TStudyLog* log = StudyLog();
    if (!log) return;
    answer.AnsweredAtMs = QDateTime::currentMSecsSinceEpoch();
    try {
        log->Record(answer);
        emit AnswerLogged();
    } catch (const std::exception& e) {
        // Told once: the quiz goes on, and so does the rest of the session, without the record.
        const QString path = QString::fromStdString(log->Path().string());
        Log.reset();
        LogFailed = true;
        emit Failed(tr("Quillara could not add your answer to the record of your "
                                   "answers in %1, and keeps no record for the rest of this "
                                   "session. Your quizzes and scores go on as before.\n\n%2")
                        .arg(path, QString::fromStdString(e.what())));
    }
}

bool TStudySession::SaveScores() {
    // A history never read has had nothing added: the file already holds all of it.
    if (!ScoresRead) return true;
    const TScoreFolders folders = ScoreFolders();
    const std::size_t before = History.size();
    const TScorePlace::ESaved saved = Place.Save(History, folders);
    // A damaged file found on the way is told of first: it says why a save may have failed, and
    // where the scores went when the save took them elsewhere.
    const bool moved = saved == TScorePlace::ESaved::MovedToUserFolder;
    TellOfDamagedScores(moved ? &folders : nullptr);
    if (moved && !MoveTold) emit Told(MovedScoresMessage(folders));
    MoveTold = MoveTold || moved;
    if (saved == TScorePlace::ESaved::Failed)
        emit Failed(
            QCoreApplication::translate("quillara::gui::TMessageBoxes", ScoresNotSavedMessage));
    // The save may have taken in attempts another window saved.
    if (History.size() != before) emit ScoresChanged();
    return saved != TScorePlace::ESaved::Failed;
}

std::string TStudySession::ScoreFilePath() const {
    return Place.Directory(ScoreFolders()) + ScoreFileName;
}

void TStudySession::StartAttempt(std::function<void()> endKeepingAnswers) {
    EndRunning = std::move(endKeepingAnswers);
    emit AttemptStarted();
}

void TStudySession::EndAttempt(bool recorded) {
    EndRunning = nullptr;
    emit AttemptEnded(recorded);
    if (!recorded) return;
    emit ScoresChanged();
    // Each attempt reaches the disk as it ends, not only when the program does.
    SaveScores();
}

void TStudySession::EndRunningAttempt() {
    // The view's own ending reports back through EndAttempt.
    if (const auto end = std::exchange(EndRunning, nullptr)) end();
}

TScoreFolders TStudySession::ScoreFolders() const {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string& title = BookSettings.SettingsSection;
    return {BookSettings.SaveDirectory, BookScoresDirectory(title, BookDir(), dataHome, home),
            UserScoresDirectory(title, dataHome, home), !BookSettings.SaveDirectoryNamed};
}

void TStudySession::TellOfDamagedScores(const TScoreFolders* movingFrom) {
    const auto damaged = History.TakeDamagedFile();
    if (!damaged) return;
    QString message = DamagedScoresMessage(*damaged);
    // A file refused where the scores were to be saved sends them to the student's own folder.
    if (movingFrom && History.fileRefused() && !movingFrom->User.empty()) {
        message += QLatin1Char(' ') + ScoresGoInstead(*movingFrom);
        MoveTold = true;
    }
    emit Failed(message);
}

} // namespace quillara::gui
