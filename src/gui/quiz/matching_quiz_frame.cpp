#include "gui/quiz/matching_quiz_frame.h"

#include "gui/quiz/attempt_results_view.h"
#include "gui/quiz/glos_answer_response.h"
#include "gui/quiz/score_panel.h"
#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/heading_font.h"
#include "gui/widgets/white_background.h"

#include <QDateTime>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedLayout>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quillara::gui {

TMatchingQuizFrame1::TMatchingQuizFrame1(TStudySession& session, TGlosAnswerResponse& responses,
                                         QWidget* parent)
    : QWidget(parent), Session(session), Responses(responses) {
    connect(&Session, &TStudySession::ChapterChanged, this, &TMatchingQuizFrame1::SetChapter);
    QuizChapter = Session.Chapter();
    setObjectName(QStringLiteral("MatchingQuizFrame1"));
    setMinimumSize(290, 290);
    MakeWhite(this);
    // The quiz, and in its place once it has ended, its results.
    auto* pages = new QStackedLayout(this);
    QuizPage = new QWidget(this);
    ResultsPage = new TAttemptResultsView(this);
    pages->addWidget(QuizPage);
    pages->addWidget(ResultsPage);
    connect(ResultsPage, &TAttemptResultsView::CloseChosen, this, &QWidget::hide);
    auto* column = new QVBoxLayout(QuizPage);

    topicLabel = new QLabel(tr("Glossary Matching Quiz"), this);
    topicLabel->setObjectName(QStringLiteral("topicLabel"));
    topicLabel->setAlignment(Qt::AlignCenter);
    QFont title = HeadingFont(24);
    title.setBold(true);
    topicLabel->setFont(title);
    column->addWidget(topicLabel);

    Instructions = new QLabel(tr("Match the definition on the left to the most appropriate "
                                 "term in the list on the right.  To sumbit your answer, "
                                 "simply click the term you think is correct."),
                              this);
    Instructions->setObjectName(QStringLiteral("Label1"));
    Instructions->setWordWrap(true);
    column->addWidget(Instructions);

    auto* lists = new QGridLayout;
    DefinitionLabel = new QLabel(tr("Definition"), this);
    DefinitionLabel->setObjectName(QStringLiteral("Label2"));
    TermsLabel = new QLabel(tr("List of Selectable Terms"), this);
    TermsLabel->setObjectName(QStringLiteral("Label3"));
    MatchingDef = new QTextEdit(this);
    MatchingDef->setObjectName(QStringLiteral("MatchingDef"));
    MatchingDef->setAccessibleName(QStringLiteral("Definition"));
    MatchingDef->setReadOnly(true);
    MatchingDef->setFocusPolicy(Qt::ClickFocus);
    MatchingDef->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TermList = new QListWidget(this);
    TermList->setObjectName(QStringLiteral("TermList"));
    TermList->setAccessibleName(tr("List of Selectable Terms"));
    TermList->setSelectionMode(QAbstractItemView::SingleSelection);
    TermList->installEventFilter(this);
    DefinitionLabel->setBuddy(MatchingDef);
    TermsLabel->setBuddy(TermList);
    lists->addWidget(DefinitionLabel, 0, 0);
    lists->addWidget(TermsLabel, 0, 1);
    lists->addWidget(MatchingDef, 1, 0);
    lists->addWidget(TermList, 1, 1);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 2);
    column->addLayout(lists, 1);
    // A mouse click answers at once; the second click of a double-click would land on the new
    // list, so double-clicks are left to that first click.
    connect(TermList, &QListWidget::itemClicked, this, &TMatchingQuizFrame1::TermListClick);

    ScorePanel = new TScorePanel(this);
    ScorePanel->setObjectName(QStringLiteral("ScorePanel"));
    column->addWidget(ScorePanel);

    EndButton = new QPushButton(tr("End Quiz"), this);
    EndButton->setObjectName(QStringLiteral("Button1"));
    EndButton->setAutoDefault(true);
    connect(EndButton, &QPushButton::clicked, this, &TMatchingQuizFrame1::EndClicked);
    column->addWidget(EndButton, 0, Qt::AlignRight);
}

