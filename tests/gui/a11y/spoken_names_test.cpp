#include "gui/app/main_form.h"
#include "find_child.h"
#include "gui/glossary/view_glossary_frame.h"
#include "gui_book.h"
#include "main_window.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/widgets/link_label.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

// What a screen reader reads of the widget.
std::string Spoken(QWidget* widget, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(widget)->text(text).toStdString();
}

TEST(SpokenNames, PicturesSayWhatTheyShowAndAnswerButtonsWhatTheyAnswer) {
    GuiBook book;
    TQuestion multipleChoice;
    multipleChoice.Kind = qkMultipleChoice;
    multipleChoice.Answer = 'A';
    multipleChoice.ChoiceCount = 5;
    multipleChoice.Text = "Pick one.";
    book.Banks[1] = {multipleChoice};
    MainWindow window(book);
    EXPECT_EQ(Spoken(window.Child("Cover"), QAccessible::Name), "Cover of the book");
    EXPECT_EQ(Spoken(window.Child("ChapterImage"), QAccessible::Name), "Chapter heading");
    EXPECT_EQ(Spoken(window.Child("ChapterImage"), QAccessible::Description), "Chapter 1 - Cells");
    window.form->SelectChapter(2);
    EXPECT_EQ(Spoken(window.Child("ChapterImage"), QAccessible::Description), "Chapter 2 - Energy");

    TTestFrame1* runner = window.form->QuizRunner();
    const std::pair<const char*, const char*> buttons[] = {
        {"ButtonTrue", "Answer True"}, {"ButtonFalse", "Answer False"}, {"ButtonA", "Answer A"},
        {"buttonB", "Answer B"},       {"ButtonE", "Answer E"},
    };
    for (const auto& [name, spoken] : buttons)
        EXPECT_EQ(Spoken(In(runner, name), QAccessible::Name), spoken);
    window.form->GiveQuiz(MakeByteSet({qkMultipleChoice}), "Multiple Choice Quiz");
    ASSERT_TRUE(In(runner, "ButtonE")->isVisible());
    EXPECT_EQ(Spoken(In(runner, "ButtonE"), QAccessible::Description),
              "Click this button to answer E");
}

TEST(SpokenNames, EveryLinkOfTheMainWindowIsALinkThatSaysWhereItGoes) {
    GuiBook book;
    MainWindow window(book);
    const auto links = window.form->findChildren<TLinkLabel*>();
    ASSERT_GE(links.size(), 12);
    for (TLinkLabel* link : links) {
        SCOPED_TRACE(link->objectName().toStdString());
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(link);
        EXPECT_EQ(spoken->role(), QAccessible::Link);
        EXPECT_EQ(spoken->text(QAccessible::Name), link->text());
        EXPECT_FALSE(spoken->text(QAccessible::Description).isEmpty());
    }
    EXPECT_EQ(Spoken(window.Child("TopicLink2"), QAccessible::Description),
              "Opens the page Key Ideas of this chapter");

    // A screen reader follows a link as a click does, and not one that is off.
    auto follow = [&](const char* name) {
        QAccessible::queryAccessibleInterface(window.Child(name))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    };
    follow("RetakeLink");
    EXPECT_FALSE(window.form->QuizRunner()->isVisible());
    follow("GlossaryLink");
    EXPECT_TRUE(window.form->GlossaryView()->isVisible());
}

TEST(Keyboard, TabVisitsTheLinksOfTheMainWindowInTheirOrderWithAVisibleFocus) {
    GuiBook book;
    MainWindow window(book);
    QApplication::setActiveWindow(window.form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.form.get()));
    QWidget* chooser = window.Child("ComboBox1");
    chooser->setFocus();

    auto* first = window.Child<TLinkLabel>("TrueFalseLink");
    const QImage unfocused = first->grab().toImage();
    QStringList visited;
    for (int presses = 0; presses < 50; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        if (focused == chooser) break;
        if (qobject_cast<TLinkLabel*>(focused)) visited << focused->objectName();
        if (focused == first) EXPECT_NE(first->grab().toImage(), unfocused) << "no focus frame";
    }
    // The retake has nothing to ask yet; the word problems are never offered.
    EXPECT_EQ(visited.join(' ').toStdString(),
              "TrueFalseLink MultipleChoiceLink MixedLink GlossaryMatchingLink ReviewLink TopicLink1 "
              "TopicLink2 TopicLink3 GlossaryLink GraphScoresLink ViewSavedScoresLink "
              "AuthorsNotesLink");
}

} // namespace
} // namespace quillara::gui
