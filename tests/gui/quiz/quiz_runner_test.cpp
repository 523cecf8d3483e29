#include "gui/shell/message_boxes.h"
#include "gui/shell/view_host.h"
#include "find_child.h"
#include "gui/glossary/view_glossary_frame.h"
#include "main_window.h"
#include "gui/quiz/select_chapter_form.h"
#include "gui/quiz/test_window.h"
#include "gui/quiz/attempt_frame.h"
#include "core/scores/score_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

TQuestion Question(std::uint8_t kind, char answer, std::uint8_t choices = 0) {
    TQuestion q;
    q.Kind = kind;
    q.Answer = answer;
    q.ChoiceCount = choices;
    q.Text =
        kind == qkMultipleChoice ? "Pick one:\r\n A) one\r\n B) two\r\n C) three" : "Is it so?";
    return q;
}

// The names of the answer buttons that show, in order.
QStringList VisibleButtons(TTestFrame1* runner) {
    QStringList names;
    for (const char* name :
         {"ButtonTrue", "ButtonFalse", "ButtonA", "buttonB", "ButtonC", "ButtonD", "ButtonE"})
        if (In(runner, name)->isVisible()) names << QString::fromLatin1(name);
    return names;
}

// What the answer response dialog showed, answered with the button of the given name.
struct Response {
    bool Correct = false;
    bool TryAgainOffered = false;
    QString Score;
};
void AnswerResponse(std::vector<Response>& seen, TTestFrame1* runner,
                    const char* button = "Button2") {
    TMessageBoxes::QueueDialog([&seen, runner, button](QDialog* dialog) {
        seen.push_back({!In(dialog, "Correct")->isHidden(),
                        !In(dialog, "TryAgainButton")->isHidden(),
                        In<QLabel>(runner, "ScoreLabel")->text()});
        In<QPushButton>(dialog, button)->click();
        return dialog->result();
    });
}

// The results an ended attempt shows in its runner's place, closed: the runner goes.
void CloseResults(TTestFrame1* runner) {
    ASSERT_TRUE(In(runner, "AttemptResults")->isVisible());
    In<QPushButton>(runner, "ResultsCloseButton")->click();
}

TEST(QuizRunner, ATrueFalseQuizFromTheMenuCountsAndRecords) {
    GuiBook book;
    book.Banks[0] = {Question(qkTrueFalse, 'T'), Question(qkTrueFalse, 'T'),
                     Question(qkTrueFalse, 'T')};
    MainWindow window(book);
    TTestFrame1* runner = window.form->QuizRunner();
    window.Action("QuizTrueFalseItem")->trigger();
    ASSERT_TRUE(runner->isVisible());
    EXPECT_EQ(In<QLabel>(runner, "testDescLabel")->text(), "True False Quiz");
    EXPECT_EQ(In<QPushButton>(runner, "QuitButton")->text(), "End Quiz");
    EXPECT_EQ(In<QLabel>(runner, "QuestionNumber")->text(), "Question 1 of 3, from chapter 1");
    EXPECT_EQ(In<QTextEdit>(runner, "RichEdit1")->toPlainText(), "Is it so?");
    EXPECT_EQ(In<QLabel>(runner, "ScoreLabel")->text(), "");
    EXPECT_EQ(VisibleButtons(runner), (QStringList{"ButtonTrue", "ButtonFalse"}));
    EXPECT_EQ(runner->window()->focusWidget(), In(runner, "ButtonTrue"));
    EXPECT_EQ(window.form->QuizRunner()->property("HelpContext").toInt(), 10003);

    std::vector<Response> seen;
    for (int i = 0; i < 3; ++i)
        AnswerResponse(seen, runner);
    QTest::keyClick(In(runner, "ButtonTrue"), Qt::Key_Space);
    QTest::keyClick(In(runner, "ButtonTrue"), Qt::Key_F); // the key of the False button
    EXPECT_EQ(In<QLabel>(runner, "QuestionNumber")->text(), "Question 3 of 3, from chapter 1");
    QTest::keyClick(In(runner, "ButtonTrue"), Qt::Key_Return); // Enter presses it too
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[0].Correct);
    EXPECT_FALSE(seen[1].Correct);
    EXPECT_FALSE(seen[1].TryAgainOffered);
    EXPECT_EQ(seen[2].Score, "You have answered 2 of 3 questions correctly");

    // After the last answer's dialog the results show; closed, the cover shows.
    CloseResults(runner);
    EXPECT_TRUE(runner->isHidden());
    ASSERT_EQ(window.session.Scores().size(), 1u);
    const TScore& score = window.session.Scores().at(0);
    EXPECT_EQ(score.description(), "True False Quiz from chapter 1");
    EXPECT_EQ(score.detail(0).correct, 2);
    EXPECT_EQ(score.detail(0).incorrect, 1);
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty());
}

