// quillara-window-shot BOOKDIR OUT.png [topic N | glossary | notes | quiz | response | matching |
// scores | score-chart | chapter-graph | retake | word-problem | test-results | maximized |
// search WORDS [ROW]]: starts the program on the book as the student would, optionally opens a
// view through its link, answers a quiz or test through its buttons or searches the book, saves
// a picture of the main window (for "response", of the answer response dialog; for
// "test-results", of the test window; for "search" without ROW, of the search window) and
// closes it. With ROW, the search opens that line of its list first. The score pictures show a
// few weeks of a made-up student's scores.
#include "core/book/question.h"
#include "core/platform/random_source.h"
#include "core/scores/score_file.h"
#include "gui/app/main_form.h"
#include "gui/app/startup_steps.h"
#include "gui/quiz/answer_response_form.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/quiz/matching_quiz_frame.h"
#include "gui/quiz/test_window.h"
#include "gui/search/book_search_dialog.h"
#include "gui/search/search_hit_model.h"
#include "gui/shell/message_boxes.h"
#include "gui/widgets/link_label.h"
#include "gui/widgets/text_size.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <functional>
#include <iostream>

namespace {

using quillara::TQuestion;
using quillara::gui::TAnswerResponseForm;
using quillara::gui::TLinkLabel;
using quillara::gui::TMainForm;
using quillara::gui::TMessageBoxes;

void Click(TMainForm* form, const QString& link) {
    if (auto* label = form->findChild<TLinkLabel*>(link)) QTest::mouseClick(label, Qt::LeftButton);
    QApplication::processEvents();
}

const TQuestion* Current(TMainForm* form) {
    const auto* attempt = form->QuizRunner()->Attempt();
    return attempt ? attempt->Set().CurrentQuestion() : nullptr;
}

// Presses the button of a Multiple Choice letter, as the student would.
void PressLetter(TMainForm* form, char letter) {
    static const char* const names[] = {"ButtonA", "buttonB", "ButtonC", "ButtonD", "ButtonE"};
    if (letter < 'A' || letter > 'E') return;
    if (auto* button = form->QuizRunner()->findChild<QPushButton*>(names[letter - 'A']))
        QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
}

// Answers right until the question on screen is a wanted one; false when the quiz ran out first
// or an answer did not move it on.
bool AnswerUntil(TMainForm* form, const std::function<bool(const TQuestion&)>& wanted) {
    for (const TQuestion* question = Current(form); question;) {
        if (wanted(*question)) return true;
        PressLetter(form, question->Answer);
        const TQuestion* next = Current(form);
        if (next == question) return false;
        question = next;
    }
    return false;
}

// Whether a choice of the question on screen takes more than one line, which shows how the
// choices hang under their letters.
bool ChoiceWraps(TMainForm* form) {
    auto* box = form->QuizRunner()->findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    if (!box) return false;
    QTextDocument* document = box->document();
    document->documentLayout()->documentSize(); // lays every block out
    static const QRegularExpression choice(QStringLiteral("^\\s*[A-E]\\)"));
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        if (block.layout()->lineCount() > 1 && choice.match(block.text()).hasMatch()) return true;
    return false;
}

// A wrong answer to such a question lists its related glossary terms.
bool HasTermsOnly(const TQuestion& question) {
    return question.Kind == quillara::qkMultipleChoice && question.Explanation.empty() &&
           question.GlossaryTerms && !question.GlossaryTerms->empty();
}

// Answers the question on screen wrongly and saves a picture of the answer response.
bool ShootResponse(TMainForm* form, const QString& out) {
    const TQuestion* question = Current(form);
    if (!question) return false;
    bool saved = false;
    TMessageBoxes::QueueDialog([&](QDialog* dialog) {
        if (qobject_cast<TAnswerResponseForm*>(dialog)) {
            dialog->show();
            QApplication::processEvents();
            saved = dialog->grab().save(out);
        }
        // "Next Question" is one of two buttons, whichever the answer left shown.
        for (const char* name : {"Button1", "Button2"})
            if (auto* next = dialog->findChild<QPushButton*>(QLatin1String(name));
                next && !next->isHidden())
                next->click();
        return dialog->result();
    });
    PressLetter(form, question->Answer == 'A' ? 'B' : 'A');
    return saved;
}

// Clicks the term that the definition on screen defines; false when nothing is asked.
bool AnswerMatching(TMainForm* form) {
    const quillara::TMatchingQuiz& quiz = form->MatchingQuiz()->Quiz();
    const auto right = std::find(quiz.Terms().begin(), quiz.Terms().end(), quiz.Asked());
    auto* list = form->MatchingQuiz()->findChild<QListWidget*>(QStringLiteral("TermList"));
    if (!list || right == quiz.Terms().end()) return false;
    QListWidgetItem* item = list->item(static_cast<int>(right - quiz.Terms().begin()));
    if (!item) return false;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QApplication::processEvents();
    return true;
}

// Searches the book from the View menu and waits for the list; with a row, opens that line.
quillara::gui::TBookSearchDialog* SearchBook(TMainForm* form, const QString& words,
                                             const QString& row) {
    if (auto* item = form->findChild<QAction*>(QStringLiteral("SearchBookItem"))) item->trigger();
    auto* dialog = form->findChild<quillara::gui::TBookSearchDialog*>();
    if (!dialog) return nullptr;
    dialog->findChild<QLineEdit*>(QStringLiteral("searchText"))->setText(words);
    dialog->Search();
    while (!dialog->Ready() && dialog->isVisible())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (dialog->Hits().rowCount() == 0) return nullptr;
    if (!row.isEmpty()) {
        auto* list = dialog->findChild<QTreeView*>(QStringLiteral("hitList"));
        list->setCurrentIndex(dialog->Hits().index(row.toInt(), 0));
        QTest::keyClick(list, Qt::Key_Return);
        dialog->hide();
    }
    QApplication::processEvents();
    return dialog;
}

// Three weeks of quizzes on chapter 1, getting better, then a test over chapters 1 to 3.
void AddStudentScores(quillara::TScoreHistory& history) {
    const int chapterOne[][2] = {{4, 6}, {5, 5}, {7, 3}, {6, 4}, {8, 2}, {9, 1}};
    for (int i = 0; i < 6; ++i) {
        auto score = std::make_unique<quillara::TScore>();
        score->date = 46340 + 3 * i + 0.6;
        score->setDescription(i % 2 ? "Multiple Choice Quiz from chapter 1"
                                    : "True False Quiz from chapter 1");
        for (int k = 0; k < chapterOne[i][0]; ++k)
            score->addCorrect(1);
        for (int k = 0; k < chapterOne[i][1]; ++k)
            score->addIncorrect(1);
        history.AddAttempt(std::move(score));
    }
    auto test = std::make_unique<quillara::TScore>();
    test->date = 46359.7;
    test->setDescription("TF/MC Test from chapters 1-3");
    const int chapters[][3] = {{1, 9, 1}, {2, 5, 3}, {3, 3, 4}};
    for (const auto& [chapter, right, wrong] : chapters) {
        for (int k = 0; k < right; ++k)
            test->addCorrect(static_cast<std::int16_t>(chapter));
        for (int k = 0; k < wrong; ++k)
            test->addIncorrect(static_cast<std::int16_t>(chapter));
    }
    history.AddAttempt(std::move(test));
}

// A test over chapters 1 and 2 answered to its end, every third answer wrong, so that its
// results show in the test window.
bool FinishTest(TMainForm* form) {
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        auto* chapters = dialog->findChild<QListWidget*>(QStringLiteral("ChapterList"));
        for (int row : {0, 1})
            if (QListWidgetItem* item = chapters ? chapters->item(row) : nullptr)
                item->setCheckState(Qt::Checked);
        return int(QDialog::Accepted);
    });
    if (auto* item = form->findChild<QAction*>(QStringLiteral("TestMixedItem"))) item->trigger();
    quillara::gui::TTestFrame1* runner = form->TestRunner();
    for (int asked = 0; runner->AttemptRunning(); ++asked) {
        const TQuestion* question = runner->Attempt()->Set().CurrentQuestion();
        if (!question) break;
        const bool wrong = asked % 3 == 0;
        QString button;
        if (question->Kind == quillara::qkTrueFalse)
            button = (question->Answer == 'T') != wrong ? "ButtonTrue" : "ButtonFalse";
        else
            button = QStringLiteral("Button") +
                     QChar(wrong ? (question->Answer == 'A' ? 'B' : 'A') : question->Answer);
        // The letter buttons' names keep one lower-case leftover: buttonB.
        if (button == "ButtonB") button = "buttonB";
        auto* press = runner->findChild<QPushButton*>(button);
        if (!press) return false;
        press->click();
        QApplication::processEvents();
    }
    return form->TestWindow()->isVisible();
}

