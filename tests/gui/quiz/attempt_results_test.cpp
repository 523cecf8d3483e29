// After a quiz or test, the window that asked shows its results until the student closes them.
#include "gui/shell/message_boxes.h"
#include "find_child.h"
#include "main_window.h"
#include "gui/quiz/test_window.h"
#include "gui/quiz/attempt_frame.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

TQuestion Asked(std::uint8_t kind, char answer, const char* text, const char* explanation) {
    TQuestion q;
    q.Kind = kind;
    q.Answer = answer;
    q.ChoiceCount = kind == qkMultipleChoice ? 2 : 0;
    q.Text = text;
    q.Explanation = explanation;
    return q;
}

// Next Question on the answer response to a True/False answer.
void NextOnResponse() {
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        In<QPushButton>(dialog, "Button2")->click();
        return dialog->result();
    });
}

// A quiz with one wrong answer: the score, the missed question with both answers and the
// explanation; Enter on the focused Retake asks it again, Escape puts the results away.
TEST(AttemptResults, AQuizShowsWhatWasMissedAndRetakesIt) {
    GuiBook book;
    book.Banks[0] = {Asked(qkTrueFalse, 'T', "Sky is blue?", "Look up."),
                     Asked(qkTrueFalse, 'F', "Grass is red?", "Grass is green."),
                     Asked(qkTrueFalse, 'T', "Water is wet?", "")};
    MainWindow window(book);
    TTestFrame1* runner = window.form->QuizRunner();
    window.Action("QuizTrueFalseItem")->trigger();
    for (int i = 0; i < 3; ++i) {
        NextOnResponse();
        In<QPushButton>(runner, "ButtonTrue")->click();
    }
    ASSERT_TRUE(runner->isVisible());
    ASSERT_TRUE(In(runner, "AttemptResults")->isVisible());
    EXPECT_EQ(In<QLabel>(runner, "ResultScore")->text(), "2 of 3, 66%");
    const QString details = In<QTextBrowser>(runner, "ResultDetails")->toPlainText();
    EXPECT_TRUE(details.contains("Grass is red?")) << details.toStdString();
    EXPECT_TRUE(details.contains("Your answer: True")) << details.toStdString();
    EXPECT_TRUE(details.contains("Right answer: False")) << details.toStdString();
    EXPECT_TRUE(details.contains("Grass is green.")) << details.toStdString();
    EXPECT_FALSE(details.contains("Sky is blue?"));
    auto* retake = In<QPushButton>(runner, "ResultsRetakeButton");
    EXPECT_EQ(runner->window()->focusWidget(), retake);

    // The record is on disk already, the results on screen or not.
    EXPECT_EQ(window.session.Scores().size(), 1u);
    QTest::keyClick(retake, Qt::Key_Return);
    ASSERT_TRUE(runner->isVisible());
    EXPECT_FALSE(In(runner, "AttemptResults")->isVisible());
    EXPECT_EQ(In<QLabel>(runner, "testDescLabel")->text(), "Retake of True False Quiz");
    NextOnResponse();
    In<QPushButton>(runner, "ButtonFalse")->click();
    ASSERT_TRUE(In(runner, "AttemptResults")->isVisible());
    EXPECT_EQ(In<QLabel>(runner, "ResultScore")->text(), "1 of 1, 100%");
    EXPECT_FALSE(In(runner, "ResultsRetakeButton")->isVisible());
    QTest::keyClick(In(runner, "ResultsCloseButton"), Qt::Key_Escape);
    EXPECT_FALSE(runner->isVisible());
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty()) << TMessageBoxes::Shown().join("|").toStdString();
}

// A test ended early shows its results per chapter in the test window; Close hides the window.
TEST(AttemptResults, ATestEndedEarlyShowsEachChapterInItsWindow) {
    GuiBook book;
    book.Banks[0] = {Asked(qkTrueFalse, 'T', "One?", "")};
    book.Banks[1] = {Asked(qkTrueFalse, 'F', "Two?", ""), Asked(qkTrueFalse, 'F', "Three?", "")};
    MainWindow window(book);
    TTestForm1* testWindow = window.form->TestWindow();
    TTestFrame1* runner = testWindow->Runner();
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        auto* chapters = In<QListWidget>(dialog, "ChapterList");
        chapters->item(0)->setCheckState(Qt::Checked);
        chapters->item(1)->setCheckState(Qt::Checked);
        return int(QDialog::Accepted);
    });
    window.Action("TestTrueFalseItem")->trigger();
    ASSERT_TRUE(testWindow->isVisible());
    for (int i = 0; i < 2; ++i) {
        NextOnResponse();
        In<QPushButton>(runner, "ButtonTrue")->click();
    }
    TMessageBoxes::QueueAnswer(true);
    In<QPushButton>(runner, "QuitButton")->click();
    ASSERT_TRUE(testWindow->isVisible());
    ASSERT_TRUE(In(runner, "AttemptResults")->isVisible());
    const int correct = window.session.Scores().at(0).totalCorrect();
    EXPECT_EQ(In<QLabel>(runner, "ResultScore")->text().toStdString(),
              std::to_string(correct) + " of 2, " + std::to_string(correct * 50) + "%");
    const QString details = In<QTextBrowser>(runner, "ResultDetails")->toPlainText();
    EXPECT_TRUE(details.contains("By chapter")) << details.toStdString();
    EXPECT_TRUE(details.contains("Chapter 2")) << details.toStdString();
    In<QPushButton>(runner, "ResultsCloseButton")->click();
    EXPECT_FALSE(testWindow->isVisible());
}

} // namespace
} // namespace quillara::gui
