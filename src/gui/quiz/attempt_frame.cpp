#include "gui/quiz/attempt_frame.h"

#include "gui/quiz/answer_response_form.h"
#include "gui/quiz/attempt_results_view.h"
#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/heading_font.h"
#include "gui/widgets/rtf_document.h"
#include "gui/widgets/text_size.h"
#include "gui/widgets/white_background.h"

#include <QDateTime>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quillara::gui {

namespace {

// The runner's fixed words, in the student's language.
QString RunnerText(const char* text) {
    return QCoreApplication::translate("quillara::gui::TTestFrame1", text);
}
[[maybe_unused]] constexpr const char* RunnerTexts[] = {
    QT_TRANSLATE_NOOP("quillara::gui::TTestFrame1", "Error compiling expression"),
    QT_TRANSLATE_NOOP("quillara::gui::TTestFrame1", "Error evaluating expression"),
    QT_TRANSLATE_NOOP("quillara::gui::TTestFrame1", "million"),
    QT_TRANSLATE_NOOP("quillara::gui::TTestFrame1", "integer"),
};

// "(Round to nearest 0.01)" in the student's language.
QString RoundToCaption(const std::string& text) {
    const std::string_view head = "(Round to nearest ";
    if (!text.starts_with(head) || !text.ends_with(')')) return QString::fromStdString(text);
    const std::string label = text.substr(head.size(), text.size() - head.size() - 1);
    return QCoreApplication::translate("quillara::gui::TTestFrame1", "(Round to nearest %1)")
        .arg(RunnerText(label.c_str()));
}

// The question box's text size, in points, handed to the RTF it shows.
constexpr int QuestionPointSize = 12;

} // namespace