// Brings the window to what the picture shows; false when the book offers no such moment.
bool Prepare(TMainForm* form, const QStringList& view, quillara::TScoreHistory& scores) {
    const QString mode = view.value(0);
    if (mode == "scores" || mode == "score-chart" || mode == "chapter-graph")
        AddStudentScores(scores);
    if (mode == "scores" || mode == "score-chart") Click(form, "ViewSavedScoresLink");
    if (mode == "score-chart") {
        auto* grid = form->findChild<QTableView*>(QStringLiteral("ScoreGrid"));
        if (!grid) return false;
        QTest::keyClick(grid, Qt::Key_Return);
    }
    if (mode == "chapter-graph") Click(form, "GraphScoresLink");
    if (mode == "retake") {
        // A Multiple Choice quiz with its first two questions missed, then the retake of them.
        Click(form, "MultipleChoiceLink");
        for (int missed = 0; const TQuestion* question = Current(form); ++missed) {
            const char answer = question->Answer;
            PressLetter(form, missed < 2 ? (answer == 'A' ? 'B' : 'A') : answer);
            if (Current(form) == question) return false;
        }
        Click(form, "RetakeLink");
        return Current(form) != nullptr;
    }
    if (mode == "topic") Click(form, "TopicLink" + view.value(1, "1"));
    if (mode == "glossary") Click(form, "GlossaryLink");
    if (mode == "notes") Click(form, "AuthorsNotesLink");
    if (mode == "quiz" || mode == "response") Click(form, "MultipleChoiceLink");
    // A question whose choices wrap shows how they hang under their letters; in a window wide
    // enough for none to wrap, one with four choices or more.
    if (mode == "quiz")
        return AnswerUntil(form, [form](const TQuestion& q) {
            return ChoiceWraps(form) || q.ChoiceCount >= 4;
        });
    if (mode == "response") return AnswerUntil(form, HasTermsOnly);
    if (mode == "matching") {
        Click(form, "GlossaryMatchingLink");
        return AnswerMatching(form);
    }
    if (mode == "search") return SearchBook(form, view.value(1), view.value(2)) != nullptr;
    if (mode == "word-problem") {
        Click(form, "WordProblemsLink");
        return Current(form) != nullptr;
    }
    if (mode == "test-results") return FinishTest(form);
    if (mode == "maximized") {
        // A virtual display has no window manager to maximize it: the window takes the screen.
        form->showMaximized();
        form->setGeometry(form->screen()->availableGeometry());
    }
    return true;
}