TFrameManager TMatchingQuizFrame1::Roles() {
    return {this,
            [this] { return ConfirmEndQuiz(); },
            {},
            [this] { StartQuiz(); },
            [this] { EndQuiz(false); },
            false};
}

void TMatchingQuizFrame1::StartQuiz() {
    static_cast<QStackedLayout*>(layout())->setCurrentWidget(QuizPage);
    Matching.StartQuiz(Session.Glossary(), QuizChapter);
    setWindowTitle(QString::fromStdString(Matching.Description()));
    FillTermList();
    const bool going = ShowNextDefinition();
    ScorePanel->setCorrect(0);
    ScorePanel->setIncorrect(0);
    if (!going) return;
    Session.StartAttempt([this] { EndQuiz(false); });
    AttemptStartedMs = QDateTime::currentMSecsSinceEpoch();
    show();
    TermList->setFocus();
}

bool TMatchingQuizFrame1::ConfirmEndQuiz() {
    if (!Matching.ConfirmNeeded()) return true;
    return TMessageBoxes::Confirm(this, tr("Are you sure you want to end the matching quiz?"));
}

void TMatchingQuizFrame1::EndQuiz(bool showResults) {
    // A quiz with nothing answered adds nothing, so it needs no history read for it.
    const bool running = QuizRunning();
    const bool answered = Matching.Score() && Matching.Score()->totalAnswered() > 0;
    TScoreHistory dropped;
    Matching.EndQuiz(answered ? Session.Scores() : dropped);
    if (showResults && answered) {
        ResultsPage->ShowResults(Matching.Results(), Session.Book());
        static_cast<QStackedLayout*>(layout())->setCurrentWidget(ResultsPage);
    } else {
        hide();
    }
    if (running || answered) Session.EndAttempt(answered);
    if (answered) emit QuizRecorded();
}

bool TMatchingQuizFrame1::QuizRunning() const {
    return isVisible() && Matching.Score();
}

void TMatchingQuizFrame1::EndClicked() {
    if (ConfirmEndQuiz()) EndQuiz(true);
}

void TMatchingQuizFrame1::FillTermList() {
    TermList->clear();
    for (const TDefinition* entry : Matching.Terms())
        TermList->addItem(FromBook(entry->Term));
    // Nothing is current, so the first Down selects the first term.
    TermList->setCurrentRow(-1);
}

bool TMatchingQuizFrame1::ShowNextDefinition() {
    const TDefinition* asked = Matching.Asked();
    if (!asked) {
        TMessageBoxes::Information(this, tr("End of Matching Quiz"));
        EndQuiz(true);
        return false;
    }
    MatchingDef->clear();
    MatchingDef->setPlainText(FromBookBreakable(asked->DefinitionText));
    SinceShown.start();
    return true;
}

void TMatchingQuizFrame1::TermListClick() {
    const QList<QListWidgetItem*> selected = TermList->selectedItems();
    if (selected.isEmpty()) return;
    Answer(TermList->row(selected.front()));
}

void TMatchingQuizFrame1::Answer(int index) {
    const TDefinition* asked = Matching.Asked();
    const TDefinition* chosen =
        index >= 0 && static_cast<std::size_t>(index) < Matching.Terms().size()
            ? Matching.Terms()[static_cast<std::size_t>(index)]
            : nullptr;
    const auto verdict = Matching.Answer(index);
    if (!verdict) return;
    // Each definition asked is a term met: the study log keeps it for review.
    Session.RecordAnswer(
        {TermKey(QuizChapter, TGlossary::TrimmedTerm(*asked), asked->DefinitionText),
         verdict->Correct, chosen ? TGlossary::TrimmedTerm(*chosen) : "", "", SinceShown.elapsed(),
         Matching.Description(), AttemptStartedMs, 0});
    if (verdict->Correct)
        ScorePanel->anotherCorrect();
    else
        ScorePanel->anotherIncorrect();
    Responses.Execute(FromBook(verdict->Message));
    ShowNextDefinition();
    FillTermList();
}

bool TMatchingQuizFrame1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TermList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            TermListClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillara::gui
