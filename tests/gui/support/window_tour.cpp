#include "window_tour.h"

#include "gui/help/about_box.h"
#include "gui/help/about_program.h"
#include "gui/help/help_window.h"
#include "gui/shell/message_boxes.h"
#include "gui/app/open_book_dialog.h"
#include "gui/reading/view_topic_frame.h"
#include "find_child.h"
#include "main_window.h"
#include "gui/quiz/matching_quiz_frame.h"
#include "gui/quiz/test_window.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/search/book_search_dialog.h"
#include "gui/widgets/find_bar.h"
#include "gui/widgets/link_label.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace quillara::testing {

namespace {

using gui::TMessageBoxes;

void Settle() {
    QApplication::processEvents();
}

void ClickLink(MainWindow& window, const char* name) {
    QTest::mouseClick(window.Child<gui::TLinkLabel>(name), Qt::LeftButton);
    Settle();
}

// A modal dialog is visited from inside its modal moment, shown as exec() would show it.
void VisitNextDialog(const std::function<void(const ShownWindow&)>& visit, const QString& caption,
                     const QString& moment, std::function<int(QDialog*)> answer = {}) {
    TMessageBoxes::QueueDialog([=](QDialog* dialog) {
        dialog->show();
        Settle();
        visit({dialog, caption, moment});
        const int result = answer ? answer(dialog) : int(QDialog::Rejected);
        dialog->hide();
        return result;
    });
}

} // namespace

void VisitEveryWindow(GuiBook& book, const std::function<void(const ShownWindow&)>& visit) {
    MainWindow window(book);
    gui::TMainForm& form = *window.form;
    Settle();
    const QString main = QStringLiteral("Quillara for ") + QString::fromStdString(book.Book.Title);
    visit({&form, main, QStringLiteral("main window with the cover")});

    // A quiz first, so that the score views have a score to show.
    ClickLink(window, "TrueFalseLink");
    visit({&form, main, QStringLiteral("main window with a quiz question")});
    VisitNextDialog(visit, QStringLiteral("Answer Response"),
                    QStringLiteral("answer response to a wrong answer"));
    if (auto* button = In<QPushButton>(form.QuizRunner(), "ButtonFalse")) button->click();
    Settle();

    const std::pair<const char*, const char*> views[] = {
        {"TopicLink1", "a topic page"},           {"GlossaryLink", "the glossary"},
        {"AuthorsNotesLink", "authors notes"},    {"ViewSavedScoresLink", "the saved scores"},
        {"GraphScoresLink", "the chapter graph"}, {"GlossaryMatchingLink", "the matching quiz"},
    };
    for (const auto& [link, moment] : views) {
        ClickLink(window, link);
        visit({&form, main, QStringLiteral("main window with ") + QLatin1String(moment)});
        if (form.TopicView()->isVisible()) {
            // A page's find bar takes room of its own.
            form.TopicView()->PageFindBar()->OpenBar();
            Settle();
            visit({&form, main, QStringLiteral("main window with a topic page and its find bar")});
            form.TopicView()->PageFindBar()->CloseBar();
        }
    }

    // A matching answer brings its own answer window.
    VisitNextDialog(visit, QStringLiteral("Answer Response"),
                    QStringLiteral("answer response of the matching quiz"));
    if (auto* terms = In<QListWidget>(form.MatchingQuiz(), "TermList"); terms && terms->count())
        QTest::mouseClick(terms->viewport(), Qt::LeftButton, {},
                          terms->visualItemRect(terms->item(0)).center());
    Settle();
    if (form.MatchingQuiz()->Quiz().ConfirmNeeded()) TMessageBoxes::QueueAnswer(true);

    VisitNextDialog(visit, QStringLiteral("Chapter"), QStringLiteral("chapter selection"),
                    [](QDialog* dialog) {
                        In<QListWidget>(dialog, "ChapterList")->item(0)->setCheckState(Qt::Checked);
                        return int(QDialog::Accepted);
                    });
    window.Action("TestTrueFalseItem")->trigger();
    Settle();
    visit({form.TestWindow(), QStringLiteral("Test"), QStringLiteral("test window")});
    form.TestWindow()->hide();

    form.AboutBook()->ShowAbout();
    Settle();
    visit({form.AboutBook(), QStringLiteral("About Book"), QStringLiteral("about book")});
    form.AboutBook()->close();
    form.AboutProgramDialog()->show();
    Settle();
    visit({form.AboutProgramDialog(), QStringLiteral("About Program"),
           QStringLiteral("about program")});
    form.AboutProgramDialog()->close();
    form.Help()->ShowContents();
    Settle();
    visit({form.Help(), QStringLiteral("Quillara Help"), QStringLiteral("help")});
    form.Help()->close();
    window.Action("SearchBookItem")->trigger();
    Settle();
    if (auto* search = form.findChild<gui::TBookSearchDialog*>()) {
        QTRY_VERIFY(search->Ready());
        visit({search, QStringLiteral("Search the Book"), QStringLiteral("book search")});
        search->close();
    }

    gui::TOpenBookDlg openBook;
    VisitNextDialog(visit, QStringLiteral("Dialog"), QStringLiteral("open-book dialog"));
    openBook.ChooseBook();
}

} // namespace quillara::testing
