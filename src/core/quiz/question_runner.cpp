#include "core/quiz/question_runner.h"

#include "core/book/question_text.h"
#include "core/formula/evaluator.h"
#include "core/formula/formula.h"
#include "core/io/book_errors.h"
#include "core/numeric/round_to_places.h"
#include "core/scores/score_file.h"
#include "core/text/number_text.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <optional>

namespace quillara {

namespace {

// The labels of the rounding precisions a word problem names, from -6 to 4 places.
constexpr std::array<const char*, 11> PrecisionLabels = {"million", "100,000", "10,000",  "1,000",
                                                         "100",     "10",      "integer", "0.1",
                                                         "0.01",    "0.001",   "0.0001"};

// Rounded like an answer; a value too large to round, or rounded into nothing, is no value.
std::optional<Extended> Rounded(int places, Extended value) {
    try {
        const double result = RoundToPlaces(places, static_cast<double>(value));
        if (std::isfinite(result)) return result;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

EAnswerNotANumber::EAnswerNotANumber(std::string_view answer)
    : std::runtime_error("'" + std::string(answer) + "' is not a valid floating point value") {}

int RoundToPlacesOf(const TQuestion& question) {
    const Extended places = std::trunc(question.RoundTo);
    if (!(places > INT_MIN)) return INT_MIN;
    if (!(places < INT_MAX)) return INT_MAX;
    return static_cast<int>(places);
}

std::optional<Extended> ExpectedAnswerOf(const TQuestion& question, Extended value) {
    return Rounded(RoundToPlacesOf(question), value);
}

std::string ExpectedAnswerText(const TQuestion& question, Extended expected,
                               const TRegionalSettings& regional) {
    return FormatFixed(expected, 18, std::clamp(RoundToPlacesOf(question), 0, MaxRoundingPlaces),
                       regional);
}

std::string RoundToText(Extended roundTo) {
    TQuestion question;
    question.RoundTo = roundTo;
    const int places = RoundToPlacesOf(question);
    // Precisions beyond the named ones are written as a power of ten.
    const std::string label = places >= -6 && places <= 4
                                  ? PrecisionLabels[static_cast<std::size_t>(places + 6)]
                                  : "1E" + std::to_string(-static_cast<long long>(places));
    return "(Round to nearest " + label + ")";
}

TQuestionRunner::TQuestionRunner(const TBookProperties& book, std::filesystem::path bookDir,
                                 const TRegionalSettings& regional)
    : Book(book), BookDir(std::move(bookDir)), Regional(regional) {}

void TQuestionRunner::SetupAttempt(const TKindSet& kinds, std::string_view description, int size,
                                   const TChapterSet& chapters, bool isQuiz) {
    QuestionSet.Clear();
    AnswerFormulas.clear();
    Quiz = isQuiz;
    Record.reset();
    Phase = TRunnerState::Idle;
    Missed.clear();
    AttemptTitle =
        QuestionSet.BuildSet(BookDir, Book.ChapterCount, kinds, description, size, chapters);
    if (QuestionSet.Count() == 0) return;
    AttemptDescription = description;
    Record = std::make_unique<TScore>();
    Record->setDescription(AttemptTitle);
    Values = Book.FirstValues;
    Phase = TRunnerState::Ready;
}

void TQuestionRunner::SetupRetake(std::vector<TQuestion> questions, std::string_view description,
                                  bool isQuiz) {
    TChapterSet chapters;
    for (const TQuestion& question : questions)
        chapters.set(question.Chapter);
    // A retake of a retake keeps naming the attempt it all began with.
    std::string retake = description.starts_with(RetakePrefix)
                             ? std::string(description)
                             : std::string(RetakePrefix) + std::string(description);
    std::string title = TestTitle(retake, 255, chapters);
    SetupGiven(std::move(questions), std::move(retake), std::move(title), isQuiz, true);
}

void TQuestionRunner::SetupReview(std::vector<TQuestion> questions) {
    const std::string description = "Review of " + std::to_string(questions.size()) +
                                    (questions.size() == 1 ? " question" : " questions");
    SetupGiven(std::move(questions), description, description, true, false);
}

void TQuestionRunner::SetupGiven(std::vector<TQuestion> questions, std::string description,
                                 std::string title, bool isQuiz, bool shuffle) {
    QuestionSet.Clear();
    AnswerFormulas.clear();
    Quiz = isQuiz;
    Record.reset();
    Missed.clear();
    Phase = TRunnerState::Idle;
    for (TQuestion& question : questions)
        QuestionSet.Add(std::move(question));
    QuestionSet.Position = 1;
    QuestionSet.NumCorrect = 0;
    QuestionSet.NumIncorrect = 0;
    if (QuestionSet.Count() == 0) return;
    if (shuffle) QuestionSet.Shuffle();
    AttemptDescription = std::move(description);
    AttemptTitle = std::move(title);
    Record = std::make_unique<TScore>();
    Record->setDescription(AttemptTitle);
    Values = Book.FirstValues;
    Phase = TRunnerState::Ready;
}

void TQuestionRunner::StartAttempt() {
    if (!Record && QuestionSet.Count() > 0) {
        Record = std::make_unique<TScore>();
        Record->setDescription(AttemptTitle);
        QuestionSet.NumCorrect = 0;
        QuestionSet.NumIncorrect = 0;
    }
    Missed.clear();
    QuestionSet.Position = 0;
    gotoNextQuestion();
    Phase = TRunnerState::Running;
}

void TQuestionRunner::gotoNextQuestion() {
    ++QuestionSet.Position;
    if (Phase == TRunnerState::Retrying) Phase = TRunnerState::Running;
}

TShownQuestion TQuestionRunner::ShowQuestion(int fontSize) {
    TShownQuestion shown;
    const TQuestion* question = QuestionSet.CurrentQuestion();
    if (!question) return shown;
    shown.Question = question;
    ShownText = ExpandText(*question, Book, Values, Regional);
    shown.Rtf = BuildRtf(*question, ShownText, fontSize);
    shown.Position = QuestionSet.Position;
    shown.Count = static_cast<int>(QuestionSet.Count());
    shown.NumberText = "Question " + std::to_string(QuestionSet.Position) + " of " +
                       std::to_string(QuestionSet.Count()) + ", from chapter " +
                       std::to_string(question->Chapter);
    if (question->Kind == qkWordProblem) {
        shown.RoundToText = RoundToText(question->RoundTo);
        ComputeExpectedAnswer(*question, shown);
    }
    return shown;
}

// Computed after the text was expanded, so the formula reads the figures the student sees. A
// formula that fails leaves the last expected value in place.
void TQuestionRunner::ComputeExpectedAnswer(const TQuestion& question, TShownQuestion& shown) {
    auto [at, added] = AnswerFormulas.try_emplace(question.Formula, 2);
    TFormula& formula = at->second;
    if (added) formula.Source = question.Formula;
    bool compiled = false;
    try {
        compiled = formula.CompileIfChanged(nullptr);
    } catch (const std::exception&) {
    }
    if (!compiled) {
        shown.FormulaError = "Error compiling expression";
        return;
    }
    try {
        if (const auto value = ExpectedAnswerOf(question, Evaluate(formula, Book.Scope(Values)))) {
            Expected = *value;
            return;
        }
    } catch (const std::exception&) {
    }
    shown.FormulaError = "Error evaluating expression";
}

long TQuestionRunner::FormulaCompilations() const {
    long count = 0;
    for (const auto& [source, formula] : AnswerFormulas)
        count += formula.Compilations();
    return count;
}

TJudgement TQuestionRunner::SubmitAnswer(std::string_view answer) {
    TJudgement verdict;
    const TQuestion* question = QuestionSet.CurrentQuestion();
    if (!question) return verdict;
    std::string right(1, question->Answer);
    if (question->Kind == qkWordProblem) {
        Extended typed = 0;
        try {
            const TTypedNumber read = ParseTypedNumberText(answer, Regional);
            typed = read.Value;
            if (read.OtherReading)
                verdict.Reading = "Your answer " + std::string(answer) + " was read as " +
                                  FormatGeneral(static_cast<double>(typed), 15, Regional) + ".";
        } catch (const EConvertError&) {
            throw EAnswerNotANumber(answer);
        }
        const int places = RoundToPlacesOf(*question);
        // A number too large to round cannot be the expected answer: it is judged wrong.
        const auto rounded = Rounded(places, typed);
        verdict.Correct = rounded && *rounded == Expected;
        right = ExpectedAnswerText(*question, Expected, Regional);
        const std::string drawn = DrawnValuesText(*question, Book, Values, Regional);
        verdict.ExpectedWithValues = drawn.empty() ? right : right + " (" + drawn + ")";
        if (!verdict.Correct)
            verdict.ExpectedAnswerMessage = right + " is the expected answer.  If your answer is " +
                                            "close, the difference may be due to rounding error.";
    } else {
        verdict.Correct = answer.size() == 1 && answer.front() == question->Answer;
        verdict.MayTryAgain = !verdict.Correct && question->Kind == qkMultipleChoice;
    }
    verdict.Counted = Phase != TRunnerState::Retrying;
    if (verdict.Counted) {
        if (verdict.Correct) {
            if (Record) Record->addCorrect(question->Chapter);
            ++QuestionSet.NumCorrect;
        } else {
            if (Record) Record->addIncorrect(question->Chapter);
            ++QuestionSet.NumIncorrect;
            Missed.push_back({static_cast<std::size_t>(QuestionSet.Position - 1),
                              {{}, ShownText, std::string(answer), right}});
        }
    }
    return verdict;
}

void TQuestionRunner::AfterResponse(bool tryAgain) {
    if (tryAgain)
        Phase = TRunnerState::Retrying;
    else
        gotoNextQuestion();
}

void TQuestionRunner::EndAttempt(TScoreHistory& history) {
    Ended = {AttemptTitle,
             Quiz,
             QuestionSet.NumCorrect,
             QuestionSet.NumCorrect + QuestionSet.NumIncorrect,
             {},
             {}};
    Ended.Unasked = std::max(0, static_cast<int>(QuestionSet.Questions().size()) - Ended.Answered);
    if (Record)
        for (int i = 0; i < Record->detailCount(); ++i)
            Ended.Chapters.push_back(Record->detail(i));
    for (const auto& [position, missed] : Missed) {
        Ended.Missed.push_back(missed);
        Ended.Missed.back().Question = QuestionSet.Questions()[position];
    }
    if (Record) history.AddAttempt(std::move(Record));
    Record.reset();
    Phase = TRunnerState::Ended;
}

std::vector<TQuestion> TQuestionRunner::MissedQuestions() const {
    std::vector<TQuestion> missed;
    for (const auto& [position, answer] : Missed)
        missed.push_back(QuestionSet.Questions()[position]);
    return missed;
}

std::string TQuestionRunner::QuitCaption() const {
    return Quiz ? "End Quiz" : "End Test";
}

std::string TQuestionRunner::ScoreText() const {
    const int answered = QuestionSet.NumCorrect + QuestionSet.NumIncorrect;
    if (answered == 0) return {};
    return "You have answered " + std::to_string(QuestionSet.NumCorrect) + " of " +
           std::to_string(answered) + " questions correctly";
}

std::string TQuestionRunner::ConfirmEndText() const {
    return "Are you sure you want to end the current " + AttemptDescription + "?";
}

} // namespace quillara
