#include "gui/shell/message_boxes.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "gui/quiz/answer_response_form.h"
#include "gui/quiz/glos_answer_response.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quillara::gui {
namespace {

TQuestion Question(std::string explanation, std::optional<std::vector<std::string>> terms) {
    TQuestion question;
    question.Explanation = std::move(explanation);
    question.GlossaryTerms = std::move(terms);
    return question;
}

QString Text(QDialog* d, const char* name) {
    if (auto* label = d->findChild<QLabel*>(name)) return label->text();
    return d->findChild<QPlainTextEdit*>(name)->toPlainText();
}

// Page, chapter and definition of the selected related term.
QString Details(QDialog* d) {
    return Text(d, "RelatedPage") + "|" + Text(d, "RelatedChapter") + "|" + Text(d, "RelatedDef");
}

// Shown as exec would show it, so that keys and clicks reach it as they reach a student's.
void ShowForReal(QDialog* d) {
    d->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
}

// Each named control lies inside the dialog and is as tall as its text needs.
void ExpectNothingCut(QDialog* d, const QStringList& names) {
    for (const QString& name : names) {
        auto* control = d->findChild<QWidget*>(name);
        const int needed = control->hasHeightForWidth() ? control->heightForWidth(control->width())
                                                        : control->minimumSize().height();
        EXPECT_GE(control->height(), needed) << name.toStdString();
        EXPECT_TRUE(d->rect().contains(QRect(control->mapTo(d, QPoint()), control->size())))
            << name.toStdString();
    }
}

struct AnswerResponse : ::testing::Test {
    AnswerResponse() {
        Glossary = TGlossary({{"12", "The smallest unit of life.", "Cell", "1"},
                              {"", "", "Photosynthesis", "2"},
                              {"45-46", "Light energy stored.", "phosphate", "1, 2"},
                              {"7", "A place to eat.", "Caf\xe9", ""}});
        Form.SetGlossary(&Glossary);
    }

    TGlossary Glossary;
    TAnswerResponseForm Form;
};

TEST_F(AnswerResponse, EachKindOfAnswerShowsItsOwnControls) {
    const QStringList controls{
        "Correct",        "AnswerResponse", "QuestionExplanation", "RelatedTerms", "RelatedPage",
        "RelatedChapter", "RelatedDef",     "TryAgainButton",      "Button1",      "Button2"};
    const std::vector<std::string> terms{"Cell", "phosphate"};
    const QString wrong = "You answered the question incorrectly";
    struct Case {
        TQuestion question;
        bool correct, mayTryAgain;
        QString visible, headline;
    };
    const std::vector<Case> cases{
        {Question("Why.", terms), true, true, "Correct Button2", ""},
        {Question("Why.", terms), false, true,
         "AnswerResponse QuestionExplanation TryAgainButton Button1", wrong + ", here is why:"},
        {Question("", terms), false, false,
         "AnswerResponse RelatedTerms RelatedPage RelatedChapter RelatedDef Button2",
         wrong + ", here are some glossary terms that are related to this question"},
        {Question("", std::nullopt), false, true, "AnswerResponse TryAgainButton Button1",
         wrong + "."},
        {Question("", std::vector<std::string>{}), false, false, "AnswerResponse Button2",
         wrong + "."},
    };
    // One dialog answers every case, forwards then backwards: nothing may carry over.
    for (const int i : {0, 1, 2, 3, 4, 3, 2, 1, 0}) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        TMessageBoxes::QueueDialog([&](QDialog* d) {
            QStringList visible;
            for (const QString& name : controls) {
                auto* control = d->findChild<QWidget*>(name);
                if (!control->isVisibleTo(d)) continue;
                visible << name;
                EXPECT_FALSE(control->accessibleName().isEmpty()) << name.toStdString();
            }
            EXPECT_EQ(visible.join(' '), c.visible);
            EXPECT_EQ(Text(d, c.correct ? "Correct" : "AnswerResponse"),
                      c.correct ? "Correct!" : c.headline);
            if (visible.contains("QuestionExplanation"))
                EXPECT_EQ(Text(d, "QuestionExplanation"), "Why.");
            if (visible.contains("RelatedTerms"))
                EXPECT_EQ(Details(d), "Page:  12|Chapter:  1|The smallest unit of life.");
            // Enter at once means "Next Question".
            auto* next = qobject_cast<QPushButton*>(d->focusWidget());
            EXPECT_TRUE(next && next->isDefault() && next->isVisibleTo(d));
            EXPECT_EQ(next->text(), "Next Question");
            next->click();
            return d->result();
        });
        EXPECT_FALSE(Form.Execute(nullptr, c.question, c.correct, c.mayTryAgain));
    }
}