TEST(QuizRunner, MultipleChoiceLettersAndTryAgain) {
    GuiBook book;
    book.Banks[0] = {Question(qkMultipleChoice, 'B', 3)};
    MainWindow window(book);
    TTestFrame1* runner = window.form->QuizRunner();
    window.Child("MultipleChoiceLink")->setFocus();
    QTest::keyClick(window.Child("MultipleChoiceLink"), Qt::Key_Return);
    ASSERT_TRUE(runner->isVisible());
    EXPECT_EQ(VisibleButtons(runner), (QStringList{"ButtonA", "buttonB", "ButtonC"}));
    EXPECT_EQ(runner->window()->focusWidget(), In(runner, "ButtonA"));
    EXPECT_EQ(In(runner, "ButtonA")->toolTip(), "Click this button to answer A");
    // The choices are paragraphs of their own, each starting at its letter.
    QStringList paragraphs;
    for (QTextBlock block = In<QTextEdit>(runner, "RichEdit1")->document()->begin();
         block.isValid(); block = block.next())
        if (!block.text().isEmpty()) paragraphs << block.text();
    EXPECT_EQ(paragraphs, (QStringList{"Pick one:", "\tA)\tone", "\tB)\ttwo", "\tC)\tthree"}));

    std::vector<Response> seen;
    QTest::keyClick(In(runner, "ButtonA"), Qt::Key_D); // no D button: nothing happens
    QTest::keyClick(In(runner, "ButtonA"), Qt::Key_T); // nor a True button
    EXPECT_TRUE(seen.empty());
    AnswerResponse(seen, runner, "TryAgainButton");
    QTest::keyClick(In(runner, "ButtonA"), Qt::Key_C);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].TryAgainOffered);
    EXPECT_TRUE(runner->isVisible()) << "the question stays for another try";
    AnswerResponse(seen, runner);
    QTest::keyClick(In(runner, "ButtonA"), Qt::Key_B);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[1].Correct);
    EXPECT_FALSE(seen[1].TryAgainOffered);
    EXPECT_EQ(seen[1].Score, "You have answered 0 of 1 questions correctly");
    CloseResults(runner);
    EXPECT_TRUE(runner->isHidden());
    ASSERT_EQ(window.session.Scores().size(), 1u);
    EXPECT_EQ(window.session.Scores().at(0).totalIncorrect(), 1);
    EXPECT_EQ(window.session.Scores().at(0).totalCorrect(), 0);
}

TEST(QuizRunner, EndingOrLeavingAQuizAsksFirst) {
    GuiBook book;
    book.Banks[0] = {Question(qkTrueFalse, 'T'), Question(qkTrueFalse, 'T')};
    MainWindow window(book);
    TTestFrame1* runner = window.form->QuizRunner();
    window.Action("QuizTrueFalseItem")->trigger();

    // Another chapter while a question waits: No keeps the quiz and the chapter.
    auto* chooser = window.Child<QComboBox>("ComboBox1");
    TMessageBoxes::QueueAnswer(false);
    chooser->setCurrentIndex(1);
    emit chooser->activated(1);
    EXPECT_TRUE(runner->isVisible());
    EXPECT_EQ(window.form->CurrentChapter(), 1);
    EXPECT_EQ(chooser->currentIndex(), 0);

    TMessageBoxes::QueueAnswer(true);
    In<QPushButton>(runner, "QuitButton")->click();
    EXPECT_EQ(TMessageBoxes::Shown(),
              (QStringList{"Are you sure you want to end the current True False Quiz?",
                           "Are you sure you want to end the current True False Quiz?"}));
    EXPECT_TRUE(runner->isHidden());
    EXPECT_TRUE(window.session.Scores().empty()) << "nothing answered, nothing recorded";

    // A chapter without questions of the kind starts nothing.
    window.Action("QuizMultipleChoiceItem")->trigger();
    EXPECT_TRUE(runner->isHidden());
}

