#include "gui/app/main_form.h"
#include "gui/glossary/view_glossary_frame.h"
#include "gui/help/about_box.h"
#include "gui/help/about_program.h"
#include "gui/help/help_window.h"
#include "gui/quiz/answer_response_form.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/quiz/matching_quiz_frame.h"
#include "gui/quiz/select_chapter_form.h"
#include "gui/quiz/test_window.h"
#include "gui/reading/view_authors_notes_frame.h"
#include "gui/reading/view_topic_frame.h"
#include "gui/scores/graph_score_frame.h"
#include "gui/scores/view_score_frame.h"
#include "gui/shell/message_boxes.h"
#include "gui/widgets/readable_measure.h"
#include "gui_book.h"
#include "main_window.h"
#include "scripted_random.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <set>
#include <QScreen>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::MainWindow;

TEST(MainForm, CaptionChooserAndMenusInTheirOrder) {
    GuiBook book;
    MainWindow window(book);
    EXPECT_EQ(window.form->windowTitle(), "Quillara for Test Book");
    auto* chooser = window.Child<QComboBox>("ComboBox1");
    ASSERT_EQ(chooser->count(), 2);
    EXPECT_EQ(chooser->itemText(0), "Chapter 1 - Cells");
    EXPECT_EQ(chooser->currentIndex(), 0);

    QStringList menus;
    for (QAction* menu : window.form->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&View", "&Quiz", "&Test", "&Scores", "&Help"}));
    QStringList view;
    for (QAction* item : window.Menu("ViewMenu")->actions())
        if (!item->isSeparator()) view << item->text();
    EXPECT_EQ(view,
              (QStringList{"&Glossary", "Summary", "Key Ideas", "Worked Examples", "&Larger Text",
                           "S&maller Text", "&Normal Text Size", "&Search the Book\u2026",
                           "Study &Progress"}));
    EXPECT_EQ(window.Action("SaveScoresItem")->shortcut(), QKeySequence::Save);
    EXPECT_EQ(window.Action("ExitItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(window.Action("ViewSavedScoresItem")->isEnabled());
    EXPECT_TRUE(window.Child("ViewSavedScoresLink")->isEnabled());
    QStringList quiz;
    for (QAction* item : window.Menu("QuizMenu")->actions())
        if (!item->isSeparator() && item->isVisible() && item->isEnabled()) quiz << item->text();
    EXPECT_EQ(quiz, (QStringList{"&True False", "&Multiple Choice",
                                 "True &False / Multiple Choice", "&Glossary Matching",
                                 "Review &Due Questions"}));
    // Every item of the program's own has a letter of its own in its menu; the book's topics
    // keep their titles as written.
    for (QAction* menu : window.form->menuBar()->actions()) {
        std::set<char16_t> letters;
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator() || item->objectName().startsWith("TopicItem")) continue;
            const QString text = item->text();
            const qsizetype at = text.indexOf('&');
            ASSERT_GE(at, 0) << text.toStdString();
            EXPECT_TRUE(letters.insert(text[at + 1].toLower().unicode()).second) << text.toStdString();
        }
    }
    EXPECT_FALSE(window.Action("WordProblemsItem")->isVisible());
    EXPECT_TRUE(window.Child("WordProblemsLink")->isHidden());
    EXPECT_FALSE(window.Child<QLabel>("ChapterImage")->pixmap().isNull());
    EXPECT_FALSE(window.Child<QLabel>("Cover")->pixmap().isNull());
    EXPECT_EQ(window.Child<QLabel>("Cover")->minimumWidth(), 130);
    for (const char* name : {"QuizzesHeading", "ChapterTopicsHeading", "MiscellaneousHeading"}) {
        auto* heading = window.Child<QLabel>(name);
        EXPECT_EQ(heading->palette().color(QPalette::WindowText), QColor(121, 52, 71)) << name;
        EXPECT_TRUE(heading->font().bold()) << name;
    }
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty());
}