TTestFrame1::TTestFrame1(TStudySession& session, TAnswerResponseForm& responses, QWidget* parent)
    : QWidget(parent), Session(session), Responses(responses) {
    setObjectName(QStringLiteral("TestFrame1"));
    setMinimumSize(290, 290);
    MakeWhite(this);
    // The attempt's question and answers, and in its place once it has ended, its results.
    auto* pages = new QStackedLayout(this);
    AttemptPage = new QWidget(this);
    ResultsPage = new TAttemptResultsView(this);
    pages->addWidget(AttemptPage);
    pages->addWidget(ResultsPage);
    connect(ResultsPage, &TAttemptResultsView::CloseChosen, this, &TTestFrame1::CloseResults);
    connect(ResultsPage, &TAttemptResultsView::RetakeChosen, this, &TTestFrame1::RetakeChosen);
    auto* column = new QVBoxLayout(AttemptPage);

    testDescLabel = new QLabel(this);
    testDescLabel->setObjectName(QStringLiteral("testDescLabel"));
    testDescLabel->setAlignment(Qt::AlignCenter);
    testDescLabel->setTextFormat(Qt::PlainText);
    // Long descriptions (a retake, a test over many chapters) wrap instead of being cut.
    testDescLabel->setWordWrap(true);
    QFont title = HeadingFont(24);
    title.setBold(true);
    testDescLabel->setFont(title);
    column->addWidget(testDescLabel);

    QuestionNumber = new QLabel(this);
    QuestionNumber->setObjectName(QStringLiteral("QuestionNumber"));
    column->addWidget(QuestionNumber);

    QuestionText = new QTextEdit(this);
    QuestionText->setObjectName(QStringLiteral("RichEdit1"));
    QuestionText->setAccessibleName(tr("Question"));
    QuestionText->setReadOnly(true);
    QuestionText->setFocusPolicy(Qt::ClickFocus);
    QFont questionFont = QuestionText->font();
    questionFont.setPointSize(QuestionPointSize);
    QuestionText->setFont(questionFont);
    FollowTextSize(QuestionText);
    column->addWidget(QuestionText, 1);

    // The two answer panels share one place; the question's kind decides which shows.
    auto* answers = new QWidget(this);
    auto* answerPlace = new QGridLayout(answers);
    answerPlace->setContentsMargins(0, 0, 0, 0);
    MCTFPanel = new QWidget(answers);
    MCTFPanel->setObjectName(QStringLiteral("MCTFPanel"));
    auto* buttons = new QHBoxLayout(MCTFPanel);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    ButtonTrue = AnswerButton(tr("True"), "ButtonTrue", QStringLiteral("T"));
    buttons->addWidget(ButtonTrue);
    ButtonFalse = AnswerButton(tr("False"), "ButtonFalse", QStringLiteral("F"));
    buttons->addWidget(ButtonFalse);
    const char* letterNames[] = {"ButtonA", "buttonB", "ButtonC", "ButtonD", "ButtonE"};
    for (int i = 0; i < 5; ++i) {
        const QString letter(QChar(u'A' + i));
        LetterButtons[i] = AnswerButton(letter, letterNames[i], letter);
        buttons->addWidget(LetterButtons[i]);
    }
    buttons->addStretch(1);
    answerPlace->addWidget(MCTFPanel, 0, 0);

    WordProblemPanel = new QWidget(answers);
    WordProblemPanel->setObjectName(QStringLiteral("WordProblemPanel"));
    auto* typed = new QHBoxLayout(WordProblemPanel);
    typed->setContentsMargins(0, 0, 0, 0);
    WPAnswerLabel = new QLabel(tr("Enter your answer:"), WordProblemPanel);
    WPAnswerLabel->setObjectName(QStringLiteral("WPAnswerLabel"));
    wpCorrectAnswer = new QLineEdit(WordProblemPanel);
    wpCorrectAnswer->setObjectName(QStringLiteral("wpCorrectAnswer"));
    wpCorrectAnswer->setAccessibleName(tr("Your answer"));
    WPAnswerLabel->setBuddy(wpCorrectAnswer);
    wpSubmitAnswer = new QPushButton(tr("OK"), WordProblemPanel);
    wpSubmitAnswer->setObjectName(QStringLiteral("wpSubmitAnswer"));
    NameControl(wpSubmitAnswer, tr("Submit your answer"));
    wpSubmitAnswer->setAutoDefault(true);
    roundToLabel = new QLabel(WordProblemPanel);
    roundToLabel->setObjectName(QStringLiteral("roundToLabel"));
    typed->addWidget(WPAnswerLabel);
    typed->addWidget(wpCorrectAnswer, 1);
    typed->addWidget(wpSubmitAnswer);
    typed->addWidget(roundToLabel);
    answerPlace->addWidget(WordProblemPanel, 0, 0);
    connect(wpSubmitAnswer, &QPushButton::clicked, this, &TTestFrame1::wpSubmitAnswerClick);
    connect(wpCorrectAnswer, &QLineEdit::returnPressed, this, &TTestFrame1::wpSubmitAnswerClick);
    column->addWidget(answers);
    MCTFPanel->hide();
    WordProblemPanel->hide();

    ScoreLabel = new QLabel(this);
    ScoreLabel->setObjectName(QStringLiteral("ScoreLabel"));
    column->addWidget(ScoreLabel);

    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("Panel1"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setLineWidth(1);
    separator->setFixedHeight(3);
    column->addWidget(separator);

    QuitButton = new QPushButton(tr("End Quiz"), this);
    QuitButton->setObjectName(QStringLiteral("QuitButton"));
    QuitButton->setAutoDefault(true);
    connect(QuitButton, &QPushButton::clicked, this, &TTestFrame1::QuitButtonClick);
    column->addWidget(QuitButton, 0, Qt::AlignRight);
}

QPushButton* TTestFrame1::AnswerButton(const QString& caption, const char* name,
                                       const QString& answer) {
    auto* button = new QPushButton(caption, MCTFPanel);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tr("Click this button to answer %1").arg(caption));
    NameControl(button, tr("Answer %1").arg(caption));
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    button->hide();
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, answer] { SubmitAnswer(answer); });
    return button;
}

TFrameManager TTestFrame1::Roles() {
    return {this,
            [this] { return ConfirmEnd(); },
            [this] { return HasQuestion(); },
            [this] { StartAttempt(); },
            [this] { EndAttempt(false); },
            false};
}

