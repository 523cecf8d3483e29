#pragma once

#include "gui/shell/frame_manager.h"
#include "core/quiz/matching_quiz.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace quillara::gui {

class TStudySession;
class TAttemptResultsView;
class TGlosAnswerResponse;
class TScorePanel;

// The glossary matching quiz: one definition at a time beside the chapter's terms; a click on a
// term (or Enter or Space on the selected one) answers. The quiz itself is the core's
// TMatchingQuiz; this view shows it and forwards the choices.
class TMatchingQuizFrame1 : public QWidget {
    Q_OBJECT
public:
    TMatchingQuizFrame1(TStudySession& session, TGlosAnswerResponse& responses,
                        QWidget* parent = nullptr);

    void SetChapter(int chapter) { QuizChapter = chapter; }
    void StartQuiz();
    bool ConfirmEndQuiz();
    // Ends the quiz, recording what was answered; with `showResults`, a quiz with answers shows
    // its results in its place until the student closes them.
    void EndQuiz(bool showResults);
    // Whether a quiz is on screen and not yet ended.
    bool QuizRunning() const;
    // The roles of this view in the main window's view switching.
    TFrameManager Roles();
    const TMatchingQuiz& Quiz() const { return Matching; }

    void TermListClick();
    void EndClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A quiz ended and its score went to the history.
    void QuizRecorded();

private:
    void FillTermList();
    // Shows the next definition, or ends the quiz when none is left; false when it ended.
    bool ShowNextDefinition();
    void Answer(int index);

    TStudySession& Session;
    TGlosAnswerResponse& Responses;
    QWidget* QuizPage;
    TAttemptResultsView* ResultsPage;
    TMatchingQuiz Matching;
    int QuizChapter = 1;
    // When the quiz started and the definition showed, for the study log.
    qint64 AttemptStartedMs = 0;
    QElapsedTimer SinceShown;

    QLabel* topicLabel;
    QLabel* Instructions;
    QLabel* DefinitionLabel;
    QLabel* TermsLabel;
    QTextEdit* MatchingDef;
    QListWidget* TermList;
    TScorePanel* ScorePanel;
    QPushButton* EndButton;
};

} // namespace quillara::gui