TEST_F(AnswerResponse, TheChoiceFollowsTheButtonThatClosedTheDialog) {
    const auto key = [](const char* focus, Qt::Key k) {
        return [=](QDialog* d) {
            ShowForReal(d);
            auto* target = d->findChild<QWidget*>(focus);
            target->setFocus();
            QTest::keyClick(target, k);
        };
    };
    struct Case {
        const char* name;
        std::function<void(QDialog*)> close;
        bool tryAgain, accepted;
    };
    // In this order every choice follows the other one.
    const std::vector<Case> cases{
        {"Try Again clicked",
         [](QDialog* d) { d->findChild<QPushButton*>("TryAgainButton")->click(); }, true, true},
        {"Next Question clicked",
         [](QDialog* d) { d->findChild<QPushButton*>("Button1")->click(); }, false, true},
        {"Space on Try Again", key("TryAgainButton", Qt::Key_Space), true, true},
        {"close box", [](QDialog* d) { ShowForReal(d), d->close(); }, false, false},
        {"Enter on Try Again", key("TryAgainButton", Qt::Key_Return), true, true},
        {"Enter as the dialog opens", key("Button1", Qt::Key_Return), false, true},
        {"Enter in the list of terms", key("RelatedTerms", Qt::Key_Return), false, true},
        {"Escape", key("Button1", Qt::Key_Escape), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMessageBoxes::QueueDialog([&](QDialog* d) {
            c.close(d);
            EXPECT_FALSE(d->isVisible());
            EXPECT_EQ(d->result(), c.accepted ? QDialog::Accepted : QDialog::Rejected);
            return d->result();
        });
        EXPECT_EQ(
            Form.Execute(nullptr, Question("", std::vector<std::string>{"Cell"}), false, true),
            c.tryAgain);
        EXPECT_EQ(Form.TryAgainChosen(), c.tryAgain);
    }
}

TEST_F(AnswerResponse, ClickingATermShowsItsDefinitionPageAndChapter) {
    const std::vector<std::pair<int, QString>> clicks{
        {1, "||"}, // not in the glossary
        {2, "Page:  45-46|Chapter:  1, 2|Light energy stored."},
        {3, "|Chapter:  2|"},
        {4, "Page:  7||A place to eat."},
        {0, "Page:  12|Chapter:  1|The smallest unit of life."},
    };
    TMessageBoxes::QueueDialog([&](QDialog* d) {
        ShowForReal(d);
        auto* list = d->findChild<QListWidget*>("RelatedTerms");
        EXPECT_EQ(list->item(4)->text(), QString::fromUtf8("caf\u00e9"));
        for (const auto& [row, details] : clicks) {
            const QRect line = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
            EXPECT_EQ(Details(d), details) << row;
        }
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(Details(d), "||");
        d->reject();
        return d->result();
    });
    const TQuestion question = Question(
        "", std::vector<std::string>{"Cell", "Nucleus", "PHOSPHATE", "Photosynthesis", "caf\xe9"});
    Form.Execute(nullptr, question, false, false);

    // Without a glossary the terms come alone.
    Form.SetGlossary(nullptr);
    TMessageBoxes::QueueDialog([](QDialog* d) {
        EXPECT_EQ(Details(d), "||");
        return int(QDialog::Rejected);
    });
    Form.Execute(nullptr, question, false, false);
}

TEST(AnswerResponseFont, ALargerFontMakesTheDialogLargerInsteadOfCuttingText) {
    TAnswerResponseForm form;
    const TQuestion question = Question("", std::vector<std::string>{"Cell", "phosphate"});
    form.Execute(nullptr, question, false, true);
    QFont large = form.font();
    large.setPixelSize(24);
    form.setFont(large);
    TMessageBoxes::QueueDialog([](QDialog* d) {
        ShowForReal(d);
        EXPECT_GT(d->height(), 231);
        ExpectNothingCut(d, {"AnswerResponse", "RelatedTerms", "RelatedPage", "RelatedDef",
                             "TryAgainButton", "Button1"});
        d->reject();
        return d->result();
    });
    form.Execute(nullptr, question, false, true);
}

TEST(GlosAnswerResponse, ShowsTheWholeVerdictUntilOK) {
    TGlosAnswerResponse dialog;
    const QString term = QStringLiteral("a rather long term ").repeated(10).trimmed();
    for (const QString& verdict :
         {QStringLiteral("The term Cell & Co is correct!"),
          QStringLiteral("The term <%1> is incorrect.  The correct answer is %1.").arg(term)}) {
        TMessageBoxes::QueueDialog([&](QDialog* d) {
            ShowForReal(d);
            EXPECT_EQ(d->windowTitle(), "Answer Response");
            EXPECT_EQ(Text(d, "Response"), verdict);
            ExpectNothingCut(d, {"Response", "OKButton"});
            EXPECT_EQ(d->focusWidget()->objectName(), "OKButton");
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            return d->result();
        });
        dialog.Execute(verdict);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

} // namespace
} // namespace quillara::gui