// A dark theme's palette, as desktops ship them.
QPalette DarkPalette() {
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(40, 40, 42));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(53, 132, 228));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(120, 170, 255));
    dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(130, 130, 130));
    return dark;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: quillara-window-shot BOOKDIR OUT.png "
                     "[topic N | glossary | notes | quiz | response | matching | scores | "
                     "score-chart | chapter-graph | retake | word-problem | test-results | "
                     "maximized | search WORDS [ROW]]\n";
        return 2;
    }
    QApplication app(argc, argv);
    // QUILLARA_SHOT_PALETTE=dark shows the program as under a dark desktop theme, and
    // QUILLARA_SHOT_TEXT_SIZE=150 at that text size.
    if (qgetenv("QUILLARA_SHOT_PALETTE") == "dark") QApplication::setPalette(DarkPalette());
    if (const int size = qEnvironmentVariableIntValue("QUILLARA_SHOT_TEXT_SIZE"); size > 0)
        quillara::gui::TTextSize::Instance().SetPercent(size);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QStringList view = QStringList(argv + 3, argv + argc);
    bool saved = false;

    // The same draws every run, so that a picture changes only when the program does.
    quillara::TSeededRandom draws(1);
    quillara::SetProgramRandom(&draws);
    // Nobody can answer a box on a virtual display: it closes at once and is reported below.
    TMessageBoxes::SetUnattended(true);

    quillara::gui::TStudySession program;
    QTimer::singleShot(300, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<TMainForm*>(window);
            if (!form) continue;
            const bool ready = Prepare(form, view, program.Scores());
            QApplication::processEvents();
            if (!ready)
                std::cerr << "quillara-window-shot: the book offers no moment for that picture\n";
            else if (view.value(0) == "response")
                saved = ShootResponse(form, out);
            else if (view.value(0) == "test-results")
                saved = form->TestWindow()->grab().save(out);
            else if (view.value(0) == "search" && view.size() < 3)
                saved = form->findChild<quillara::gui::TBookSearchDialog*>()->grab().save(out);
            else
                saved = form->grab().save(out);
            form->close();
        }
    });
    const int status = quillara::gui::RunStartup(program, {argv[1]}, argv[0]);
    for (const QString& box : TMessageBoxes::Shown())
        std::cerr << "quillara-window-shot: the program said: " << box.toStdString() << "\n";
    if (!saved) std::cerr << "quillara-window-shot: no picture saved\n";
    return saved ? status : 1;
}