void TTestFrame1::SetupAttempt(const TKindSet& kinds, std::string_view description, int size,
                               const TChapterSet& chapters, bool isQuiz) {
    if (!Runner) Runner.emplace(Session.Book(), Session.BookDir(), Session.Regional());
    try {
        Runner->SetupAttempt(kinds, description, size, chapters, isQuiz);
    } catch (const std::exception& e) {
        TMessageBoxes::Error(this, FromBook(e.what()));
    }
    ShowAttemptTitle();
}

void TTestFrame1::SetupRetake(std::vector<TQuestion> questions, std::string_view description,
                              bool isQuiz) {
    if (!Runner) Runner.emplace(Session.Book(), Session.BookDir(), Session.Regional());
    Runner->SetupRetake(std::move(questions), description, isQuiz);
    ShowAttemptTitle();
}

void TTestFrame1::SetupReview(std::vector<TQuestion> questions) {
    if (!Runner) Runner.emplace(Session.Book(), Session.BookDir(), Session.Regional());
    Runner->SetupReview(std::move(questions));
    ShowAttemptTitle();
}

void TTestFrame1::ShowAttemptTitle() {
    QuitButton->setText(Runner->IsQuiz() ? tr("End Quiz") : tr("End Test"));
    if (!Runner->Score()) return;
    setWindowTitle(FromBook(Runner->Title()));
    testDescLabel->setText(FromBook(Runner->Description()));
}

void TTestFrame1::StartAttempt() {
    ShowPage(AttemptPage);
    QWidget* host = parentWidget();
    HostWasHidden = host && !host->isVisible();
    if (HostWasHidden) host->show();
    show();
    window()->raise();
    window()->activateWindow();
    AttemptStartedMs = QDateTime::currentMSecsSinceEpoch();
    gotoFirstQuestion();
    Session.StartAttempt([this] { EndAttempt(false); });
    FormUpdateScore();
    FormUpdateQuestion();
}

void TTestFrame1::gotoFirstQuestion() {
    Runner->StartAttempt();
}

bool TTestFrame1::AttemptRunning() const {
    return Runner &&
           (Runner->State() == TRunnerState::Running || Runner->State() == TRunnerState::Retrying);
}

bool TTestFrame1::ConfirmEnd() {
    if (!AttemptRunning()) return true;
    return TMessageBoxes::Confirm(this, FromBook(Runner->ConfirmEndText()));
}

void TTestFrame1::EndAttempt(bool showResults) {
    const bool running = AttemptRunning();
    const bool recorded = Runner && Runner->Score() && Runner->Score()->totalAnswered() > 0;
    if (!(showResults && recorded)) CloseResults();
    if (!Runner) return;
    // An attempt with nothing answered adds nothing, so it needs no history read for it.
    TScoreHistory dropped;
    Runner->EndAttempt(recorded ? Session.Scores() : dropped);
    if (recorded && showResults) {
        ResultsPage->ShowResults(Runner->Results(), Session.Book());
        ShowPage(ResultsPage);
    }
    if (running || recorded) Session.EndAttempt(recorded);
    if (recorded) emit AttemptRecorded();
}

void TTestFrame1::CloseResults() {
    hide();
    if (HostWasHidden && parentWidget()) parentWidget()->hide();
}

void TTestFrame1::ShowPage(QWidget* page) {
    static_cast<QStackedLayout*>(layout())->setCurrentWidget(page);
}

void TTestFrame1::QuitButtonClick() {
    if (ConfirmEnd()) EndAttempt(true);
}

