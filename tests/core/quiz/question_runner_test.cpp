#include "core/platform/random_source.h"
#include "core/quiz/question_runner.h"
#include "core/scores/score_file.h"
#include "temp_book_dir.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace quillara {
namespace {

using testing::TempBookDir;

TQuestion Question(std::uint8_t kind, char answer, std::string text = "Is it so?") {
    TQuestion q;
    q.Kind = kind;
    q.Answer = answer;
    q.ChoiceCount = kind == qkMultipleChoice ? 4 : 0;
    q.Text = std::move(text);
    return q;
}

TQuestion WordProblem(std::string formula, Extended roundTo, std::uint8_t version = 2) {
    TQuestion q = Question(qkWordProblem, 0, "How much?");
    q.Formula = std::move(formula);
    q.RoundTo = roundTo;
    q.RecordVersion = version;
    return q;
}

// Repeatable draws, installed as the program's generator.
struct SeededRandom : TSeededRandom {
    SeededRandom() : TSeededRandom(7) { SetProgramRandom(this); }
    ~SeededRandom() override { SetProgramRandom(nullptr); }
};

// A book of `chapters` chapters whose banks are written into a temporary directory.
struct RunnerBook {
    explicit RunnerBook(int chapters = 3) {
        Book.ChapterCount = static_cast<std::int16_t>(chapters);
    }
    void Bank(int chapter, const std::vector<TQuestion>& questions) {
        Dir.Write(QuestionBankName(chapter), WriteQuestionBank(questions));
    }
    TempBookDir Dir;
    TBookProperties Book;
    TRegionalSettings Regional;
    TScoreHistory History;
    SeededRandom Random;
};

TQuestionRunner StartQuiz(RunnerBook& book, std::initializer_list<int> kinds,
                          const std::string& description = "True False Quiz") {
    TQuestionRunner runner(book.Book, book.Dir.Path(), book.Regional);
    runner.SetupAttempt(MakeByteSet(kinds), description, 10, MakeByteSet({1}), true);
    runner.StartAttempt();
    return runner;
}

// Answers the current question and moves on, as the window does after the response.
TJudgement AnswerAndGoOn(TQuestionRunner& runner, std::string_view answer, bool tryAgain = false) {
    runner.ShowQuestion(12);
    const TJudgement verdict = runner.SubmitAnswer(answer);
    runner.AfterResponse(tryAgain);
    return verdict;
}

TEST(QuestionRunner, CountsRightWrongRightAndHandsTheScoreOver) {
    RunnerBook book;
    book.Bank(1,
              {Question(qkTrueFalse, 'T'), Question(qkTrueFalse, 'T'), Question(qkTrueFalse, 'T')});
    TQuestionRunner runner = StartQuiz(book, {qkTrueFalse});
    EXPECT_EQ(runner.Title(), "True False Quiz from chapter 1");
    EXPECT_EQ(runner.QuitCaption(), "End Quiz");
    EXPECT_EQ(runner.ScoreText(), "");
    const TShownQuestion first = runner.ShowQuestion(12);
    EXPECT_EQ(first.NumberText, "Question 1 of 3, from chapter 1");
    EXPECT_EQ(first.Rtf.rfind("{\\rtf1\\ansi \\fs24", 0), 0u);

    EXPECT_TRUE(AnswerAndGoOn(runner, "T").Correct);
    const TJudgement wrong = AnswerAndGoOn(runner, "F");
    EXPECT_FALSE(wrong.Correct);
    EXPECT_FALSE(wrong.MayTryAgain) << "True/False never offers a second try";
    EXPECT_TRUE(AnswerAndGoOn(runner, "T").Correct);
    EXPECT_EQ(runner.ScoreText(), "You have answered 2 of 3 questions correctly");
    EXPECT_EQ(runner.ShowQuestion(12).Question, nullptr) << "the set is done";

    runner.EndAttempt(book.History);
    EXPECT_EQ(runner.State(), TRunnerState::Ended);
    ASSERT_EQ(book.History.size(), 1u);
    const TScore& score = book.History.at(0);
    EXPECT_EQ(score.description(), "True False Quiz from chapter 1");
    ASSERT_EQ(score.detailCount(), 1);
    EXPECT_EQ(score.detail(0).chapter, 1);
    EXPECT_EQ(score.detail(0).correct, 2);
    EXPECT_EQ(score.detail(0).incorrect, 1);
}

TEST(QuestionRunner, OnlyTheFirstAnswerToAQuestionCounts) {
    RunnerBook book;
    book.Bank(1, {Question(qkMultipleChoice, 'C')});
    TQuestionRunner runner = StartQuiz(book, {qkMultipleChoice}, "Multiple Choice Quiz");
    runner.ShowQuestion(12);
    const TJudgement first = runner.SubmitAnswer("A");
    EXPECT_FALSE(first.Correct);
    EXPECT_TRUE(first.MayTryAgain);
    runner.AfterResponse(true);
    EXPECT_EQ(runner.State(), TRunnerState::Retrying);
    EXPECT_EQ(runner.Set().Position, 1) << "the same question stays";
    EXPECT_EQ(runner.SubmitAnswer("c").Correct, false) << "answers are case-sensitive";
    const TJudgement retried = runner.SubmitAnswer("C");
    EXPECT_TRUE(retried.Correct);
    EXPECT_FALSE(retried.MayTryAgain);
    runner.AfterResponse(false);
    EXPECT_EQ(runner.State(), TRunnerState::Running);
    EXPECT_EQ(runner.ScoreText(), "You have answered 0 of 1 questions correctly");
    runner.EndAttempt(book.History);
    ASSERT_EQ(book.History.size(), 1u);
    EXPECT_EQ(book.History.at(0).totalCorrect(), 0);
    EXPECT_EQ(book.History.at(0).totalIncorrect(), 1);
}

TEST(QuestionRunner, AnAttemptEndedBeforeAnyAnswerLeavesNoTrace) {
    RunnerBook book;
    book.Bank(1, {Question(qkTrueFalse, 'T'), Question(qkTrueFalse, 'F')});
    TQuestionRunner runner = StartQuiz(book, {qkTrueFalse});
    EXPECT_EQ(runner.ConfirmEndText(), "Are you sure you want to end the current True False Quiz?");
    runner.EndAttempt(book.History);
    EXPECT_TRUE(book.History.empty());
    EXPECT_TRUE(runner.HasQuestion()) << "the set stays until the next attempt";
}

TEST(QuestionRunner, EmptySetsMakeNoAttempt) {
    RunnerBook book;
    book.Bank(1, {Question(qkTrueFalse, 'T')});
    TQuestionRunner runner(book.Book, book.Dir.Path(), book.Regional);
    runner.SetupAttempt(MakeByteSet({qkMultipleChoice}), "Multiple Choice Quiz", 10,
                        MakeByteSet({1}), true);
    EXPECT_FALSE(runner.HasQuestion());
    EXPECT_EQ(runner.Score(), nullptr);
    EXPECT_EQ(runner.State(), TRunnerState::Idle);
}

TEST(QuestionRunner, ATestDrawsFromEveryChosenChapter) {
    RunnerBook book(4);
    book.Bank(1, {Question(qkTrueFalse, 'T', "one")});
    book.Bank(2, {Question(qkTrueFalse, 'T', "two")});
    book.Bank(3, {Question(qkTrueFalse, 'F', "three"), Question(qkMultipleChoice, 'A')});
    TQuestionRunner runner(book.Book, book.Dir.Path(), book.Regional);
    runner.SetupAttempt(MakeByteSet({qkTrueFalse}), "True False Test", 20, MakeByteSet({3, 1}),
                        false);
    EXPECT_EQ(runner.Title(), "True False Test from chapters 1, 3");
    EXPECT_EQ(runner.QuitCaption(), "End Test");
    runner.StartAttempt();
    std::set<int> chapters;
    while (const TQuestion* q = runner.ShowQuestion(12).Question) {
        chapters.insert(q->Chapter);
        runner.SubmitAnswer("T"); // right in chapter 1, wrong in chapter 3
        runner.AfterResponse(false);
    }
    EXPECT_EQ(chapters, (std::set<int>{1, 3}));
    runner.EndAttempt(book.History);
    const TScore& score = book.History.at(0);
    ASSERT_EQ(score.detailCount(), 2);
    for (int i = 0; i < 2; ++i) {
        const TScoreDetail& d = score.detail(i);
        EXPECT_EQ(d.correct, d.chapter == 1 ? 1 : 0) << d.chapter;
        EXPECT_EQ(d.incorrect, d.chapter == 3 ? 1 : 0) << d.chapter;
    }
}

TEST(QuestionRunner, ATestShownAgainAfterItEndedKeepsItsNewAnswers) {
    RunnerBook book;
    book.Bank(1, {Question(qkTrueFalse, 'T'), Question(qkTrueFalse, 'T')});
    TQuestionRunner runner = StartQuiz(book, {qkTrueFalse});
    AnswerAndGoOn(runner, "T");
    runner.EndAttempt(book.History);
    ASSERT_TRUE(runner.HasQuestion());
    runner.StartAttempt();
    EXPECT_EQ(runner.ScoreText(), "") << "a new attempt counts afresh";
    AnswerAndGoOn(runner, "F");
    runner.EndAttempt(book.History);
    ASSERT_EQ(book.History.size(), 2u);
    EXPECT_EQ(book.History.at(1).totalIncorrect(), 1);
    EXPECT_EQ(book.History.at(1).description(), "True False Quiz from chapter 1");
}

TEST(QuestionRunner, WordProblemsJudgeTheRoundedAnswer) {
    struct Case {
        std::string formula;
        Extended roundTo;
        std::string answer;
        bool correct;
        std::string expectedShown; // start of the message of a wrong answer
    };
    const Case cases[] = {
        {"5/2", 0, "2", true, ""},
        {"5/2", 0, "2.4", true, ""},
        {"5/2", 0, "2.5", true, ""},
        {"5/2", 0, "1.5", true, ""},
        {"5/2", 0, "3", false, "2"},
        {"3.14159", 2, "3.141", true, ""},
        {"3.14159", 2, "3.15", false, "3.14"},
        {"1250", -2, "1200", true, ""},
        {"1250", -2, "1300", false, "1200"},
        {"1250", -2.7L, "1e400", false, "1200"},
    };
    for (const Case& c : cases) {
        RunnerBook book;
        book.Bank(1, {WordProblem(c.formula, c.roundTo)});
        TQuestionRunner runner = StartQuiz(book, {qkWordProblem}, "Word-Problem Quiz");
        const TShownQuestion shown = runner.ShowQuestion(12);
        EXPECT_EQ(shown.FormulaError, "") << c.formula;
        const TJudgement verdict = runner.SubmitAnswer(c.answer);
        EXPECT_EQ(verdict.Correct, c.correct) << c.formula << " answered " << c.answer;
        EXPECT_FALSE(verdict.MayTryAgain);
        if (!c.correct)
            EXPECT_EQ(verdict.ExpectedAnswerMessage,
                      c.expectedShown + " is the expected answer.  If your answer is close, the "
                                        "difference may be due to rounding error.");
        else
            EXPECT_EQ(verdict.ExpectedAnswerMessage, "");
        EXPECT_EQ(verdict.Reading, "") << "one way of writing numbers reads " << c.answer;
    }

    // A German student in a book that keeps its money in dollars: "1,400" is the book's 1400,
    // and the verdict says how it was read.
    RunnerBook dollars;
    dollars.Regional.DecimalSeparator = ",";
    dollars.Regional.ThousandSeparator = ".";
    dollars.Regional.MoneySeparators = {{".", ","}};
    dollars.Bank(1, {WordProblem("1400", 2)});
    TQuestionRunner runner = StartQuiz(dollars, {qkWordProblem}, "Word-Problem Quiz");
    runner.ShowQuestion(12);
    const TJudgement verdict = runner.SubmitAnswer("1,400");
    EXPECT_TRUE(verdict.Correct);
    EXPECT_EQ(verdict.Reading, "Your answer 1,400 was read as 1400.");
}

TEST(QuestionRunner, WordProblemLabelsAndFailures) {
    EXPECT_EQ(RoundToText(-2), "(Round to nearest 100)");
    EXPECT_EQ(RoundToText(-6), "(Round to nearest million)");
    EXPECT_EQ(RoundToText(2.9L), "(Round to nearest 0.01)");
    EXPECT_EQ(RoundToText(4), "(Round to nearest 0.0001)");
    EXPECT_EQ(RoundToText(7), "(Round to nearest 1E-7)");

    // One question per chapter, asked one after the other by the same runner.
    RunnerBook book;
    book.Bank(1, {WordProblem("6/4", 1)});
    book.Bank(2, {WordProblem("2 # 3", 0, 1)});
    book.Bank(3, {WordProblem("1/0", 0)});
    TQuestionRunner runner(book.Book, book.Dir.Path(), book.Regional);
    const struct {
        int chapter;
        std::string roundTo, error;
    } cases[] = {{1, "(Round to nearest 0.1)", ""},
                 {2, "(Round to nearest integer)", "Error compiling expression"},
                 {3, "(Round to nearest integer)", "Error evaluating expression"}};
    for (const auto& c : cases) {
        runner.SetupAttempt(MakeByteSet({qkWordProblem}), "Word-Problem Quiz", 10,
                            MakeByteSet({c.chapter}), true);
        runner.StartAttempt();
        const TShownQuestion shown = runner.ShowQuestion(12);
        EXPECT_EQ(shown.RoundToText, c.roundTo) << c.chapter;
        EXPECT_EQ(shown.FormulaError, c.error) << c.chapter;
        EXPECT_EQ(runner.ExpectedAnswer(), 1.5L) << "a failed formula keeps the last value";
    }

    // Not a number: nothing is judged or counted and the question stays.
    try {
        runner.SubmitAnswer("1,5");
        ADD_FAILURE() << "a decimal comma is not this locale's";
    } catch (const EAnswerNotANumber& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
    EXPECT_THROW(runner.SubmitAnswer(""), EAnswerNotANumber);
    EXPECT_EQ(runner.ScoreText(), "");
    EXPECT_EQ(runner.Set().Position, 1);
    EXPECT_FALSE(runner.SubmitAnswer("1.5").Correct) << "1.5 rounds to 2 here";
    EXPECT_EQ(runner.ScoreText(), "You have answered 0 of 1 questions correctly");
}

TEST(QuestionRunner, AnswerFormulasCompileOncePerText) {
    RunnerBook book;
    book.Bank(1, {WordProblem("6/4", 1), WordProblem("6/4", 1), WordProblem("7/2", 1)});
    TQuestionRunner runner = StartQuiz(book, {qkWordProblem}, "Word-Problem Quiz");
    // Shown again (the window repaints after a dialog): the formula is not parsed again.
    const TQuestion* first = runner.ShowQuestion(12).Question;
    const Extended firstValue = runner.ExpectedAnswer();
    runner.ShowQuestion(12);
    EXPECT_EQ(runner.ExpectedAnswer(), firstValue);
    EXPECT_EQ(runner.FormulaCompilations(), 1);

    std::set<Extended> values;
    while (const TQuestion* question = runner.ShowQuestion(12).Question) {
        values.insert(runner.ExpectedAnswer());
        EXPECT_EQ(runner.ExpectedAnswer(), question->Formula == "6/4" ? 1.5L : 3.5L);
        runner.SubmitAnswer("0");
        runner.AfterResponse(false);
    }
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(values.size(), 2u);
    EXPECT_EQ(runner.FormulaCompilations(), 2) << "two texts among three questions";
}

TEST(QuestionRunner, AnswersWithoutAQuestionAreIgnored) {
    RunnerBook book;
    TQuestionRunner runner(book.Book, book.Dir.Path(), book.Regional);
    EXPECT_FALSE(runner.SubmitAnswer("T").Correct);
    EXPECT_EQ(runner.ScoreText(), "");
    runner.EndAttempt(book.History);
    EXPECT_TRUE(book.History.empty());
}

} // namespace
} // namespace quillara