TEST(MainForm, MenusFollowTheFlagsOfTheBookAndItsVersion) {
    GuiBook version3;
    version3.Version = 3;
    MainWindow old(version3);
    EXPECT_FALSE(old.Action("GlossaryMatchingItem")->isVisible());
    EXPECT_FALSE(old.Action("AuthorsNotesItem")->isVisible());
    EXPECT_TRUE(old.Action("GlossaryItem")->isVisible());
    EXPECT_FALSE(old.Child("GlossaryMatchingLink")->isHidden()); // links stay

    // Once the glossary is read, the matching quiz is offered only where the chapter has terms.
    GuiBook termsInOne;
    termsInOne.Glossary = TGlossary({{"12", "The smallest unit of life.", "Cell", "1"}});
    MainWindow matching(termsInOne);
    ASSERT_NE(matching.session.Glossary(), nullptr);
    for (const auto& [chapter, offered] : {std::pair{1, true}, std::pair{2, false}}) {
        matching.form->SelectChapter(chapter);
        EXPECT_EQ(matching.Action("GlossaryMatchingItem")->isVisible(), offered) << chapter;
        EXPECT_EQ(matching.Child("GlossaryMatchingLink")->isHidden(), !offered) << chapter;
    }

    GuiBook bare;
    bare.Book.HasGlossary = false;
    bare.Book.Topics.clear();
    MainWindow plain(bare);
    EXPECT_FALSE(plain.Menu("ViewMenu")->menuAction()->isVisible());
    for (const char* link : {"TopicLink1", "TopicLink2", "TopicLink3"})
        EXPECT_TRUE(plain.Child(link)->isHidden());
}

TEST(MainForm, TopicCommandShowsThePageOfTheCurrentChapterOrSaysItIsMissing) {
    GuiBook book;
    book.Pages[1].erase(book.Pages[1].begin()); // chapter 2 has no Summary
    MainWindow window(book);
    auto* link = window.Child<QLabel>("TopicLink1");
    EXPECT_EQ(link->text(), "Summary");
    QTest::mouseClick(link, Qt::LeftButton);
    auto* topic = window.form->TopicView();
    EXPECT_FALSE(topic->isHidden());
    EXPECT_TRUE(window.form->findChild<QTextBrowser*>("htmlLite1")
                    ->toPlainText()
                    .contains("Summary of chapter 1"));

    auto* chooser = window.Child<QComboBox>("ComboBox1");
    chooser->setCurrentIndex(1);
    emit chooser->activated(1);
    EXPECT_EQ(window.form->CurrentChapter(), 2);
    EXPECT_TRUE(topic->isHidden()); // the chapter change hides the views
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(TMessageBoxes::Shown().size(), 1);
    EXPECT_EQ(
        TMessageBoxes::Shown()[0],
        "Unable to load the specified files, please make sure the software was installed properly");
    EXPECT_FALSE(topic->isHidden());
}