TEST(TestWindow, ATestOverChosenChaptersRunsInItsOwnWindow) {
    GuiBook book;
    book.Banks[0] = {Question(qkTrueFalse, 'T'), Question(qkMultipleChoice, 'A', 2)};
    book.Banks[1] = {Question(qkTrueFalse, 'F')};
    MainWindow window(book);
    TTestForm1* testWindow = window.form->TestWindow();
    TTestFrame1* runner = window.form->TestRunner();

    // Cancelled: no test, the cover stays.
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        In<QListWidget>(dialog, "ChapterList")->item(0)->setCheckState(Qt::Checked);
        return int(QDialog::Rejected);
    });
    window.Action("TestTrueFalseItem")->trigger();
    EXPECT_FALSE(testWindow->isVisible());

    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        auto* chapters = In<QListWidget>(dialog, "ChapterList");
        EXPECT_EQ(chapters->count(), 2);
        EXPECT_EQ(chapters->item(0)->checkState(), Qt::Unchecked) << "ticks do not survive";
        chapters->item(1)->setCheckState(Qt::Checked);
        chapters->item(0)->setCheckState(Qt::Checked);
        In<QComboBox>(dialog, "TestSizeList")->setCurrentIndex(0);
        return int(QDialog::Accepted);
    });
    window.Action("TestTrueFalseItem")->trigger();
    ASSERT_TRUE(testWindow->isVisible());
    EXPECT_EQ(testWindow->windowTitle(), "Test");
    // As large as the main window's client area, where a quiz's questions show.
    const QSize clientArea = window.form->findChild<QWidget*>("ClientArea")->size();
    EXPECT_GE(testWindow->width(), clientArea.width());
    EXPECT_GE(testWindow->height(), clientArea.height());
    EXPECT_TRUE(window.form->isVisible());
    EXPECT_EQ(runner->windowTitle(), "True False Test from chapters 1-2");
    EXPECT_EQ(In<QPushButton>(runner, "QuitButton")->text(), "End Test");
    EXPECT_EQ(runner->property("HelpContext").toInt(), 10007);

    In<QPushButton>(runner, "ButtonTrue")->click();
    EXPECT_TRUE(testWindow->isVisible());
    In<QPushButton>(runner, "ButtonFalse")->click();
    CloseResults(runner);
    EXPECT_FALSE(testWindow->isVisible()) << "the test window closes with its results";
    ASSERT_EQ(window.session.Scores().size(), 1u);
    const TScore& score = window.session.Scores().at(0);
    EXPECT_EQ(score.description(), "True False Test from chapters 1-2");
    EXPECT_EQ(score.totalCorrect() + score.totalIncorrect(), 2);
    EXPECT_EQ(score.detailCount(), 2);
}

// The window manager's close box ends a test as End Test does: asked first, then the results.
TEST(TestWindow, ClosingTheWindowEndsTheTestAsEndTestDoes) {
    GuiBook book;
    book.Banks[0] = {Question(qkTrueFalse, 'T'), Question(qkTrueFalse, 'T')};
    MainWindow window(book);
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        In<QListWidget>(dialog, "ChapterList")->item(0)->setCheckState(Qt::Checked);
        return int(QDialog::Accepted);
    });
    window.Action("TestTrueFalseItem")->trigger();
    TTestForm1* testWindow = window.form->TestWindow();
    In<QPushButton>(window.form->TestRunner(), "ButtonTrue")->click();
    const QString asked = "Are you sure you want to end the current True False Test?";

    TMessageBoxes::QueueAnswer(false);
    EXPECT_FALSE(testWindow->close());
    EXPECT_TRUE(testWindow->isVisible()) << "kept at the student's word";
    EXPECT_TRUE(window.form->TestRunner()->AttemptRunning());

    TMessageBoxes::QueueAnswer(true);
    EXPECT_FALSE(testWindow->close());
    EXPECT_EQ(TMessageBoxes::Shown(), (QStringList{asked, asked}));
    EXPECT_TRUE(In<QWidget>(testWindow, "ResultDetails")->isVisible()) << "the results show";
    ASSERT_EQ(window.session.Scores().size(), 1u) << "the answer given was kept";
    // Ended early: what was asked counts, and the results say what was not.
    EXPECT_EQ(In<QLabel>(testWindow, "ResultScore")->text(), "1 of 1, 100%");
    const QString details = In<QTextBrowser>(testWindow, "ResultDetails")->toPlainText();
    EXPECT_TRUE(details.contains("1 of the 2 questions were not asked")) << details.toStdString();
    EXPECT_TRUE(details.contains("Every question answered was right the first time."));
    EXPECT_TRUE(testWindow->close());
    EXPECT_FALSE(testWindow->isVisible());

    // Nothing is left running for the next command to ask about.
    window.Action("GlossaryItem")->trigger();
    EXPECT_EQ(TMessageBoxes::Shown().size(), 2);
    EXPECT_FALSE(window.form->GlossaryView()->isHidden());
}

