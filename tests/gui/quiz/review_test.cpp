#include "core/quiz/question_set.h"
#include "core/review/study_log.h"
#include "find_child.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/shell/message_boxes.h"
#include "main_window.h"

#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

// Chapter 1 holds True/False questions "Question a", "Question b", ..., each true.
void AskInChapterOne(GuiBook& book, const std::string& letters) {
    book.Banks[0].clear();
    for (char letter : letters) {
        TQuestion q;
        q.Kind = qkTrueFalse;
        q.Answer = 'T';
        q.Text = std::string("Question ") + letter;
        book.Banks[0].push_back(q);
    }
}

// Answers every question the runner asks, wrongly where the text ends in one of `wrong`;
// returns the texts in the order asked.
QStringList AnswerAll(TTestFrame1* runner, const QString& wrong = {}) {
    QStringList asked;
    while (runner->HasQuestion()) {
        const TQuestion& question = *runner->Attempt()->Set().CurrentQuestion();
        const QString text = QString::fromStdString(question.Text);
        asked << text;
        if (question.Kind == qkMultipleChoice)
            QTest::keyClick(runner, Qt::Key(Qt::Key_A + (question.Answer - 'A')));
        else
            In<QPushButton>(runner, wrong.contains(text.back()) ? "ButtonFalse" : "ButtonTrue")
                ->click();
    }
    In<QPushButton>(runner, "ResultsCloseButton")->click();
    return asked;
}

TEST(Review, TheQuestionsMissedBeforeARestartCanBeRetaken) {
    GuiBook book;
    AskInChapterOne(book, "abcd");
    {
        MainWindow first(book);
        first.Action("QuizTrueFalseItem")->trigger();
        AnswerAll(first.form->QuizRunner(), "bd");
        first.form->close();
    }
    MainWindow again(book);
    EXPECT_FALSE(again.Action("RetakeItem")->isEnabled());
    again.session.Scores(); // as start-up does once the window is drawn
    ASSERT_TRUE(again.Action("RetakeItem")->isEnabled());
    EXPECT_TRUE(again.Child("RetakeLink")->isEnabled());
    again.Action("RetakeItem")->trigger();
    TTestFrame1* runner = again.form->QuizRunner();
    EXPECT_EQ(In<QLabel>(runner, "testDescLabel")->text(), "Retake of True False Quiz");
    QStringList asked = AnswerAll(runner);
    asked.sort();
    EXPECT_EQ(asked, (QStringList{"Question b", "Question d"}));
}

TEST(Review, AsksWhatIsDueTheMostOverdueFirstAndSaysWhenNothingIs) {
    GuiBook book;
    AskInChapterOne(book, "abc");
    MainWindow window(book);
    window.session.Scores();
    window.Action("ReviewItem")->trigger();
    ASSERT_EQ(TMessageBoxes::Shown().size(), 1);
    EXPECT_TRUE(TMessageBoxes::Shown()[0].startsWith("Nothing is due for review. The questions"));
    EXPECT_FALSE(std::filesystem::exists(window.session.Folder() / TStudyLog::FileName))
        << "asking makes no log";

    // Answered days ago in another window: a and c wrongly, c earliest; b right just now.
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const auto questions = QuestionsAtPlaces(window.session.BookDir(), 1, {0, 1, 2});
    ASSERT_EQ(questions.size(), 3u);
    {
        TStudyLog log(window.session.Folder(), now);
        const std::int64_t day = 86400000;
        log.Record({QuestionKey(questions[2]), false, "F", "", 900, "True False Quiz",
                    now - 20 * day, now - 20 * day});
        log.Record({QuestionKey(questions[0]), false, "F", "", 900, "True False Quiz",
                    now - 10 * day, now - 10 * day});
        log.Record({QuestionKey(questions[1]), true, "T", "", 900, "True False Quiz", now, now});
        log.Record({TermKey(1, "Cell", "The smallest unit of life."), false, "phosphate", "", 900,
                    "Matching Quiz from Chapter 1", now - 5 * day, now - 5 * day});
    }
    // The overview reads the same log: every question of chapter 1 met, studied on four days,
    // and what is due, as text too.
    window.Action("StudyProgressItem")->trigger();
    auto* progress = window.form->findChild<QDialog*>("StudyProgressDialog");
    ASSERT_NE(progress, nullptr);
    auto* chapters = In<QTableWidget>(progress, "ChapterProgress");
    ASSERT_EQ(chapters->rowCount(), 2);
    EXPECT_EQ(chapters->item(0, 1)->text(), "3 of 3");
    EXPECT_TRUE(chapters->item(0, 2)->text().endsWith('%'));
    EXPECT_EQ(chapters->item(1, 2)->text(), "none met yet");
    EXPECT_EQ(In<QLabel>(progress, "StudiedText")->text(), "You studied on 4 of the last 84 days.");
    EXPECT_TRUE(In<QLabel>(progress, "DueText")->text().contains(": 3;"))
        << In<QLabel>(progress, "DueText")->text().toStdString();
    progress->close();

    window.Action("ReviewItem")->trigger();
    TTestFrame1* runner = window.form->QuizRunner();
    ASSERT_TRUE(runner->isVisible());
    EXPECT_EQ(In<QLabel>(runner, "testDescLabel")->text(), "Review of 3 questions");
    // A term comes as its definition with the glossary's terms to choose from.
    const QStringList asked = AnswerAll(runner);
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked.mid(0, 2), (QStringList{"Question c", "Question a"}));
    EXPECT_TRUE(asked[2].startsWith("Which term has this meaning?\r\nThe smallest unit of life."))
        << asked[2].toStdString();
    for (const char* term : {") Cell", ") Photosynthesis", ") phosphate"})
        EXPECT_TRUE(asked[2].contains(term)) << term;
    EXPECT_EQ(window.session.Scores().at(window.session.Scores().size() - 1).description(),
              "Review of 3 questions");
    int termReviews = 0;
    for (const TStudyItem& item : TStudyLog(window.session.Folder(), now).Items())
        if (item.Key.Kind == "term") termReviews = item.Memory.Reps;
    EXPECT_EQ(termReviews, 2);
    EXPECT_EQ(window.Child<QLabel>("ReviewLink")->text(), "Review");

    window.Action("ReviewItem")->trigger();
    EXPECT_TRUE(TMessageBoxes::Shown().back().startsWith(
        "Nothing is due for review today. The next review is due on "))
        << TMessageBoxes::Shown().back().toStdString();
}

} // namespace
} // namespace quillara::gui