TEST(MainForm, AViewThatRefusesToBeLeftKeepsTheChapter) {
    GuiBook book;
    MainWindow window(book);
    QWidget blocker;
    bool allow = false;
    int asked = 0;
    window.form->RegisterView({&blocker,
                               [&] {
                                   ++asked;
                                   return allow;
                               },
                               {},
                               {},
                               {},
                               false});
    blocker.show();

    auto* chooser = window.Child<QComboBox>("ComboBox1");
    chooser->setCurrentIndex(1);
    emit chooser->activated(1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(window.form->CurrentChapter(), 1);
    EXPECT_EQ(chooser->currentIndex(), 0);
    EXPECT_FALSE(blocker.isHidden());

    allow = true;
    window.Action("GlossaryItem")->trigger();
    EXPECT_EQ(asked, 2); // asked once for the whole switch
    EXPECT_TRUE(blocker.isHidden());
    EXPECT_FALSE(window.form->GlossaryView()->isHidden());
}

// The first window makes none of the views or their dialogs. The first command makes them all,
// registered in their fixed order, and the matching quiz takes the chapter chosen before it was
// made.
TEST(MainForm, ViewsAreMadeOnFirstUseInTheirOrder) {
    GuiBook book;
    MainWindow window(book);
    TMainForm& form = *window.form;
    EXPECT_TRUE(form.Views().empty());
    EXPECT_FALSE(form.findChild<TAnswerResponseForm*>());
    EXPECT_FALSE(form.findChild<TSelectChapterForm*>());
    EXPECT_FALSE(form.findChild<TTestForm1*>());
    EXPECT_FALSE(form.findChild<TViewTopicFrame1*>());

    auto* chooser = window.Child<QComboBox>("ComboBox1");
    chooser->setCurrentIndex(1);
    emit chooser->activated(1);
    window.Action("GlossaryMatchingItem")->trigger();
    EXPECT_EQ(form.MatchingQuiz()->windowTitle().toStdString(), "Matching Quiz from Chapter 2");

    std::vector<QWidget*> order;
    for (const TFrameManager& view : form.Views())
        order.push_back(view.Frame);
    EXPECT_EQ(order,
              (std::vector<QWidget*>{form.TestRunner(), form.QuizRunner(), form.MatchingQuiz(),
                                     form.AuthorsNotesView(), form.SavedScores(),
                                     form.GlossaryView(), form.ScoreGraph(), form.TopicView()}));
}

// Under the chapter heading, in the book's heading colour, a one-pixel black line spans the window.
TEST(MainForm, TheChapterHeadingStripHasItsColourAndItsLine) {
    GuiBook book;
    MainWindow window(book);
    QWidget* strip = window.Child("ChapterHeadPanel");
    QWidget* line = window.Child("ChapterHeadLine");
    const QImage shot = strip->grab().toImage();
    // Beside the banner, the strip continues the picture's right edge, so the banner spans the
    // window (the test pictures are plain grey); without a picture it keeps the book's colour.
    const QPixmap banner = window.Child<QLabel>("ChapterImage")->pixmap();
    EXPECT_EQ(shot.pixelColor(strip->width() - 2, 1),
              banner.toImage().pixelColor(banner.width() - 1, 0));
    EXPECT_EQ(line->height(), 1);
    EXPECT_EQ(line->width(), strip->width());
    for (int x : {0, line->width() / 2, line->width() - 1})
        EXPECT_EQ(shot.pixelColor(line->mapTo(strip, QPoint(x, 0))), QColor(Qt::black)) << x;
}

TEST(MainForm, MissingPicturesAreNamedOnceAndTheChapterStillChanges) {
    GuiBook book;
    book.WritePictures = false;
    MainWindow window(book);
    ASSERT_GE(TMessageBoxes::Shown().size(), 2);
    EXPECT_TRUE(TMessageBoxes::Shown()[0].contains("cover.jpg"));
    EXPECT_TRUE(TMessageBoxes::Shown()[1].contains("CHAP1.JPG"));
    const TColor colour = ChapterHeadColor;
    EXPECT_EQ(window.Child("ChapterHeadPanel")->grab().toImage().pixelColor(2, 1),
              QColor(colour.Red, colour.Green, colour.Blue));
    auto* chooser = window.Child<QComboBox>("ComboBox1");
    for (int round = 0; round < 2; ++round)
        for (int index : {1, 0}) {
            chooser->setCurrentIndex(index);
            emit chooser->activated(index);
            EXPECT_EQ(window.form->CurrentChapter(), index + 1);
        }
    EXPECT_EQ(TMessageBoxes::Shown().size(), 3); // CHAP2.JPG once more, then nothing new
    EXPECT_TRUE(window.Child<QLabel>("ChapterImage")->pixmap().isNull());
}

TEST(MainForm, SaveScoresReportsAFailure) {
    GuiBook book;
    MainWindow window(book);
    window.session.SetSaveDirectory((window.session.Folder() / "no-such-folder/").string());
    window.Action("SaveScoresItem")->trigger();
    ASSERT_EQ(TMessageBoxes::Shown().size(), 1);
    EXPECT_EQ(TMessageBoxes::Shown()[0], "Unable to save scores");
    window.session.SetSaveDirectory((window.session.Folder() / "").string());
    window.form->close();
    EXPECT_TRUE(std::filesystem::exists(window.session.Folder() / "SCORES.SAV"));
}

TEST(MainForm, SaveScoresTellsOnceOfAScoreFileDamagedMeanwhile) {
    GuiBook book;
    MainWindow window(book);
    window.session.SetSaveDirectory((window.session.Folder() / "").string());
    book.Dir.Write("SCORES.SAV", std::string("\x02\x00\x01", 3));
    window.Action("SaveScoresItem")->trigger();
    window.Action("SaveScoresItem")->trigger();
    ASSERT_EQ(TMessageBoxes::Shown().size(), 1);
    EXPECT_TRUE(TMessageBoxes::Shown()[0].contains("SCORES.SAV.damaged-"));
}

// A score file name that leads to someone else's file is not written through: the scores go to
// the student's own folder, and the student learns why and where in one box, when it is read.
TEST(MainForm, AScoreFileLinkToAnotherFileIsNotWrittenThrough) {
    GuiBook book;
    MainWindow window(book);
    const std::filesystem::path notes = book.Dir.Path() / "notes.txt";
    book.Dir.Write("notes.txt", "my notes\n");
    std::filesystem::create_symlink(notes, book.Dir.Path() / "SCORES.SAV");
    window.session.Scores();
    window.Action("SaveScoresItem")->trigger();
    window.form->close();
    EXPECT_EQ(testing::TempBookDir::ReadFile(notes), "my notes\n");
    ASSERT_EQ(TMessageBoxes::Shown().size(), 1) << TMessageBoxes::Shown().join("|").toStdString();
    const QString told = TMessageBoxes::Shown()[0];
    EXPECT_TRUE(told.startsWith("The score file " +
                                QString::fromStdString((book.Dir.Path() / "SCORES.SAV").string())))
        << told.toStdString();
    EXPECT_TRUE(told.endsWith(" Your scores will be saved in " +
                              QString::fromStdString(window.session.ScoreFilePath()) + " instead."))
        << told.toStdString();
    EXPECT_TRUE(std::filesystem::exists(window.session.ScoreFilePath()));
}

TEST(MainForm, GlossaryNotesAndAboutFromTheMenus) {
    GuiBook book;
    MainWindow window(book);
    window.Action("GlossaryItem")->trigger();
    EXPECT_FALSE(window.form->GlossaryView()->isHidden());
    window.Action("AuthorsNotesItem")->trigger();
    EXPECT_TRUE(window.form->GlossaryView()->isHidden());
    EXPECT_FALSE(window.form->AuthorsNotesView()->isHidden());
    window.Action("AboutBookItem")->trigger();
    EXPECT_TRUE(window.form->AboutBook()->isVisible());
    window.Action("AboutProgramItem")->trigger();
    EXPECT_TRUE(window.form->AboutProgramDialog()->isVisible());
    // Escape closes either About window.
    for (QWidget* about : {static_cast<QWidget*>(window.form->AboutProgramDialog()),
                           static_cast<QWidget*>(window.form->AboutBook())}) {
        QTest::keyClick(about, Qt::Key_Escape);
        EXPECT_FALSE(about->isVisible());
    }
}

TEST(MainForm, HelpOpensAtItsContentsOrAtTheMainWindowsSection) {
    GuiBook book;
    MainWindow window(book);
    // Over a main window at the screen's corner, it still opens whole on the screen.
    const QRect free = window.form->screen()->availableGeometry();
    window.form->move(free.bottomRight() - QPoint(100, 100));
    window.Action("HelpContentsItem")->trigger();
    EXPECT_TRUE(window.form->Help()->isVisible());
    EXPECT_TRUE(free.contains(window.form->Help()->geometry()))
        << window.form->Help()->geometry().bottom() << " " << free.bottom();
    EXPECT_EQ(window.form->Help()->CurrentSection(), "contents");
    window.form->activateWindow();
    QApplication::setActiveWindow(window.form.get());
    window.Action("ContextHelpAction")->trigger();
    EXPECT_EQ(window.form->Help()->CurrentSection(), "main-window");
    EXPECT_EQ(window.Action("ContextHelpAction")->shortcut(),
              QKeySequence(QKeySequence::HelpContents));
}

} // namespace
} // namespace quillara::gui