TEST(QuizRunner, WordProblemsAreJudgedOnTheRoundedValue) {
    GuiBook book;
    const struct {
        const char* formula;
        Extended roundTo;
        const char* label;
        const char* wrong;
        const char* expected;
    } cases[] = {{"5/2", 0, "(Round to nearest integer)", "3", "2"},
                 {"3.14159", 2, "(Round to nearest 0.01)", "3.15", "3.14"},
                 {"1250", -2, "(Round to nearest 100)", "1300", "1200"}};
    book.Banks[0].clear();
    for (const auto& c : cases) {
        TQuestion q = Question(qkWordProblem, 0);
        q.Formula = c.formula;
        q.RoundTo = c.roundTo;
        book.Banks[0].push_back(q);
    }
    MainWindow window(book);
    TTestFrame1* runner = window.form->QuizRunner();
    runner->SetupAttempt(MakeByteSet({qkWordProblem}), "Word-Problem Quiz", 10, MakeByteSet({1}),
                         true);
    window.form->ShowView(runner);
    ASSERT_TRUE(runner->isVisible());
    for (int i = 0; i < 3; ++i) {
        const TQuestion* q = runner->Attempt()->Set().CurrentQuestion();
        const auto& c = *std::find_if(std::begin(cases), std::end(cases),
                                      [&](const auto& k) { return q->Formula == k.formula; });
        EXPECT_TRUE(In(runner, "WordProblemPanel")->isVisible());
        EXPECT_FALSE(In(runner, "MCTFPanel")->isVisible());
        EXPECT_EQ(In<QLabel>(runner, "roundToLabel")->text(), c.label);
        auto* box = In<QLineEdit>(runner, "wpCorrectAnswer");
        EXPECT_EQ(runner->window()->focusWidget(), box);
        QTest::keyClicks(box, "ten");
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(TMessageBoxes::Shown().back(), "'ten' is not a valid floating point value");
        box->setText(QString::fromLatin1(c.wrong));
        In<QPushButton>(runner, "wpSubmitAnswer")->click();
        EXPECT_EQ(TMessageBoxes::Shown().back(),
                  QString::fromLatin1(c.expected) +
                      " is the expected answer.  If your answer is close, the difference may be "
                      "due to rounding error.");
    }
    CloseResults(runner);
    EXPECT_TRUE(runner->isHidden());
    EXPECT_EQ(window.session.Scores().at(0).totalIncorrect(), 3);
}

// Word Problems are offered for the chapters whose bank has one, from the menu and the link, and
// the quiz asks only those, typed answers taking a point or the student's own separator.
TEST(QuizRunner, WordProblemsAreOfferedWhereAChapterHasThem) {
    GuiBook book;
    TQuestion problem = Question(qkWordProblem, 0);
    problem.Formula = "5/2";
    problem.RoundTo = 1;
    book.Banks[1] = {Question(qkTrueFalse, 'T'), problem, problem};
    TRegionalSettings comma;
    comma.DecimalSeparator = ",";
    MainWindow window(book, comma);
    auto* chooser = window.Child<QComboBox>("ComboBox1");
    for (const int chapter : {2, 1, 2}) {
        chooser->setCurrentIndex(chapter - 1);
        emit chooser->activated(chapter - 1);
        EXPECT_EQ(window.Action("WordProblemsItem")->isVisible(), chapter == 2) << chapter;
        EXPECT_EQ(window.Child("WordProblemsLink")->isHidden(), chapter != 2) << chapter;
    }
    window.Action("WordProblemsItem")->trigger();
    TTestFrame1* runner = window.form->QuizRunner();
    ASSERT_TRUE(runner->isVisible());
    EXPECT_EQ(In<QLabel>(runner, "testDescLabel")->text(), "Word-Problem Quiz");
    for (const char* typed : {"2.5", "2,5"}) {
        TMessageBoxes::QueueDialog([](QDialog* dialog) {
            In<QPushButton>(dialog, "Button2")->click();
            return dialog->result();
        });
        auto* box = In<QLineEdit>(runner, "wpCorrectAnswer");
        QTest::keyClicks(box, QString::fromLatin1(typed));
        QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_EQ(window.session.Scores().at(0).totalCorrect(), 2);
    EXPECT_EQ(window.session.Scores().at(0).description(), "Word-Problem Quiz from chapter 2");
}

} // namespace
} // namespace quillara::gui

