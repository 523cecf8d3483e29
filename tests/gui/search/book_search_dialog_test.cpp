#include "gui/app/main_form.h"
#include "gui/shell/message_boxes.h"
#include "gui/reading/view_topic_frame.h"
#include "find_child.h"
#include "gui/glossary/glossary_box.h"
#include "gui/glossary/view_glossary_frame.h"
#include "gui/reading/html_lite.h"
#include "main_window.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/search/book_search_dialog.h"
#include "gui/search/search_hit_model.h"
#include "gui/widgets/find_bar.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>
#include <QApplication>
#include <QWindow>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

struct BookSearchTest : ::testing::Test {
    BookSearchTest() {
        // The second "mitochondria" of chapter 2's key ideas lies far down its page.
        std::string page = "<h2>Key ideas</h2><p>Mito<i>chon</i>dria make energy.</p>";
        for (int i = 0; i < 80; ++i)
            page += "<p>Filler line " + std::to_string(i) + ".</p>";
        book.Pages[1][1].Page = page + "<p>More on <b>mitochondria</b>.</p>";
        book.Glossary = TGlossary({{"12", "The smallest unit of life.", "Cell", "1"},
                                   {"", "Uses light and chlorophyll.", "Photosynthesis", "2"},
                                   {"45-46", "Light energy stored.", "phosphate", "1, 2"}});
        window = std::make_unique<MainWindow>(book);
    }

    // Opens the search window from the View menu and searches, ready or not.
    TBookSearchDialog* SearchFor(const QString& text) {
        window->Action("SearchBookItem")->trigger();
        auto* dialog = window->form->findChild<TBookSearchDialog*>();
        if (!dialog) return nullptr;
        auto* box = In<QLineEdit>(dialog, "searchText");
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
        return dialog;
    }

    std::string Cell(TBookSearchDialog* dialog, int row, int column, int role = Qt::DisplayRole) {
        const QVariant value = dialog->Hits().index(row, column).data(role);
        return (role == TSearchHitModel::SnippetRole ? value.toStringList().join("|")
                                                     : value.toString())
            .toStdString();
    }