namespace quillara::gui {
namespace {

// A page opened from the keyboard takes the focus, shows it with its frame, and scrolls with
// Page Down; Escape closes the help.
TEST(MainForm, PagesTakeTheFocusAndEscapeClosesTheHelp) {
    GuiBook book;
    std::string longPage;
    for (int i = 0; i < 200; ++i)
        longPage += "<p>Line " + std::to_string(i) + "</p>";
    book.Pages[0][0].Page = longPage;
    book.AuthorsNotes = std::string(4000, 'x');
    MainWindow window(book);
    window.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.form.get()));
    window.Action(("TopicItem" + std::to_string(window.session.Book().Topics[0].TopicId)).c_str())
        ->trigger();
    auto* page = window.Child<QTextBrowser>("htmlLite1");
    ASSERT_TRUE(page->isVisible());
    EXPECT_EQ(window.form->focusWidget(), page);
    auto* frame = window.form->TopicView()->findChild<QFrame*>(QStringLiteral("Panel1"));
    EXPECT_EQ(frame->lineWidth(), 2);
    QTest::keyClick(page, Qt::Key_PageDown);
    EXPECT_GT(page->verticalScrollBar()->value(), 0);

    window.Action("AuthorsNotesItem")->trigger();
    EXPECT_EQ(window.form->focusWidget(), window.Child("Memo1"));
    EXPECT_EQ(frame->lineWidth(), 1);
    // The notes' own frame shows their focus; on a wide window they run in a readable column.
    auto* notes = window.Child<QPlainTextEdit>("Memo1");
    EXPECT_EQ(notes->lineWidth(), 2);
    EXPECT_EQ(notes->frameShadow(), QFrame::Plain);
    window.form->resize(2400, 700);
    QApplication::processEvents();
    EXPECT_NEAR(notes->viewport()->width(), ReadableMeasure(notes->document()->defaultFont()), 2);

    window.Action("HelpContentsItem")->trigger();
    THelpWindow* help = window.form->Help();
    ASSERT_TRUE(help->isVisible());
    QTest::keyClick(help->findChild<QWidget*>("helpBrowser"), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

} // namespace
} // namespace quillara::gui
