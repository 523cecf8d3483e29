// The study session tells the window and the views what changed, and the window switches books
// without keeping anything of the one it leaves.
#include "core/book/book_properties_writer.h"
#include "core/scores/book_replace.h"
#include "core/scores/score_file.h"
#include "find_child.h"
#include "gui/app/open_book_dialog.h"
#include "gui/app/remembered.h"
#include "gui/glossary/view_glossary_frame.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/quiz/matching_quiz_frame.h"
#include "gui/search/book_search_dialog.h"
#include "gui/shell/message_boxes.h"
#include "main_window.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

std::vector<std::string> OnDisk(const std::filesystem::path& folder) {
    TScoreHistory history;
    history.loadScores((folder / "").string());
    std::vector<std::string> found;
    for (std::size_t i = 0; i < history.size(); ++i)
        found.push_back(std::string(history.at(i).description()) + " " +
                        std::to_string(history.at(i).totalAnswered()));
    return found;
}

// Answers the question on screen, going on past the answer's dialog.
void Answer(TTestFrame1* runner, const char* button = "ButtonTrue") {
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        In<QPushButton>(dialog, "Button2")->click();
        return dialog->result();
    });
    In<QPushButton>(runner, button)->click();
}

QStringList ChooserItems(const MainWindow& window) {
    auto* chooser = window.Child<QComboBox>("ComboBox1");
    QStringList items;
    for (int i = 0; i < chooser->count(); ++i)
        items << chooser->itemText(i);
    return items;
}

TEST(StudySession, SignalsReachTheViewsAndAFailureTheWindowOnce) {
    GuiBook book;
    book.Banks[0] = {book.Banks[0][0], book.Banks[0][0]};
    MainWindow window(book);
    TStudySession& session = window.session;
    QSignalSpy chapters(&session, &TStudySession::ChapterChanged);
    QSignalSpy started(&session, &TStudySession::AttemptStarted);
    QSignalSpy ended(&session, &TStudySession::AttemptEnded);
    QSignalSpy scores(&session, &TStudySession::ScoresChanged);

    // A chapter chosen in the chooser reaches the heading and the matching quiz.
    auto* chooser = window.Child<QComboBox>("ComboBox1");
    emit chooser->activated(1);
    ASSERT_EQ(chapters.count(), 1);
    EXPECT_EQ(chapters.at(0).at(0).toInt(), 2);
    EXPECT_EQ(window.Child("ChapterImage")->accessibleDescription(), "Chapter 2 - Energy");
    window.Action("GlossaryMatchingItem")->trigger();
    EXPECT_EQ(window.form->MatchingQuiz()->Quiz().Description(), "Matching Quiz from Chapter 2");
    EXPECT_EQ(started.count(), 1);
    TMessageBoxes::QueueAnswer(true); // yes, end the matching quiz
    window.form->HideViews();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(ended.at(0).at(0).toBool()); // nothing answered, nothing recorded

    // A recorded attempt reaches the score views and the disk.
    emit chooser->activated(0);
    window.Action("QuizTrueFalseItem")->trigger();
    TTestFrame1* runner = window.form->QuizRunner();
    Answer(runner);
    Answer(runner);
    ASSERT_EQ(ended.count(), 2);
    EXPECT_TRUE(ended.at(1).at(0).toBool());
    EXPECT_GE(scores.count(), 1);
    EXPECT_EQ(OnDisk(session.BookDir()),
              std::vector<std::string>{"True False Quiz from chapter 1 2"});

    // An unreadable glossary is told of once, however often it is asked for, and its book is not
    // started on again.
    GuiBook broken;
    MainWindow other(broken);
    std::filesystem::remove(other.session.BookDir() / "GLOSSARY.DEF");
    RememberBook(other.session.Folder(), QStringLiteral("Broken"));
    QSignalSpy failed(&other.session, &TStudySession::Failed);
    const auto before = TMessageBoxes::Shown().size();
    EXPECT_EQ(other.session.Glossary(), nullptr);
    EXPECT_EQ(other.session.Glossary(), nullptr);
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(TMessageBoxes::Shown().mid(before),
              QStringList{QString::fromLatin1(GlossaryFailedMessage)});
    EXPECT_NE(RememberedBook(), other.session.Folder());

    // One cut short keeps the terms before the cut, says so once, and the book goes on.
    GuiBook cut;
    MainWindow third(cut);
    const auto glossary = third.session.BookDir() / "GLOSSARY.DEF";
    std::filesystem::resize_file(glossary, std::filesystem::file_size(glossary) - 3);
    QSignalSpy unusable(&third.session, &TStudySession::BookUnusable);
    const auto shown = TMessageBoxes::Shown().size();
    ASSERT_NE(third.session.Glossary(), nullptr);
    EXPECT_EQ(third.session.Glossary()->Entries().size(), cut.Glossary.Entries().size() - 1);
    EXPECT_EQ(unusable.count(), 0);
    ASSERT_EQ(TMessageBoxes::Shown().size(), shown + 1);
    EXPECT_TRUE(TMessageBoxes::Shown().back().startsWith(
        QStringLiteral("The glossary of this book is damaged: only its first %1 terms")
            .arg(cut.Glossary.Entries().size() - 1)));
}

