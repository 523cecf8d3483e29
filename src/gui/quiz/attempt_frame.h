#pragma once

#include "gui/shell/frame_manager.h"
#include "core/quiz/question_runner.h"

#include <QElapsedTimer>
#include <QWidget>
#include <optional>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace quillara::gui {

class TStudySession;
class TAnswerResponseForm;
class TAttemptResultsView;

// The question runner: one question at a time with the answer buttons its kind needs, the
// running count, and the answer response after every answer. The quiz runner lives in the main
// window's client area, the test runner alone in the test window; the attempt itself is the
// core's TQuestionRunner, which this view renders and feeds with the student's answers.
class TTestFrame1 : public QWidget {
    Q_OBJECT
public:
    TTestFrame1(TStudySession& session, TAnswerResponseForm& responses, QWidget* parent = nullptr);

    void SetupAttempt(const TKindSet& kinds, std::string_view description, int size,
                      const TChapterSet& chapters, bool isQuiz);
    // An attempt of the given questions, missed in an earlier attempt of that description.
    void SetupRetake(std::vector<TQuestion> questions, std::string_view description, bool isQuiz);
    // A quiz of the questions due for review, in their order.
    void SetupReview(std::vector<TQuestion> questions);
    bool HasQuestion() const { return Runner && Runner->HasQuestion(); }
    void StartAttempt();
    // Whether an attempt is under way: started and not yet ended.
    bool AttemptRunning() const;
    bool ConfirmEnd();
    // Ends the attempt, recording what was answered. With `showResults`, an attempt with
    // answers shows its results in place of the question until the student closes them.
    void EndAttempt(bool showResults);
    void CloseResults();
    // The roles of this view in the main window's view switching.
    TFrameManager Roles();
    // The attempt's state; none before the first attempt was set up.
    const TQuestionRunner* Attempt() const { return Runner ? &*Runner : nullptr; }

    void ButtonTrueClick() { SubmitAnswer(QStringLiteral("T")); }
    void ButtonFalseClick() { SubmitAnswer(QStringLiteral("F")); }
    void wpSubmitAnswerClick();
    void QuitButtonClick();

signals:
    // An attempt ended and its score went to the history.
    void AttemptRecorded();
    // The results' Retake Missed Questions was chosen.
    void RetakeChosen();

protected:
    // The visible answer buttons also answer from their keys: T, F and A to E.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SubmitAnswer(const QString& answer);
    void ShowAttemptTitle();
    void gotoFirstQuestion();
    void FormUpdateQuestion();
    void FormUpdateScore();
    void ShowPage(QWidget* page);
    // Scrolls the question box to the choice of the given letter.
    void ShowChoice(QChar letter);
    QPushButton* AnswerButton(const QString& caption, const char* name, const QString& answer);

    TStudySession& Session;
    TAnswerResponseForm& Responses;
    // Made with the first attempt: the window exists before the book is read.
    std::optional<TQuestionRunner> Runner;
    bool HostWasHidden = false;
    // When the attempt started and the question showed, for the study log.
    qint64 AttemptStartedMs = 0;
    QElapsedTimer SinceShown;

    QWidget* AttemptPage;
    TAttemptResultsView* ResultsPage;
    QLabel* testDescLabel;
    QLabel* QuestionNumber;
    QTextEdit* QuestionText;
    QWidget* MCTFPanel;
    QPushButton* ButtonTrue;
    QPushButton* ButtonFalse;
    QPushButton* LetterButtons[5];
    QWidget* WordProblemPanel;
    QLabel* WPAnswerLabel;
    QLineEdit* wpCorrectAnswer;
    QPushButton* wpSubmitAnswer;
    QLabel* roundToLabel;
    QLabel* ScoreLabel;
    QPushButton* QuitButton;
};

} // namespace quillara::gui