namespace quillara {
namespace {

TEST(QuestionRunner, RetakesAskExactlyTheMissedQuestions) {
    RunnerBook book(3);
    book.Bank(1,
              {Question(qkMultipleChoice, 'A', "one"), Question(qkMultipleChoice, 'A', "two"),
               Question(qkMultipleChoice, 'A', "three"), Question(qkMultipleChoice, 'A', "four")});
    book.Bank(3, {Question(qkMultipleChoice, 'A', "five")});
    TQuestionRunner runner(book.Book, book.Dir.Path(), book.Regional);
    runner.SetupAttempt(MakeByteSet({qkMultipleChoice}), "Multiple Choice Test", 20,
                        MakeByteSet({1, 3}), false);
    runner.StartAttempt();
    // "two" and "five" are missed; "three" is missed, tried again and answered right: a miss.
    std::set<std::string> expected;
    while (const TQuestion* q = runner.ShowQuestion(12).Question) {
        const bool miss = q->Text == "two" || q->Text == "five" || q->Text == "three";
        if (miss) expected.insert(q->Text);
        runner.SubmitAnswer(miss ? "B" : "A");
        if (q->Text == "three") {
            runner.AfterResponse(true);
            runner.SubmitAnswer("A");
        }
        runner.AfterResponse(false);
    }
    runner.EndAttempt(book.History);
    std::set<std::string> missed;
    for (const TQuestion& q : runner.MissedQuestions())
        missed.insert(q.Text);
    EXPECT_EQ(missed, expected);

    // The retake: those three, recorded under the original description; its own misses count.
    runner.SetupRetake(runner.MissedQuestions(), runner.Description(), false);
    EXPECT_TRUE(runner.HasQuestion()) << "a retake is shown only when it has a question";
    EXPECT_EQ(runner.Title(), "Retake of Multiple Choice Test from chapters 1, 3");
    EXPECT_EQ(runner.ConfirmEndText(),
              "Are you sure you want to end the current Retake of Multiple Choice Test?");
    runner.StartAttempt();
    EXPECT_EQ(runner.Set().Count(), 3u);
    while (const TQuestion* q = runner.ShowQuestion(12).Question) {
        runner.SubmitAnswer(q->Text == "five" ? "C" : "A");
        runner.AfterResponse(false);
    }
    runner.EndAttempt(book.History);
    ASSERT_EQ(book.History.size(), 2u);
    EXPECT_EQ(book.History.at(1).description(),
              "Retake of Multiple Choice Test from chapters 1, 3");
    EXPECT_EQ(book.History.at(1).totalCorrect(), 2);
    ASSERT_EQ(runner.MissedQuestions().size(), 1u);
    EXPECT_EQ(runner.MissedQuestions()[0].Text, "five");

    // A retake of a retake keeps one "Retake of".
    runner.SetupRetake(runner.MissedQuestions(), runner.Description(), false);
    EXPECT_EQ(runner.Title(), "Retake of Multiple Choice Test from chapter 3");
    runner.SetupRetake({}, runner.Description(), false);
    EXPECT_FALSE(runner.HasQuestion());
}

} // namespace
} // namespace quillara