// Opening another book ends the running quiz keeping its answer, saves the old history, and
// leaves nothing of the old book in the window or its views; the File menu lists the books used
// before, newest first, without the open one.
TEST(StudySession, AnotherBookReplacesEverythingOfTheFirst) {
    GuiBook first;
    first.Banks[0] = {first.Banks[0][0], first.Banks[0][0], first.Banks[0][0]};
    GuiBook second;
    second.Book.Title = "Second Book";
    second.Book.ChapterNames = {"Stars", "Planets", "Moons"};
    second.Book.Topics = {{"Overview", 0, 3, 1}};
    second.Pages.push_back(second.Pages[0]);
    second.Banks.push_back(second.Banks[0]);
    second.Glossary = TGlossary({{"", "A ball of gas.", "Star", "1"}});
    const std::filesystem::path secondDir = second.Write();
    MainWindow window(first);
    RememberBook(secondDir, QStringLiteral("Second Book"));

    window.Action("QuizTrueFalseItem")->trigger();
    Answer(window.form->QuizRunner(), "ButtonFalse");
    window.form->GlossaryView();
    window.Action("SearchBookItem")->trigger(); // its index of the first book being built
    ASSERT_EQ(window.form->findChildren<TBookSearchDialog*>().size(), 1);
    window.Child<QMenu>("FileMenu")->aboutToShow();
    QAction* recent = window.Action("RecentBook1");
    ASSERT_TRUE(recent);
    EXPECT_TRUE(recent->text().startsWith("&1 Second Book ("));
    recent->trigger();

    EXPECT_EQ(OnDisk(first.Dir.Path()),
              std::vector<std::string>{"True False Quiz from chapter 1 1"});
    EXPECT_EQ(window.form->windowTitle(), "Quillara for Second Book");
    EXPECT_EQ(ChooserItems(window),
              QStringList({"Chapter 1 - Stars", "Chapter 2 - Planets", "Chapter 3 - Moons"}));
    QStringList topics;
    for (QAction* item : window.Child<QMenu>("ViewMenu")->actions())
        if (item->objectName().startsWith("TopicItem")) topics << item->text();
    EXPECT_EQ(topics, QStringList{"Overview"});
    EXPECT_FALSE(window.form->QuizRunner()->isVisible());
    EXPECT_FALSE(window.Action("RetakeItem")->isEnabled());
    window.Action("GlossaryItem")->trigger();
    const QAbstractItemModel* terms = In<QListView>(window.form->GlossaryView(), "Terms")->model();
    ASSERT_EQ(terms->rowCount(), 1);
    EXPECT_EQ(terms->index(0, 0).data().toString(), "Star");
    EXPECT_EQ(window.session.Scores().size(), 0u);
    EXPECT_TRUE(window.form->findChildren<TBookSearchDialog*>().isEmpty());
    // Where no book is, the chooser starts at the open one.
    std::filesystem::path chooserAt;
    TMessageBoxes::QueueDialog([&chooserAt](QDialog* dialog) {
        chooserAt = static_cast<TOpenBookDlg*>(dialog)->SelectedDirectory();
        return int(QDialog::Rejected);
    });
    window.Action("OpenBookItem")->trigger();
    EXPECT_EQ(chooserAt, std::filesystem::canonical(secondDir));
    window.Action("QuizTrueFalseItem")->trigger();
    Answer(window.form->QuizRunner());
    window.form->EndAttemptsAndSave();
    EXPECT_EQ(OnDisk(first.Dir.Path()).size(), 1u);

    // Up to nine books, numbered as editors number them, the open one left out.
    for (int i = 0; i < 11; ++i)
        RememberBook("/no/such/book" + std::to_string(i), QStringLiteral("Book %1").arg(i));
    RememberBook(secondDir, QStringLiteral("Second Book"));
    window.Child<QMenu>("FileMenu")->aboutToShow();
    for (int n = 1; n <= 9; ++n) {
        QAction* item = window.Action(("RecentBook" + std::to_string(n)).c_str());
        ASSERT_TRUE(item) << n;
        EXPECT_TRUE(item->text().startsWith(QStringLiteral("&%1 Book %2 (").arg(n).arg(11 - n)))
            << item->text().toStdString();
    }
    EXPECT_FALSE(window.Action("RecentBook10"));
    // A long title is cut, the home folder shows as ~, and a direction mark in a folder's name
    // turns nothing around.
    RememberBook((QDir::homePath() + QStringLiteral("/shelf/Chem\u202Eistry")).toStdString(),
                 QString(300, 'T'));
    window.Child<QMenu>("FileMenu")->aboutToShow();
    const QString shown = window.Action("RecentBook1")->text();
    EXPECT_LT(shown.size(), 120);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\u2026 (~/shelf/Chemistry)")))
        << shown.toStdString();

    // A book that cannot be opened, or whose glossary cannot be read, is told of and the open
    // one stays.
    GuiBook unreadableGlossary;
    const std::filesystem::path brokenDir = unreadableGlossary.Write();
    std::filesystem::remove(brokenDir / "GLOSSARY.DEF");
    for (const std::filesystem::path& folder :
         {std::filesystem::path("/no/such/book3"), brokenDir}) {
        const auto before = TMessageBoxes::Shown().size();
        EXPECT_FALSE(window.form->OpenBook(folder));
        ASSERT_EQ(TMessageBoxes::Shown().size(), before + 1);
        EXPECT_TRUE(TMessageBoxes::Shown().back().startsWith("Quillara could not open a book"));
        EXPECT_EQ(window.form->windowTitle(), "Quillara for Second Book");
        EXPECT_TRUE(window.form->isVisible());
    }
    EXPECT_EQ(window.session.Glossary()->Entries().size(), 1u);
}

// A change to the book that the author's tool was killed in the middle of is finished before the
// book is read: the window shows the book as the change left it, and nothing of the change stays.
TEST(StudySession, AChangeToTheBookLeftPartWayIsFinishedFirst) {
    GuiBook book;
    const std::filesystem::path dir = book.Write();
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    TBookProperties changed;
    changed.Title = "Finished";
    changed.ChapterNames = book.Book.ChapterNames;
    const std::string temp = "BOOK.DEF.replacing-" + std::to_string(gone) + "-0";
    book.Dir.Write(temp, WriteBookProperties(changed, book.Version, TRegionalSettings{}));
    book.Dir.Write(BookJournalName, "quillara book journal 1\npid " + std::to_string(gone) +
                                        "\nforward\nput\tBOOK.DEF\t" + temp + "\t\nend\n");
    // Written again by the window's start, the old BOOK.DEF stands until the change is finished.
    MainWindow window(book);
    EXPECT_EQ(window.form->windowTitle(), "Quillara for Finished");
    EXPECT_FALSE(std::filesystem::exists(dir / BookJournalName));
    EXPECT_FALSE(std::filesystem::exists(dir / temp));
}

} // namespace
} // namespace quillara::gui