namespace quillara::gui {
namespace {

TEST(Retake, AsksExactlyTheMissedQuestionsInTheRunnerThatAskedThem) {
    GuiBook book;
    book.Banks[0].clear();
    for (char text = 'a'; text <= 'd'; ++text) {
        TQuestion q = Question(qkMultipleChoice, 'A', 2);
        q.Text = std::string("Question ") + text;
        book.Banks[0].push_back(q);
    }
    MainWindow window(book);
    EXPECT_FALSE(window.Action("RetakeItem")->isEnabled());
    EXPECT_FALSE(window.Child("RetakeLink")->isEnabled());
    TTestFrame1* runner = window.form->QuizRunner();
    window.Action("QuizMultipleChoiceItem")->trigger();
    // Miss b and d; a wrong answer tried again and put right still counts as missed.
    QStringList missed;
    while (const TQuestion* q =
               runner->HasQuestion() ? runner->Attempt()->Set().CurrentQuestion() : nullptr) {
        const QString text = QString::fromStdString(q->Text);
        const bool miss = text.endsWith('b') || text.endsWith('d');
        if (miss) missed << text;
        if (text.endsWith('d')) {
            TMessageBoxes::QueueDialog([](QDialog* dialog) {
                In<QPushButton>(dialog, "TryAgainButton")->click();
                return dialog->result();
            });
            In<QPushButton>(runner, "buttonB")->click();
            In<QPushButton>(runner, "ButtonA")->click();
        } else {
            In<QPushButton>(runner, miss ? "buttonB" : "ButtonA")->click();
        }
    }
    CloseResults(runner);
    ASSERT_TRUE(runner->isHidden());
    EXPECT_TRUE(window.Action("RetakeItem")->isEnabled());
    EXPECT_TRUE(window.Child("RetakeLink")->isEnabled());

    window.Action("RetakeItem")->trigger();
    ASSERT_TRUE(runner->isVisible());
    EXPECT_EQ(In<QLabel>(runner, "testDescLabel")->text(), "Retake of Multiple Choice Quiz");
    QStringList asked;
    while (runner->HasQuestion()) {
        asked << QString::fromStdString(runner->Attempt()->Set().CurrentQuestion()->Text);
        In<QPushButton>(runner, "ButtonA")->click();
    }
    asked.sort();
    missed.sort();
    EXPECT_EQ(asked, missed);
    ASSERT_EQ(window.session.Scores().size(), 2u);
    EXPECT_EQ(window.session.Scores().at(1).description(),
              "Retake of Multiple Choice Quiz from chapter 1");
    EXPECT_EQ(window.session.Scores().at(1).totalCorrect(), 2);
    EXPECT_FALSE(window.Action("RetakeItem")->isEnabled()) << "nothing missed this time";
}

TEST(Retake, ATestIsRetakenInTheTestWindow) {
    GuiBook book;
    book.Banks[0] = {Question(qkTrueFalse, 'T'), Question(qkTrueFalse, 'F')};
    MainWindow window(book);
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        In<QListWidget>(dialog, "ChapterList")->item(0)->setCheckState(Qt::Checked);
        return int(QDialog::Accepted);
    });
    window.Action("TestTrueFalseItem")->trigger();
    TTestFrame1* runner = window.form->TestRunner();
    while (runner->HasQuestion())
        In<QPushButton>(runner, "ButtonTrue")->click();
    CloseResults(runner);
    ASSERT_FALSE(window.form->TestWindow()->isVisible());
    window.Child("RetakeLink")->setFocus();
    QTest::keyClick(window.Child("RetakeLink"), Qt::Key_Return);
    EXPECT_TRUE(window.form->TestWindow()->isVisible());
    EXPECT_EQ(In<QPushButton>(runner, "QuitButton")->text(), "End Test");
    EXPECT_EQ(runner->Attempt()->Set().Count(), 1u);
}

} // namespace
} // namespace quillara::gui