    void Open(TBookSearchDialog* dialog, int row) {
        auto* list = In<QTreeView>(dialog, "hitList");
        list->setCurrentIndex(dialog->Hits().index(row, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }

    GuiBook book;
    std::unique_ptr<MainWindow> window;
};

TEST_F(BookSearchTest, TheSearchFollowsTheTopicsAfterASeparator) {
    const QList<QAction*> items = window->Menu("ViewMenu")->actions();
    ASSERT_GE(items.size(), 3);
    // Then only the study progress, which also covers the whole book.
    EXPECT_EQ(items.back()->objectName(), "StudyProgressItem");
    const QAction* search = items[items.size() - 2];
    EXPECT_EQ(search->objectName(), "SearchBookItem");
    EXPECT_EQ(search->text(), "&Search the Book\u2026");
    EXPECT_EQ(search->shortcut(), QKeySequence("Ctrl+Shift+F"));
    EXPECT_TRUE(items[items.size() - 3]->isSeparator());
}

TEST_F(BookSearchTest, PreparesTheBookInTheBackgroundThenListsAndOpensTheHit) {
    TBookSearchDialog* dialog = SearchFor("MITOCHONDRIA");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    // The index is built on its own thread: until it is handed over, the window says so.
    EXPECT_FALSE(dialog->Ready());
    EXPECT_TRUE(In<QProgressBar>(dialog, "buildProgress")->isVisible());
    QTRY_VERIFY(dialog->Ready());
    EXPECT_TRUE(In<QProgressBar>(dialog, "buildProgress")->isHidden());

    ASSERT_EQ(dialog->Hits().rowCount(), 2);
    EXPECT_EQ(In<QLabel>(dialog, "searchStatus")->text().toStdString(), "2 matches.");
    EXPECT_EQ(Cell(dialog, 0, 0), "Chapter 2");
    EXPECT_EQ(Cell(dialog, 0, 1), "Key Ideas");
    // The hit marked among whole words of the page as it reads.
    EXPECT_EQ(Cell(dialog, 0, 2, TSearchHitModel::SnippetRole),
              "Key ideas |Mitochondria| make energy. Filler line 0. Filler line 1. Filler line "
              "2.\u2026");
    EXPECT_EQ(Cell(dialog, 0, 0, Qt::ToolTipRole), "Chapter 2 - Energy");

    ASSERT_EQ(window->form->CurrentChapter(), 1);
    Open(dialog, 1);
    EXPECT_EQ(window->form->CurrentChapter(), 2);
    // The page comes to the front: the search is a window of its own, not kept above the book.
    EXPECT_EQ(dialog->windowHandle()->transientParent(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window->form.get(); }));
    TViewTopicFrame1* view = window->form->TopicView();
    ASSERT_FALSE(view->isHidden());
    EXPECT_EQ(In<QLabel>(view, "topicLabel")->text(), "Key Ideas");
    TFindBar* bar = view->PageFindBar();
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(In<QLineEdit>(bar, "findText")->text(), "MITOCHONDRIA");
    ASSERT_EQ(bar->Matches().size(), 2u);
    EXPECT_EQ(bar->CurrentMatch(), 1);
    // The page is scrolled down to it.
    auto* page = In<ThtmlLite>(view, "htmlLite1");
    QTextCursor hit(page->document());
    hit.setPosition(bar->Matches()[1].Begin);
    EXPECT_GT(page->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(page->viewport()->rect().contains(page->cursorRect(hit)));
}

TEST_F(BookSearchTest, AGlossaryHitOpensTheGlossaryOnItsEntry) {
    TBookSearchDialog* dialog = SearchFor("Chlorophyll");
    ASSERT_TRUE(dialog);
    QTRY_VERIFY(dialog->Ready());
    ASSERT_EQ(dialog->Hits().rowCount(), 1);
    EXPECT_EQ(Cell(dialog, 0, 0), "Glossary");
    EXPECT_EQ(Cell(dialog, 0, 1), "Photosynthesis");
    Open(dialog, 0);
    TViewGlossaryFrame1* glossary = window->form->GlossaryView();
    ASSERT_FALSE(glossary->isHidden());
    EXPECT_EQ(In<TGlossaryBox>(glossary, "Terms")->SelectedIndex(), 1);
    EXPECT_EQ(glossary->DefinitionBox()->textCursor().selectedText(), "chlorophyll");
}

TEST_F(BookSearchTest, SaysWhenNothingMatchesAndSearchesAgainAtOnce) {
    TBookSearchDialog* dialog = SearchFor("absent");
    ASSERT_TRUE(dialog);
    QTRY_VERIFY(dialog->Ready());
    auto* status = In<QLabel>(dialog, "searchStatus");
    EXPECT_EQ(status->text().toStdString(), "No matches for \u201C"
                                            "absent\u201D.");
    EXPECT_EQ(dialog->Hits().rowCount(), 0);

    // The book is prepared once: the next search answers before the window shows again.
    auto* box = In<QLineEdit>(dialog, "searchText");
    box->setText("chapter");
    In<QPushButton>(dialog, "searchButton")->click();
    EXPECT_EQ(dialog->Hits().rowCount(), 5);
    EXPECT_EQ(status->text().toStdString(), "5 matches.");
    box->setText("  ");
    dialog->Search();
    EXPECT_EQ(dialog->Hits().rowCount(), 0);
    EXPECT_EQ(status->text().toStdString(), "Type a word or phrase to search for.");
}

TEST_F(BookSearchTest, AHitInAnotherChapterAsksARunningQuizFirst) {
    window->Action("QuizTrueFalseItem")->trigger();
    ASSERT_TRUE(window->form->QuizRunner()->isVisible());
    TBookSearchDialog* dialog = SearchFor("mitochondria");
    ASSERT_TRUE(dialog);
    QTRY_VERIFY(dialog->Ready());

    TMessageBoxes::QueueAnswer(false);
    Open(dialog, 0);
    EXPECT_TRUE(window->form->QuizRunner()->isVisible());
    EXPECT_EQ(window->form->CurrentChapter(), 1);
    EXPECT_TRUE(window->form->TopicView()->isHidden());

    TMessageBoxes::QueueAnswer(true);
    Open(dialog, 0);
    EXPECT_TRUE(window->form->QuizRunner()->isHidden());
    EXPECT_EQ(window->form->CurrentChapter(), 2);
    EXPECT_EQ(window->form->TopicView()->PageFindBar()->CurrentMatch(), 0);
}

TEST_F(BookSearchTest, ClosingTheProgramWhilePreparingStopsTheBuild) {
    ASSERT_TRUE(SearchFor("energy"));
    window.reset();
    QCoreApplication::processEvents(); // anything the build posted is gone with its window
}

} // namespace
} // namespace quillara::gui
