#pragma once

#include "core/book/book_properties.h"
#include "core/formula/formula.h"
#include "core/formula/variable_values.h"
#include "core/numeric/extended.h"
#include "core/platform/regional_settings.h"
#include "core/quiz/attempt_results.h"
#include "core/quiz/question_set.h"
#include "core/scores/score.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

class TScoreHistory;

enum class TRunnerState { Idle, Ready, Running, Retrying, Ended };

// The current question as the runner shows it, with its figures freshly drawn.
struct TShownQuestion {
    const TQuestion* Question = nullptr;
    // The question box's RTF document.
    std::string Rtf;
    // "Question 2 of 10, from chapter 3", and its figures.
    std::string NumberText;
    int Position = 0;
    int Count = 0;
    // Word problems only: "(Round to nearest 0.01)".
    std::string RoundToText;
    // Word problems only: the message when the expected answer could not be computed
    // ("Error compiling expression" or "Error evaluating expression"); empty when it was.
    std::string FormulaError;
};

// The verdict on one answer.
struct TJudgement {
    bool Correct = false;
    // Whether the answer response may offer "Try Again": a wrong Multiple Choice answer.
    bool MayTryAgain = false;
    // A wrong word-problem answer: the expected value and the note on rounding; else empty.
    std::string ExpectedAnswerMessage;
    // A typed number that the book's and the student's ways of writing numbers read differently:
    // how it was read; else empty.
    std::string Reading;
    // Whether the answer counted: the first to its question, not a second try.
    bool Counted = false;
    // A word problem's expected value with the values drawn for it; else empty.
    std::string ExpectedWithValues;
};

// The typed answer to a word problem is not a number; nothing was judged or counted.
class EAnswerNotANumber : public std::runtime_error {
public:
    explicit EAnswerNotANumber(std::string_view answer);
};

// One quiz or test attempt: the question set, which question is on screen, the figures drawn for
// its word problems, the verdicts and counts, and the score record that the history receives
// when the attempt ends. The windows render this state and forward the student's answers; every
// decision is made here.
class TQuestionRunner {
public:
    TQuestionRunner(const TBookProperties& book, std::filesystem::path bookDir,
                    const TRegionalSettings& regional);

    // Builds a new set and, when it holds a question, the score record of the attempt. A bank
    // that cannot be read raises; the runner is then idle.
    void SetupAttempt(const TKindSet& kinds, std::string_view description, int size,
                      const TChapterSet& chapters, bool isQuiz);
    bool HasQuestion() const { return QuestionSet.CurrentQuestion() != nullptr; }
    // An attempt of exactly the given questions (a retake of those missed), shuffled afresh,
    // described "Retake of " and the description of the attempt they come from.
    void SetupRetake(std::vector<TQuestion> questions, std::string_view description, bool isQuiz);
    // A quiz of exactly the given questions, in their order (those due for review, the most
    // overdue first), described "Review of 12 questions".
    void SetupReview(std::vector<TQuestion> questions);
    // Starts at the first question. A set shown again after its attempt ended (a test reopened
    // from the menu) gets a new score record, so that its answers are kept too.
    void StartAttempt();
    // The current question, drawn and rendered anew; Question is null when the set is done.
    TShownQuestion ShowQuestion(int fontSize);
    // Judges and, unless retrying, counts. Raises EAnswerNotANumber for a word problem answered
    // with something that is not a number. Without a current question the answer is ignored and
    // the verdict is wrong with nothing counted.
    TJudgement SubmitAnswer(std::string_view answer);
    // After the answer response: stay on the question to try again, or move to the next one.
    void AfterResponse(bool tryAgain);
    // Hands the score record to the history when anything was answered; the runner is idle.
    // The questions whose first answer was wrong stay as the attempt's missed questions, and the
    // attempt's results stay until the next attempt.
    void EndAttempt(TScoreHistory& history);
    // The results of the attempt that ended last; nothing answered before it ends.
    const TAttemptResults& Results() const { return Ended; }
    // The questions of this attempt whose first answer was wrong, in the order they were asked.
    std::vector<TQuestion> MissedQuestions() const;

    TRunnerState State() const { return Phase; }
    bool IsQuiz() const { return Quiz; }
    bool Retrying() const { return Phase == TRunnerState::Retrying; }
    const TTest& Set() const { return QuestionSet; }
    const TScore* Score() const { return Record.get(); }
    const std::string& Title() const { return AttemptTitle; }
    const std::string& Description() const { return AttemptDescription; }
    Extended ExpectedAnswer() const { return Expected; }
    // How many times the answer formulas of this attempt were compiled: once per formula text,
    // however often its questions are shown.
    long FormulaCompilations() const;
    // "End Quiz" or "End Test".
    std::string QuitCaption() const;
    // "You have answered 2 of 3 questions correctly", or empty before the first answer.
    std::string ScoreText() const;
    // "Are you sure you want to end the current True False Quiz?"
    std::string ConfirmEndText() const;

private:
    void SetupGiven(std::vector<TQuestion> questions, std::string description, std::string title,
                    bool isQuiz, bool shuffle);
    void gotoNextQuestion();
    void ComputeExpectedAnswer(const TQuestion& question, TShownQuestion& shown);

    const TBookProperties& Book;
    std::filesystem::path BookDir;
    const TRegionalSettings& Regional;
    TTest QuestionSet;
    std::unique_ptr<TScore> Record;
    std::string AttemptTitle;
    std::string AttemptDescription;
    bool Quiz = true;
    TRunnerState Phase = TRunnerState::Idle;
    Extended Expected = 0;
    // The figures drawn for this attempt's word problems.
    TVariableValues Values;
    // The answer formulas of this attempt's word problems by their text, each compiled once.
    std::map<std::string, TFormula, std::less<>> AnswerFormulas;
    // Positions in the set of the questions whose first answer was wrong, with what was given.
    std::vector<std::pair<std::size_t, TMissedAnswer>> Missed;
    // The current question's text as shown.
    std::string ShownText;
    TAttemptResults Ended;
};

constexpr std::string_view RetakePrefix = "Retake of ";

// "(Round to nearest 100)" for a word problem rounded to -2 places.
std::string RoundToText(Extended roundTo);
// The places a word problem's answer is rounded to: its RoundTo truncated to a whole number.
int RoundToPlacesOf(const TQuestion& question);
// A word problem's expected answer from the value of its formula, rounded as answers are judged;
// nothing when the value is too large to round or rounds into nothing.
std::optional<Extended> ExpectedAnswerOf(const TQuestion& question, Extended value);
// An expected answer as the answer response writes it: fixed to the question's places.
std::string ExpectedAnswerText(const TQuestion& question, Extended expected,
                               const TRegionalSettings& regional);

} // namespace quillara
