#include "gui/help/help_window.h"
#include "gui/shell/study_session.h"
#include "gui/reading/view_authors_notes_frame.h"
#include "gui/reading/view_topic_frame.h"
#include "find_child.h"
#include "gui_book.h"
#include "gui/reading/html_lite.h"
#include "gui/widgets/find_bar.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;

// A view that holds a find bar, shown in a window of its own and made active, so that its keys
// reach it as a student's would.
struct Host {
    std::unique_ptr<QWidget> Window;
    TFindBar* Bar = nullptr;
    QAbstractScrollArea* Page = nullptr;
    QTextDocument* Document = nullptr;
};

void Activate(QWidget* window) {
    window->resize(420, 300);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// What the page shows at a match.
QString TextAt(const Host& host, const TDocumentMatch& match) {
    QTextCursor cursor(host.Document);
    cursor.setPosition(match.Begin);
    cursor.setPosition(match.End, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

QList<QTextEdit::ExtraSelection> Marks(const Host& host) {
    if (auto* rich = qobject_cast<QTextEdit*>(host.Page)) return rich->extraSelections();
    return static_cast<QPlainTextEdit*>(host.Page)->extraSelections();
}

QString Status(const Host& host) {
    return In<QLabel>(host.Bar, "findStatus")->text();
}

void Press(const Host& host, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : host.Window.get();
    QTest::keyClick(target, key, modifiers);
}

struct HostCase {
    const char* Name;
    std::function<Host(GuiBook&, TStudySession&)> Make;
    const char* Query;
    QStringList Found; // the page's matches in order, as it shows them
};

// A long page, so that the second match lies far below the first screen.
std::string LongTopicPage() {
    std::string page = "<p>The <b>cell</b> wall.</p>";
    for (int i = 0; i < 80; ++i)
        page += "<p>Line " + std::to_string(i) + " of filler.</p>";
    return page + "<p>Caf&eacute; CELLS &amp; more.</p><p>A last cell.</p>";
}

const HostCase HostCases[] = {
    {"topic page",
     [](GuiBook& book, TStudySession& program) {
         book.Pages[0][0].Page = LongTopicPage();
         program.Open(program.ReadBook(book.Write()));
         auto* view = new TViewTopicFrame1(program);
         Host host{std::unique_ptr<QWidget>(view), view->PageFindBar(),
                   In<ThtmlLite>(view, "htmlLite1"), nullptr};
         Activate(view);
         view->ShowTopic(1, "Summary");
         host.Document = static_cast<QTextEdit*>(host.Page)->document();
         return host;
     },
     "cell",
     {"cell", "CELL", "cell"}},
    {"author's notes",
     [](GuiBook& book, TStudySession& program) {
         book.AuthorsNotes = "Na\xEFve readers\r\nmeet naive ideas; NA\xCFVE again.";
         program.Open(program.ReadBook(book.Write()));
         auto* view = new TViewAuthorsNotesFrame1(program);
         Host host{std::unique_ptr<QWidget>(view), view->NotesFindBar(),
                   In<QPlainTextEdit>(view, "Memo1"), nullptr};
         Activate(view);
         view->ShowNotes();
         host.Document = static_cast<QPlainTextEdit*>(host.Page)->document();
         return host;
     },
     "naive",
     {"Na\u00EFve", "naive", "NA\u00CFVE"}},
    {"help",
     [](GuiBook&, TStudySession&) {
         auto* help = new THelpWindow;
         help->ShowContents();
         Host host{std::unique_ptr<QWidget>(help), help->PageFindBar(),
                   In<QTextBrowser>(help, "helpBrowser"), nullptr};
         Activate(help);
         host.Document = static_cast<QTextEdit*>(host.Page)->document();
         return host;
     },
     "QUILLARA",
     {}},
};

TEST(FindBar, CtrlFFindsAndF3MovesOnThroughEveryMatchAndRound) {
    for (const HostCase& c : HostCases) {
        SCOPED_TRACE(c.Name);
        GuiBook book;
        TStudySession program;
        const Host host = c.Make(book, program);
        EXPECT_TRUE(host.Bar->isHidden());

        Press(host, Qt::Key_F, Qt::ControlModifier);
        ASSERT_FALSE(host.Bar->isHidden());
        QTest::keyClicks(QApplication::focusWidget(), c.Query);
        const auto& found = host.Bar->Matches();
        if (!c.Found.isEmpty()) {
            ASSERT_EQ(found.size(), static_cast<std::size_t>(c.Found.size()));
            for (qsizetype i = 0; i < c.Found.size(); ++i)
                EXPECT_EQ(TextAt(host, found[static_cast<std::size_t>(i)]), c.Found[i]);
        }
        ASSERT_GE(found.size(), 3u);
        const int count = static_cast<int>(found.size());
        EXPECT_EQ(host.Bar->CurrentMatch(), 0);
        EXPECT_EQ(Marks(host).size(), count);

        Press(host, Qt::Key_F3);
        ASSERT_EQ(host.Bar->CurrentMatch(), 1);
        EXPECT_EQ(Status(host), QString("2 of %1").arg(count));
        // The second match is the one coloured as current, and it is in sight.
        const auto marks = Marks(host);
        EXPECT_EQ(marks[1].cursor.selectionStart(), found[1].Begin);
        EXPECT_NE(marks[1].format.background(), marks[0].format.background());
        QTextCursor second(host.Document);
        second.setPosition(found[1].Begin);
        const QRect place = qobject_cast<QTextEdit*>(host.Page)
                                ? static_cast<QTextEdit*>(host.Page)->cursorRect(second)
                                : static_cast<QPlainTextEdit*>(host.Page)->cursorRect(second);
        EXPECT_TRUE(host.Page->viewport()->rect().contains(place));

        // Back past the first to the last; Enter and Shift+Enter in the box do the same.
        Press(host, Qt::Key_F3, Qt::ShiftModifier);
        Press(host, Qt::Key_F3, Qt::ShiftModifier);
        EXPECT_EQ(host.Bar->CurrentMatch(), count - 1);
        EXPECT_EQ(Status(host), QString("%1 of %1, from the bottom").arg(count));
        Press(host, Qt::Key_Return);
        EXPECT_EQ(host.Bar->CurrentMatch(), 0);
        EXPECT_EQ(Status(host), QString("1 of %1, from the top").arg(count));
        // Whole even in a narrow view: the status has a line of its own.
        auto* status = In<QLabel>(host.Bar, "findStatus");
        EXPECT_GE(status->width(), status->fontMetrics().horizontalAdvance(status->text()));
        Press(host, Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(host.Bar->CurrentMatch(), count - 1);

        Press(host, Qt::Key_Escape);
        EXPECT_TRUE(host.Bar->isHidden());
        EXPECT_TRUE(Marks(host).isEmpty());
        // F3 brings the bar back on its text, at the first match from the top of the page.
        host.Page->verticalScrollBar()->setValue(0);
        Press(host, Qt::Key_F3);
        EXPECT_FALSE(host.Bar->isHidden());
        EXPECT_EQ(host.Bar->CurrentMatch(), 0);
    }
}

TEST(FindBar, TypingKeepsTheCurrentMatchAndANewPageIsSearchedAfresh) {
    GuiBook book;
    TStudySession program;
    const Host host = HostCases[0].Make(book, program);
    auto* view = static_cast<TViewTopicFrame1*>(host.Window.get());
    auto* box = In<QLineEdit>(host.Bar, "findText");
    host.Bar->OpenBar();
    QTest::keyClicks(box, "ce");
    Press(host, Qt::Key_F3);
    const int begin = host.Bar->Matches()[1].Begin;
    QTest::keyClicks(box, "lls");
    ASSERT_EQ(host.Bar->Matches().size(), 1u);
    EXPECT_EQ(host.Bar->Matches()[0].Begin, begin);
    EXPECT_EQ(Status(host), "1 of 1");
    QTest::keyClicks(box, "x");
    EXPECT_EQ(host.Bar->CurrentMatch(), -1);
    EXPECT_EQ(Status(host), "No matches");

    box->setText("chapter");
    EXPECT_EQ(Status(host), "No matches");
    view->ShowTopic(2, "Summary");
    EXPECT_EQ(host.Bar->Matches().size(), 1u);
    EXPECT_EQ(Status(host), "1 of 1");
}

} // namespace
} // namespace quillara::gui