namespace quillara {
namespace {

// The results keep what the student saw: the text with its drawn values, the answer given and
// the right one (a word problem's expected value), the score in all and per chapter.
TEST(AttemptResults, ATestOverTwoChaptersListsWhatWasMissedAsItWasShown) {
    RunnerBook book;
    book.Book.Variables.push_back(std::make_unique<TVarible>(
        "n", vkNumber, TReal48::FromExtended(4), TReal48::FromExtended(4), 0, std::nullopt));
    TQuestion doubled = WordProblem("{n}*2", 0);
    doubled.Text = "Twice {n}?";
    doubled.Explanation = "Add it to itself.";
    book.Bank(1, {Question(qkTrueFalse, 'T', "one"), doubled});
    book.Bank(2, {Question(qkMultipleChoice, 'B', "two"), Question(qkTrueFalse, 'F', "three")});
    TQuestionRunner runner(book.Book, book.Dir.Path(), book.Regional);
    runner.SetupAttempt(MakeByteSet({qkTrueFalse, qkMultipleChoice, qkWordProblem}), "TF/MC Test",
                        10, MakeByteSet({1, 2}), false);
    runner.StartAttempt();
    while (const TQuestion* q = runner.ShowQuestion(12).Question) {
        // Right in chapter 1 but for the word problem; wrong in chapter 2 but for "three".
        const char* answer = q->Kind == qkWordProblem ? "9"
                             : q->Text == "two"       ? "C"
                             : q->Answer == 'T'       ? "T"
                                                      : "F";
        runner.SubmitAnswer(answer);
        runner.AfterResponse(false);
    }
    runner.EndAttempt(book.History);
    const TAttemptResults& results = runner.Results();
    EXPECT_EQ(ResultText(results.Correct, results.Answered), "2 of 4, 50%");
    EXPECT_FALSE(results.IsQuiz);
    ASSERT_EQ(results.Chapters.size(), 2u);
    for (const TScoreDetail& chapter : results.Chapters)
        EXPECT_EQ(chapter.correct, 1) << chapter.chapter;
    ASSERT_EQ(results.Missed.size(), 2u);
    std::map<std::string, const TMissedAnswer*> missed;
    for (const TMissedAnswer& m : results.Missed)
        missed[m.ShownText] = &m;
    ASSERT_TRUE(missed.count("Twice 4?"));
    EXPECT_EQ(missed["Twice 4?"]->Given, "9");
    EXPECT_EQ(missed["Twice 4?"]->Right, "8");
    EXPECT_EQ(missed["Twice 4?"]->Question.Explanation, "Add it to itself.");
    ASSERT_TRUE(missed.count("two"));
    EXPECT_EQ(missed["two"]->Given, "C");
    EXPECT_EQ(AnswerText(missed["two"]->Question, missed["two"]->Right), "B");
    EXPECT_EQ(AnswerText(Question(qkTrueFalse, 'T'), "F"), "False");

    // A retake's results are its own.
    runner.SetupRetake(runner.MissedQuestions(), runner.Description(), false);
    runner.StartAttempt();
    while (const TQuestion* q = runner.ShowQuestion(12).Question) {
        runner.SubmitAnswer(q->Kind == qkWordProblem ? "8" : "B");
        runner.AfterResponse(false);
    }
    runner.EndAttempt(book.History);
    EXPECT_EQ(ResultText(runner.Results().Correct, runner.Results().Answered), "2 of 2, 100%");
    EXPECT_TRUE(runner.Results().Missed.empty());
}

// Word Problems are offered for a chapter exactly when its bank holds one, up to damage.
TEST(AttemptResults, ChapterHasWordProblemsLooksAtTheKinds) {
    RunnerBook book;
    book.Bank(1, {Question(qkTrueFalse, 'T'), Question(qkMultipleChoice, 'A')});
    book.Bank(2, {Question(qkTrueFalse, 'T'), WordProblem("1", 0)});
    std::string damaged = WriteQuestionBank({WordProblem("1", 0), Question(qkTrueFalse, 'T')});
    damaged.resize(damaged.size() - 3);
    book.Dir.Write(QuestionBankName(3), damaged);
    const std::string broken = WriteQuestionBank({Question(qkTrueFalse, 'T'), WordProblem("1", 0)});
    book.Dir.Write(QuestionBankName(4), broken.substr(0, broken.size() - 3));
    const struct {
        int Chapter;
        bool Has;
    } cases[] = {{1, false}, {2, true},  {3, true},   {4, false},
                 {5, false}, {0, false}, {256, false}};
    for (const auto& c : cases)
        EXPECT_EQ(ChapterHasWordProblems(book.Dir.Path(), c.Chapter), c.Has) << c.Chapter;
}

} // namespace
} // namespace quillara
