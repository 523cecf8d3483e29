#include "gui/shell/message_boxes.h"
#include "find_child.h"
#include "main_window.h"
#include "gui/quiz/matching_quiz_frame.h"
#include "core/scores/score_file.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

// Chapter 1 of the book gets `terms` glossary terms, and only those.
void SetTerms(GuiBook& book, int terms) {
    book.Glossary = TGlossary();
    for (int i = 1; i <= terms; ++i)
        book.Glossary.Add({"", "Meaning " + std::to_string(i), "Term" + std::to_string(i), "1"});
}

// The verdict the glossary answer dialog showed, closed with its OK button.
void ExpectVerdict(QStringList& verdicts) {
    TMessageBoxes::QueueDialog([&verdicts](QDialog* dialog) {
        verdicts << In<QLabel>(dialog, "Response")->text();
        In<QPushButton>(dialog, "OKButton")->click();
        return dialog->result();
    });
}

TEST(MatchingQuizFrame, AnswersFromTheKeyboardAndTheMouseUntilTheEnd) {
    GuiBook book;
    SetTerms(book, 12);
    MainWindow window(book);
    TMatchingQuizFrame1* frame = window.form->MatchingQuiz();
    window.Action("GlossaryMatchingItem")->trigger();
    ASSERT_TRUE(frame->isVisible());
    auto* terms = In<QListWidget>(frame, "TermList");
    EXPECT_EQ(terms->count(), 12);
    EXPECT_EQ(terms->item(0)->text(), "Term1") << "glossary order";
    EXPECT_EQ(frame->window()->focusWidget(), terms);
    EXPECT_EQ(In<QLabel>(frame, "ScorePanel")->text(), "Nothing has been answered yet");
    EXPECT_EQ(frame->windowTitle(), "Matching Quiz from Chapter 1");

    QStringList verdicts;
    // Down selects the first term, Enter answers with it.
    ExpectVerdict(verdicts);
    QTest::keyClick(terms, Qt::Key_Down);
    QTest::keyClick(terms, Qt::Key_Return);
    ASSERT_EQ(verdicts.size(), 1);
    EXPECT_TRUE(verdicts[0].startsWith("The term Term1 is "));
    EXPECT_EQ(terms->count(), 11);

    // Clicking where there is no item does nothing; clicking the right term answers it.
    QTest::mouseClick(terms->viewport(), Qt::LeftButton, {}, QPoint(5, terms->height() - 5));
    EXPECT_EQ(terms->count(), 11);
    const QString definition = In<QTextEdit>(frame, "MatchingDef")->toPlainText();
    const QString right = "Term" + definition.mid(QStringLiteral("Meaning ").size());
    const auto found = terms->findItems(right, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    ExpectVerdict(verdicts);
    QTest::mouseClick(terms->viewport(), Qt::LeftButton, {},
                      terms->visualItemRect(found[0]).center());
    ASSERT_EQ(verdicts.size(), 2);
    EXPECT_EQ(verdicts[1], "The term " + right + " is correct!");
    EXPECT_EQ(terms->count(), 10);

    // Space answers like Enter; the last of ten definitions ends the quiz.
    for (int asked = 3; asked <= 10; ++asked) {
        QTest::keyClick(terms, Qt::Key_Down);
        QTest::keyClick(terms, Qt::Key_Space);
        EXPECT_EQ(terms->count(), asked == 10 ? 0 : 12 - asked);
    }
    EXPECT_EQ(TMessageBoxes::Shown().back(), "End of Matching Quiz");
    ASSERT_EQ(window.session.Scores().size(), 1u);
    EXPECT_EQ(window.session.Scores().at(0).totalAnswered(), 10);
    const int correct = window.session.Scores().at(0).totalCorrect();
    EXPECT_GE(correct, 1);

    // The results list each missed definition with the term chosen and the right one, and offer
    // no retake; Escape puts them away.
    ASSERT_TRUE(In(frame, "AttemptResults")->isVisible());
    EXPECT_EQ(In<QLabel>(frame, "ResultScore")->text().toStdString(),
              std::to_string(correct) + " of 10, " + std::to_string(correct * 10) + "%");
    const QString details = In<QTextBrowser>(frame, "ResultDetails")->toPlainText();
    EXPECT_EQ(details.count("Right answer: Term"), 10 - correct) << details.toStdString();
    if (correct < 10) EXPECT_TRUE(details.contains("Meaning ")) << details.toStdString();
    EXPECT_FALSE(In(frame, "ResultsRetakeButton")->isVisible());
    QTest::keyClick(In(frame, "ResultsCloseButton"), Qt::Key_Escape);
    EXPECT_TRUE(frame->isHidden());
}

TEST(MatchingQuizFrame, EndingEarlyAsksAndAChapterWithoutTermsEndsAtOnce) {
    GuiBook book;
    SetTerms(book, 4);
    MainWindow window(book);
    TMatchingQuizFrame1* frame = window.form->MatchingQuiz();
    window.Child("GlossaryMatchingLink")->setFocus();
    QTest::keyClick(window.Child("GlossaryMatchingLink"), Qt::Key_Space);
    ASSERT_TRUE(frame->isVisible());
    TMessageBoxes::QueueAnswer(false);
    In<QPushButton>(frame, "Button1")->click();
    EXPECT_TRUE(frame->isVisible());
    TMessageBoxes::QueueAnswer(true);
    In<QPushButton>(frame, "Button1")->click();
    EXPECT_TRUE(frame->isHidden());
    EXPECT_EQ(TMessageBoxes::Shown(),
              QStringList(2, "Are you sure you want to end the matching quiz?"));
    EXPECT_TRUE(window.session.Scores().empty());

    window.form->SelectChapter(2);
    window.Action("GlossaryMatchingItem")->trigger();
    EXPECT_TRUE(frame->isHidden());
    EXPECT_EQ(TMessageBoxes::Shown().back(), "End of Matching Quiz");
    EXPECT_TRUE(window.session.Scores().empty());
}

} // namespace
} // namespace quillara::gui
