#include "question_import.h"

#include <gtest/gtest.h>

namespace quillara::tool {
namespace {

TImportedQuestion Calculated(const std::string& formula, std::vector<TImportedVariable> variables,
                             const std::string& text = "{a}?") {
    TImportedQuestion question;
    question.Where = "line 1";
    question.Kind = TImportedKind::Calculated;
    question.Text = text;
    question.Formula = formula;
    question.Tolerance = 0.005;
    question.Variables = std::move(variables);
    return question;
}

TImportedVariable Range(const std::string& name, double min, double max, int decimals = 0) {
    return {name, min, max, decimals, true};
}

// A calculated question the book could not draw or judge is left out, and leaves the book's
// variables and functions as they were.
TEST(QuestionImport, CalculatedQuestionsTheBookCannotDrawOrJudgeLeaveTheBookAsItWas) {
    struct CalculatedCase {
        const char* Name;
        TImportedQuestion Question;
        const char* Reason; // empty when it comes in
    };
    const std::string longName(250, 'n');
    const CalculatedCase cases[] = {
        {"plain", Calculated("{a}*2", {Range("a", 1, 9)}), ""},
        {"sqrt added", Calculated("sqrt({a})", {Range("a", 1, 9)}), ""},
        {"range beyond six-byte numbers", Calculated("{a}*2", {Range("a", 1e300, 1e300)}),
         "its variable \"a\" has no name or a range that cannot be drawn"},
        {"maximum beyond six-byte numbers", Calculated("{a}", {Range("a", 0, 3e38)}),
         "its variable \"a\" has no name or a range that cannot be drawn"},
        {"minimum above maximum", Calculated("{a}", {Range("a", 5, 1)}),
         "its variable \"a\" has no name"},
        {"too many steps", Calculated("{a}", {Range("a", 0, 1e9, 2)}),
         "its variable \"a\" has no name"},
        {"no name", Calculated("1", {Range("", 1, 2)}), "its variable \"\" has no name"},
        {"name too long", Calculated("{" + longName + "}", {Range(longName, 1, 2)}, "?"),
         "has no name"},
        {"name not ASCII", Calculated("{\xC3\xA9}", {Range("\xC3\xA9", 1, 2)}, "?"), "has no name"},
        {"name with a blank at its end", Calculated("{a }", {Range("a ", 1, 2)}, "?"),
         "has no name"},
        {"defined twice", Calculated("{a}", {Range("a", 1, 5), Range("a", 2, 6)}),
         "its variable \"a\" is defined twice"},
        {"division by zero after sqrt was added",
         Calculated("sqrt({a})/({a}-{a})", {Range("a", 1, 9)}),
         "its formula \"sqrt({a})/({a}-{a})\" fails: "},
        {"failing in a function the book declares", Calculated("sqrt(0-{a})", {Range("a", 1, 9)}),
         "its formula \"sqrt(0-{a})\" fails: "},
        {"empty text after its variable was added", Calculated("{b}", {Range("b", 1, 9)}, ""),
         "its text is empty"},
    };
    for (const CalculatedCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBookProperties book;
        book.Version = 5;
        TQuestionImporter importer(book);
        const TImportOutcome outcome = importer.Import(c.Question);
        if (*c.Reason == '\0') {
            ASSERT_TRUE(outcome.Question.has_value()) << outcome.SkipReason;
            EXPECT_TRUE(importer.BookChanged());
            EXPECT_NE(book.FindVariable("a"), nullptr);
            continue;
        }
        EXPECT_FALSE(outcome.Question.has_value());
        EXPECT_NE(outcome.SkipReason.find(c.Reason), std::string::npos) << outcome.SkipReason;
        EXPECT_TRUE(book.Variables.empty());
        EXPECT_TRUE(book.Formulas.empty());
        EXPECT_FALSE(importer.BookChanged());
    }
}

TEST(QuestionImport, AQuestionLeftOutKeepsWhatEarlierQuestionsAdded) {
    TBookProperties book;
    book.Version = 5;
    TQuestionImporter importer(book);
    ASSERT_TRUE(importer.Import(Calculated("sqrt({a})", {Range("a", 1, 9)})).Question);
    EXPECT_FALSE(importer.Import(Calculated("{b}/0", {Range("b", 1, 9)}, "{b}")).Question);
    ASSERT_EQ(book.Variables.size(), 1u);
    EXPECT_EQ(book.Variables[0]->Name, "a");
    EXPECT_EQ(book.Formulas.size(), 1u);
    EXPECT_TRUE(importer.BookChanged());
}

TEST(QuestionImport, ChoicesAndNumbersTheBookCannotShowAreLeftOut) {
    auto choices = [](std::vector<std::string> texts) {
        TImportedQuestion question;
        question.Kind = TImportedKind::MultipleChoice;
        question.Text = "Pick";
        for (const std::string& text : texts)
            question.Choices.push_back({text, {}, question.Choices.empty()});
        return question;
    };
    auto numerical = [](const std::string& number) {
        TImportedQuestion question;
        question.Kind = TImportedKind::Numerical;
        question.Text = "How many?";
        question.Formula = number;
        return question;
    };
    struct LeftOutCase {
        TImportedQuestion Question;
        const char* Reason; // empty when it comes in
    };
    const LeftOutCase cases[] = {
        {choices({"a", "b"}), ""},
        {choices({"a", ""}), "its choice B has no text"},
        {choices({"", "b", "c"}), "its choice A has no text"},
        {choices({"a"}), "1 choice, where a book's questions have two to five"},
        {choices({"a", "b", "c", "d", "e", "f"}), "6 choices"},
        {numerical("-12.5"), ""},
        {numerical("1e15"), ""},
        {numerical("1e30"), "its answer 1e30 is too large for the book to judge"},
        {numerical("1e300"), "its answer 1e300 is too large"},
    };
    for (const LeftOutCase& c : cases) {
        SCOPED_TRACE(c.Question.Choices.size() ? c.Question.Choices.back().Text
                                               : c.Question.Formula);
        TBookProperties book;
        const TImportOutcome outcome = TQuestionImporter(book).Import(c.Question);
        EXPECT_EQ(outcome.Question.has_value(), *c.Reason == '\0') << outcome.SkipReason;
        EXPECT_TRUE(outcome.SkipReason.starts_with(c.Reason)) << outcome.SkipReason;
    }
}

} // namespace
} // namespace quillara::tool