void TTestFrame1::FormUpdateQuestion() {
    const TShownQuestion shown = Runner->ShowQuestion(QuestionPointSize);
    if (!shown.Question) {
        EndAttempt(true);
        return;
    }
    const TQuestion& question = *shown.Question;
    SinceShown.start();
    LoadRtf(QuestionText, shown.Rtf);
    QuestionNumber->setText(tr("Question %1 of %2, from chapter %3")
                                .arg(shown.Position)
                                .arg(shown.Count)
                                .arg(question.Chapter));
    switch (question.Kind) {
    case qkTrueFalse:
        ButtonTrue->show();
        ButtonFalse->show();
        for (QPushButton* button : LetterButtons)
            button->hide();
        WordProblemPanel->hide();
        MCTFPanel->show();
        ButtonTrue->setFocus();
        break;
    case qkMultipleChoice:
        ButtonTrue->hide();
        ButtonFalse->hide();
        for (int i = 0; i < 5; ++i)
            LetterButtons[i]->setVisible(question.ChoiceCount >= i + 1);
        WordProblemPanel->hide();
        MCTFPanel->show();
        LetterButtons[0]->setFocus();
        break;
    case qkWordProblem:
        roundToLabel->setText(RoundToCaption(shown.RoundToText));
        if (!shown.FormulaError.empty())
            TMessageBoxes::Error(this, RunnerText(shown.FormulaError.c_str()));
        MCTFPanel->hide();
        WordProblemPanel->show();
        wpCorrectAnswer->clear();
        wpCorrectAnswer->setFocus();
        break;
    default:
        // A kind this program does not know keeps the answer controls as they were.
        break;
    }
}

void TTestFrame1::FormUpdateScore() {
    const TTest& set = Runner->Set();
    const int answered = set.NumCorrect + set.NumIncorrect;
    ScoreLabel->setText(answered == 0 ? QString()
                                      : tr("You have answered %1 of %2 questions correctly")
                                            .arg(set.NumCorrect)
                                            .arg(answered));
}

void TTestFrame1::wpSubmitAnswerClick() {
    SubmitAnswer(wpCorrectAnswer->text());
}

void TTestFrame1::SubmitAnswer(const QString& answer) {
    const TQuestion* question = Runner ? Runner->Set().CurrentQuestion() : nullptr;
    if (!question) return;
    TJudgement verdict;
    try {
        verdict = Runner->SubmitAnswer(ToBook(answer));
    } catch (const EAnswerNotANumber& e) {
        TMessageBoxes::Error(this, FromBook(e.what()));
        return;
    }
    if (verdict.Counted)
        Session.RecordAnswer({QuestionKey(*question), verdict.Correct, ToBook(answer),
                              verdict.ExpectedWithValues, SinceShown.elapsed(),
                              Runner->Description(), AttemptStartedMs, 0});
    if (!verdict.ExpectedAnswerMessage.empty())
        TMessageBoxes::Information(this, FromBook(verdict.ExpectedAnswerMessage));
    FormUpdateScore();
    const bool tryAgain = Responses.Execute(this, *question, verdict.Correct, verdict.MayTryAgain,
                                            FromBook(verdict.Reading));
    Runner->AfterResponse(tryAgain);
    if (!tryAgain) FormUpdateQuestion();
    // Back to the answer buttons of this window, whatever had the focus while the dialog showed.
    if (isVisible()) window()->activateWindow();
}

// A letter button reached from the keyboard brings its choice into view: a long question may
// hold its last choices below the box's fold, and the box itself takes no keyboard focus.
bool TTestFrame1::eventFilter(QObject* watched, QEvent* event) {
    const auto tabbed = [event] {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    };
    if (event->type() == QEvent::FocusIn && tabbed()) {
        for (int i = 0; i < 5; ++i)
            if (watched == LetterButtons[i]) ShowChoice(QChar(u'A' + i));
    }
    return QWidget::eventFilter(watched, event);
}

void TTestFrame1::ShowChoice(QChar letter) {
    for (QTextBlock block = QuestionText->document()->begin(); block.isValid();
         block = block.next()) {
        const QString text = block.text().trimmed();
        if (text.size() >= 2 && text[0].toUpper() == letter &&
            (text[1] == QLatin1Char(')') || text[1] == QLatin1Char('.'))) {
            QTextCursor at(block);
            at.movePosition(QTextCursor::EndOfBlock);
            QuestionText->setTextCursor(at);
            QuestionText->ensureCursorVisible();
            return;
        }
    }
}

void TTestFrame1::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPushButton* button = nullptr;
    const int key = event->key();
    if (key == Qt::Key_T)
        button = ButtonTrue;
    else if (key == Qt::Key_F)
        button = ButtonFalse;
    else if (key >= Qt::Key_A && key <= Qt::Key_E)
        button = LetterButtons[key - Qt::Key_A];
    // Only a button the student can see answers; the others' keys do nothing.
    if (button && button->isVisible()) {
        event->accept();
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quillara::gui
