#include "core/book/book_properties.h"
#include "core/book/book_properties_writer.h"
#include "core/book/book_strings.h"
#include "core/book/question_text.h"
#include "core/formula/evaluator.h"
#include "core/io/book_errors.h"
#include "formula_fields.h"
#include "scripted_random.h"
#include "temp_book_dir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <thread>

namespace quillara {
namespace {

using testing::FieldsOf;
using testing::FormulaFields;
using testing::ScriptedRandom;
using testing::TempBookDir;

const TRegionalSettings UsSettings;

// A book with something in every field, for writing in any version.
std::unique_ptr<TBookProperties> SampleBook() {
    auto book = std::make_unique<TBookProperties>();
    book->Title = "Personal Finance";
    book->Text2 = "Second";
    book->Text3 = "Third";
    book->Text4 = "Fourth";
    book->Copyright = "(c) 2026 The Authors";
    book->Text6 = "Sixth";
    book->Text7 = "Seventh";
    book->HasGlossary = true;
    book->HasMatchingQuiz = true;
    book->HasAuthorsNotes = true;
    book->ReservedFlags = {true, false, true, false};
    book->Topics = {{"Summary", 0, 7, 1}, {"Key Ideas", 0, 2, 0}, {"Worked Examples", 0, 9, 1}};
    book->ChapterNames = {"Budgets", "Saving  ", "Interest"};
    book->Variables.push_back(
        std::make_unique<TVarible>("rate", vkPercent, TReal48::FromExtended(0.01L),
                                   TReal48::FromExtended(0.1L), 4, std::nullopt));
    book->Variables.push_back(std::make_unique<TVarible>(
        "colour", vkChoice, TReal48{}, TReal48{}, 0, std::vector<std::string>{"red", "green"}));
    book->Expressions = {{"second", "first", 2}, {"", "only first", 1}};
    book->Formulas.push_back(std::make_unique<TFormula>(true, "area(w,h) = {1}*{2}", "note"));
    return book;
}

std::unique_ptr<TBookProperties> Read(const std::string& bytes,
                                      const TRegionalSettings& regional = UsSettings) {
    TByteReader in(bytes, "BOOK.DEF");
    return ReadBookProperties(in, regional);
}

TEST(BookDefinition, EveryVersionReadsBackTheFieldsItHas) {
    ScriptedRandom random;
    const auto original = SampleBook();
    for (std::uint8_t version = 0; version <= 5; ++version) {
        SCOPED_TRACE("version " + std::to_string(version));
        const auto book = Read(WriteBookProperties(*original, version, UsSettings));
        EXPECT_FALSE(book->LoadFailed);
        EXPECT_EQ(book->Version, version);
        EXPECT_EQ(book->Title, "Personal Finance");
        EXPECT_EQ(book->Text2, "Second");
        EXPECT_EQ(book->Text7, "Seventh");
        EXPECT_EQ(book->Copyright, "(c) 2026 The Authors");
        EXPECT_TRUE(book->HasGlossary);
        EXPECT_EQ(book->HasMatchingQuiz, version >= 4);
        EXPECT_EQ(book->HasAuthorsNotes, version >= 5);
        EXPECT_TRUE(book->ReservedFlags[0]);
        EXPECT_FALSE(book->ReservedFlags[1]);
        EXPECT_EQ(book->ReservedFlags[2], version >= 5);
        ASSERT_EQ(book->Topics.size(), 3u);
        EXPECT_EQ(book->Topics[1].Title, "Key Ideas");
        EXPECT_EQ(book->Topics[1].TopicAttribute, 2);
        EXPECT_EQ(book->Topics[2].TopicAttribute, 9);
        EXPECT_EQ(book->ChapterCount, 3);
        EXPECT_EQ(book->ChapterName(2), "Saving");
        EXPECT_EQ(book->Variables.size(), version >= 1 ? 2u : 0u);
        EXPECT_EQ(book->Expressions.size(), version >= 2 ? 2u : 0u);
        EXPECT_EQ(book->Formulas.size(), version >= 3 ? 1u : 0u);
    }
}

TEST(BookDefinition, FlagBytesComeInTheOrderOfTheVersion) {
    auto book = std::make_unique<TBookProperties>();
    book->HasGlossary = true;
    // Version 3: glossary, reserved 1, reserved 2, then the topic count.
    const std::string v3 = WriteBookProperties(*book, 3, UsSettings);
    const std::size_t flags = 6 + 7 * 2; // after the head and seven empty texts
    EXPECT_EQ(v3.substr(flags, 3), std::string("\x01\x00\x00", 3));
    std::string changed = v3;
    changed[flags + 1] = 1; // the byte after has-glossary is reserved flag 1, not the quiz flag
    const auto read = Read(changed);
    EXPECT_FALSE(read->HasMatchingQuiz);
    EXPECT_TRUE(read->ReservedFlags[0]);

    // Version 5: has author's notes is the sixth of seven flag bytes.
    book->HasAuthorsNotes = true;
    const std::string v5 = WriteBookProperties(*book, 5, UsSettings);
    EXPECT_EQ(v5.substr(flags, 7), std::string("\x01\x00\x00\x00\x00\x01\x00", 7));
}

TEST(BookDefinition, UnknownVersionSetsLoadFailedWithItsMessage) {
    std::string bytes = "\x04"
                        "BPQZ"
                        "\x06";
    bytes += std::string(40, '\x01');
    const auto book = Read(bytes);
    EXPECT_TRUE(book->LoadFailed);
    EXPECT_EQ(book->LoadError, "Unknown version of book properties (6).");
    EXPECT_TRUE(book->Title.empty());
    EXPECT_TRUE(book->Topics.empty());
    EXPECT_EQ(book->ChapterCount, 0);
}

TEST(BookDefinition, VersionZeroIsNotTakenForAMarkedFile) {
    TBookProperties book;
    book.Title = std::string(4, 'T'); // length bytes 04 00, like the marker's length byte
    const std::string bytes = WriteBookProperties(book, 0, UsSettings);
    EXPECT_EQ(Read(bytes)->Title, "TTTT");
    // A first byte that claims more bytes than the file has is not a truncated head.
    book.Title = std::string(200, 'x');
    EXPECT_EQ(Read(WriteBookProperties(book, 0, UsSettings))->Title.size(), 200u);
}

TEST(BookDefinition, TruncatedFileIsReportedWithFieldAndOffset) {
    ScriptedRandom random;
    const std::string bytes = WriteBookProperties(*SampleBook(), 5, UsSettings);
    for (std::size_t cut : {std::size_t{3}, std::size_t{10}, bytes.size() / 2, bytes.size() - 1}) {
        try {
            Read(bytes.substr(0, cut));
            ADD_FAILURE() << "no error at " << cut;
        } catch (const TTruncatedFileError& e) {
            EXPECT_NE(std::string(e.what()).find("BOOK.DEF: the file ends inside"),
                      std::string::npos);
            EXPECT_NE(std::string(e.what()).find("at byte"), std::string::npos);
        }
    }
}

TEST(BookDefinition, HostileCountsCostOnlyTheBytesThatAreThere) {
    // A topic count of 32767 followed by nothing: reported, not looped over.
    TByteWriter out;
    WriteShortString(out, "BPQZ");
    out.WriteByte(1);
    for (int i = 0; i < 7; ++i)
        WriteLongString(out, "");
    out.WriteBytes(std::string(3, '\0'));
    out.WriteInt16(32767);
    EXPECT_THROW(Read(out.Bytes()), TTruncatedFileError);
    // -32768 is refused; other negative counts mean no records.
    TByteWriter negative;
    for (int i = 0; i < 7; ++i)
        WriteLongString(negative, "");
    negative.WriteBytes(std::string(3, '\0'));
    negative.WriteInt16(-5);
    negative.WriteInt16(-32768);
    EXPECT_THROW(Read(negative.Bytes()), TBookFileError);
}

TEST(BookDefinition, TopicRecordsInEveryFormAreNumberedWithinTheBook) {
    TByteWriter out;
    for (int i = 0; i < 7; ++i)
        WriteLongString(out, "");
    out.WriteBytes(std::string(3, '\0'));
    out.WriteInt16(4);
    WriteShortString(out, "Plain title"); // unmarked
    WriteShortString(out, "CTI");         // marked, version 1
    out.WriteByte(1);
    WriteShortString(out, "Marked  ");
    out.WriteUInt16(5);
    WriteShortString(out, "CTI"); // marked, unknown version: nothing more is read
    out.WriteByte(3);
    WriteShortString(out, "Last");
    out.WriteInt16(0);

    const auto book = Read(out.Bytes());
    ASSERT_EQ(book->Topics.size(), 4u);
    EXPECT_EQ(book->Topics[0].Title, "Plain title");
    EXPECT_EQ(book->Topics[0].TopicAttribute, 2);
    EXPECT_EQ(book->Topics[1].Title, "Marked");
    EXPECT_EQ(book->Topics[1].TopicAttribute, 5);
    EXPECT_EQ(book->Topics[2].Title, "");
    EXPECT_EQ(book->Topics[2].TopicAttribute, 0);
    EXPECT_EQ(book->Topics[3].Title, "Last");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(book->Topics[i].TopicId, i + 1);
    EXPECT_EQ(book->TopicTitle(4), "Last");
    EXPECT_EQ(book->TopicTitle(5), "");

    // Another reading of the same book, after other books were read, gives the same ids.
    Read(WriteBookProperties(*SampleBook(), 5, UsSettings));
    const auto again = Read(out.Bytes());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(again->Topics[i].TopicId, book->Topics[i].TopicId);
}

TEST(BookDefinition, VariableRecordsInBothLayoutsAndRegionalBounds) {
    ScriptedRandom random;
    TRegionalSettings comma;
    comma.DecimalSeparator = ",";
    TBookProperties book;
    book.Variables.push_back(
        std::make_unique<TVarible>("price", vkCurrency, TReal48::FromExtended(2.5L),
                                   TReal48::FromExtended(10.25L), 2, std::nullopt));
    book.Variables.back()->RecordVersion = 0;
    book.Variables.push_back(
        std::make_unique<TVarible>("rate", vkNumber, TReal48::FromExtended(1.5L),
                                   TReal48::FromExtended(3.75L), 1, std::nullopt));
    const std::string bytes = WriteBookProperties(book, 1, comma);
    EXPECT_NE(bytes.find("1,5"), std::string::npos); // bounds stored as text with the comma

    const auto read = Read(bytes, comma);
    ASSERT_EQ(read->Variables.size(), 2u);
    EXPECT_EQ(read->Variables[0]->RecordVersion, 0);
    EXPECT_EQ(read->Variables[0]->Max.ToExtended(), 10.25L);
    EXPECT_EQ(read->Variables[1]->Min.ToExtended(), 1.5L);
    EXPECT_EQ(read->Variables[1]->Decimals, 1);
    EXPECT_TRUE(read->Variables[1]->BoundsWithoutPoint);
    // A book written with a comma reads where the separator is a point too, and says so.
    const auto elsewhere = Read(bytes, UsSettings);
    EXPECT_EQ(elsewhere->Variables[1]->Max.ToExtended(), 3.75L);
    EXPECT_TRUE(elsewhere->Variables[1]->BoundsWithoutPoint);
    EXPECT_FALSE(
        Read(WriteBookProperties(book, 1, UsSettings), comma)->Variables[1]->BoundsWithoutPoint);
    // A text that is no number in any of the ways still fails, and the error passes on.
    std::string broken = bytes;
    broken.replace(broken.find("1,5"), 3, "1;5");
    EXPECT_THROW(Read(broken, UsSettings), EConvertError);
}

TEST(BookDefinition, VersionZeroVariableNamedVarIsReadAsMarked) {
    ScriptedRandom random;
    TBookProperties book;
    book.Variables.push_back(
        std::make_unique<TVarible>("VAR", vkNumber, TReal48{}, TReal48{}, 0, std::nullopt));
    book.Variables.back()->RecordVersion = 0;
    std::string bytes = WriteBookProperties(book, 1, UsSettings);
    // The name reads as the marker and the kind's low byte (2) as an unknown version.
    const auto read = Read(bytes + std::string(64, '\0'));
    ASSERT_EQ(read->Variables.size(), 1u);
    EXPECT_EQ(read->Variables[0]->Name, "");
    EXPECT_EQ(read->Variables[0]->RecordVersion, 2);
}

TEST(BookDefinition, FormulaAndExpressionRecords) {
    TByteWriter out;
    WriteShortString(out, "BPQZ");
    out.WriteByte(3);
    for (int i = 0; i < 7; ++i)
        WriteLongString(out, "");
    out.WriteBytes(std::string(3, '\0'));
    out.WriteInt16(0);
    out.WriteInt16(0);
    out.WriteInt16(0);
    out.WriteInt16(1);
    out.WriteByte(1); // expression version 1: first text only
    WriteLongString(out, "first");
    out.WriteInt16(3);
    out.WriteByte(0); // formula version 0: the single byte
    out.WriteByte(1);
    out.WriteByte(1);
    WriteLongString(out, "double(x) = {1}*2");
    WriteLongString(out, "twice");
    out.WriteByte(7); // higher versions read like 1
    out.WriteByte(0);
    WriteLongString(out, "1+2");
    WriteLongString(out, "");

    const auto book = Read(out.Bytes());
    ASSERT_EQ(book->Expressions.size(), 1u);
    EXPECT_EQ(book->Expressions[0].FirstText, "first");
    EXPECT_EQ(book->Expressions[0].SecondText, "");
    ASSERT_EQ(book->Formulas.size(), 3u);
    EXPECT_TRUE(book->Formulas[0]->HasDeclaration);
    EXPECT_EQ(book->Formulas[0]->Source, "");
    EXPECT_FALSE(book->Formulas[0]->Compiled);
    EXPECT_EQ(book->Formulas[1]->Name, "double");
    EXPECT_TRUE(book->Formulas[1]->Compiled);
    EXPECT_EQ(book->Formulas[1]->SecondText, "twice");
    EXPECT_FALSE(book->Formulas[2]->HasDeclaration);
    const TVariableValues values;
    EXPECT_EQ(book->Scope(values).FindFormula("double"), book->Formulas[1].get());
}

TEST(BookDefinition, MalformedFormulaFailsTheLoad) {
    TBookProperties book;
    book.Formulas.push_back(std::make_unique<TFormula>(false, "1", ""));
    book.Formulas[0]->Source = "f(x) = (1+2))";
    book.Formulas[0]->HasDeclaration = true;
    const std::string bytes = WriteBookProperties(book, 3, UsSettings);
    EXPECT_THROW(Read(bytes), EFormulaSyntaxError);
}

TEST(BookDefinition, AccessorsNeverFail) {
    TBookProperties book;
    book.ChapterCount = 300;
    book.ChapterNames = {"One"};
    EXPECT_EQ(book.ChapterName(0), "");
    EXPECT_EQ(book.ChapterName(2), "");
    EXPECT_EQ(book.ChapterName(1), "One");
    EXPECT_TRUE(book.TopicInChapter(255, 1));
    EXPECT_FALSE(book.TopicInChapter(256, 1));
    EXPECT_FALSE(book.TopicInChapter(0, 1));
    book.ChapterCount = -4;
    EXPECT_FALSE(book.TopicInChapter(1, 1));
    EXPECT_EQ(TBookProperties::ChapterPicture(3), "CHAP3.JPG");
}

TEST(BookDefinition, LoadsFromADirectoryWhateverTheCaseOfTheName) {
    ScriptedRandom random;
    TempBookDir dir;
    EXPECT_THROW(LoadBookProperties(dir.Path(), UsSettings), TFileOpenError);
    dir.Write("book.def", WriteBookProperties(*SampleBook(), 5, UsSettings));
    const auto book = LoadBookProperties(dir.Path(), UsSettings);
    EXPECT_EQ(book->Title, "Personal Finance");
    EXPECT_EQ(book->FindVariable("rate"), book->Variables[0].get());
    EXPECT_EQ(book->FindVariable("Rate"), nullptr);
}

// A book whose variable `name` always draws `value` (two decimals at most) and whose function
// `function` adds 1.
std::unique_ptr<TBookProperties> BookWith(const std::string& name, Extended value,
                                          const std::string& function) {
    TBookProperties book;
    book.ChapterNames = {"One"};
    book.Variables.push_back(
        std::make_unique<TVarible>(name, vkNumber, TReal48::FromExtended(value),
                                   TReal48::FromExtended(value), 2, std::nullopt));
    book.Formulas.push_back(std::make_unique<TFormula>(true, function + "(x) = {1}+1", ""));
    return Read(WriteBookProperties(book, 5, UsSettings));
}

// What the question runner does with a word problem's formula.
std::string Answer(const std::string& source, const TBookProperties& book) {
    const TVariableValues& values = book.FirstValues;
    TFormula formula(2);
    formula.Source = source;
    if (!formula.Compile(nullptr)) return "does not compile";
    try {
        const double value = static_cast<double>(Evaluate(formula, book.Scope(values)));
        char text[32];
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    } catch (const EInvalidOperation& e) {
        return e.what();
    }
}

TEST(BookDefinition, EachBooksFormulasSeeOnlyThatBooksSymbols) {
    ScriptedRandom random;
    auto loans = BookWith("rate", 0.05L, "next");
    const auto taxes = BookWith("levy", 0.2L, "after");
    const auto rival = BookWith("rate", 0.75L, "next");

    const struct {
        const char* Source;
        const TBookProperties* Book;
        const char* Expected;
    } cases[] = {
        {"next({rate})", loans.get(), "1.05"},
        {"next({rate})", rival.get(), "1.75"},
        {"after({levy})", taxes.get(), "1.2"},
        {"{levy}", loans.get(), "EvalNode: unknown varible ({levy})"},
        {"after(1)", loans.get(), "Unknown function: after"},
        {"{rate}", taxes.get(), "EvalNode: unknown varible ({rate})"},
        {"next(1)", taxes.get(), "Unknown function: next"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Source);
        EXPECT_EQ(Answer(c.Source, *c.Book), c.Expected);
    }
    // The answer formula is evaluated in the book's scope without joining it.
    EXPECT_EQ(loans->Formulas.size(), 1u);

    // A book dropped leaves nothing behind for the others.
    loans.reset();
    EXPECT_EQ(Answer("next({rate})", *rival), "1.75");
    EXPECT_EQ(Answer("{rate}", *taxes), "EvalNode: unknown varible ({rate})");
}

// Each attempt starts from the figures the book drew as it was read and draws into figures of its
// own; the book it reads stays as it was read.
TEST(BookDefinition, AttemptsOverOneBookKeepTheirOwnFigures) {
    TBookProperties written;
    written.ChapterNames = {"One"};
    written.Variables.push_back(std::make_unique<TVarible>(
        "n", vkNumber, TReal48::FromExtended(1), TReal48::FromExtended(100), 0, std::nullopt));
    written.Formulas.push_back(std::make_unique<TFormula>(true, "twice(x) = {1}*2", ""));
    ScriptedRandom random({4, 9, 29});
    const std::unique_ptr<const TBookProperties> book =
        Read(WriteBookProperties(written, 5, UsSettings)); // draws 5
    const TVarible& n = *book->Variables[0];
    TFormula answer(2);
    answer.Source = "twice({n})";
    TQuestion question;
    question.Text = "Twice {n}?";

    TVariableValues quiz = book->FirstValues;
    TVariableValues test = book->FirstValues;
    EXPECT_EQ(Evaluate(answer, book->Scope(quiz)), 10);
    EXPECT_EQ(test.Draw(n), 10);
    EXPECT_EQ(Evaluate(answer, book->Scope(test)), 20);
    EXPECT_EQ(ExpandText(question, *book, quiz, UsSettings), "Twice 30?");
    EXPECT_EQ(Evaluate(answer, book->Scope(quiz)), 60);
    EXPECT_EQ(Evaluate(answer, book->Scope(test)), 20);
    EXPECT_EQ(book->FirstValues.ValueOf(n), 5);
    // A figure given, as the book tool's --set gives it; a variable with none reads 0.
    test.Set(n, 7);
    EXPECT_EQ(Evaluate(answer, book->Scope(test)), 14);
    EXPECT_EQ(Evaluate(answer, book->Scope(quiz)), 60);
    const TVariableValues none;
    EXPECT_EQ(Evaluate(answer, book->Scope(none)), 0);
}

// Evaluating reads the book's formulas and writes none of them: a call's arguments belong to the
// evaluation, so calls of one formula nested in each other, or made by two evaluations at once,
// each see their own.
TEST(BookDefinition, EvaluatingLeavesTheBooksFormulasAsTheyWereRead) {
    TBookProperties written;
    written.ChapterNames = {"One"};
    written.Variables.push_back(std::make_unique<TVarible>(
        "n", vkNumber, TReal48::FromExtended(1), TReal48::FromExtended(100), 0, std::nullopt));
    for (const char* source :
         {"twice(x) = {1}*2", "five(x) = twice(twice({1}))+{1}", "loop(x) = loop({1}+1)",
          "ping(x) = 1+pong({1})", "pong(x) = ping({1}-1)", "sqrt(x) = 0"})
        written.Formulas.push_back(std::make_unique<TFormula>(true, source, ""));
    const std::unique_ptr<const TBookProperties> book =
        Read(WriteBookProperties(written, 5, UsSettings));
    std::vector<FormulaFields> asRead;
    for (const auto& formula : book->Formulas)
        asRead.push_back(FieldsOf(*formula));

    const TVarible& n = *book->Variables[0];
    TVariableValues quiz;
    quiz.Set(n, 5);
    TVariableValues test;
    test.Set(n, 7);
    const auto answer = [&](const std::string& source, const TVariableValues& values) {
        TFormula formula(2);
        formula.Source = source;
        try {
            return std::to_string(static_cast<double>(Evaluate(formula, book->Scope(values))));
        } catch (const EInvalidOperation& e) {
            return std::string(e.what());
        }
    };
    const std::string tooDeep = "Formula calls nested more than 256 deep at ";
    const struct {
        const char* Source;
        std::string WithQuiz;
        std::string WithTest;
    } cases[] = {
        {"five({n})", "25.000000", "35.000000"},
        {"twice(five({n}))-five(twice({n}))", "0.000000", "0.000000"},
        {"sqrt(five({n})*five({n}))+{n}", "30.000000", "42.000000"},
        {"loop({n})", tooDeep + "\"loop\": does a formula call itself?",
         tooDeep + "\"loop\": does a formula call itself?"},
        {"five(ping({n}))", tooDeep + "\"ping\": does a formula call itself?",
         tooDeep + "\"ping\": does a formula call itself?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Source);
        EXPECT_EQ(answer(c.Source, quiz), c.WithQuiz);
        EXPECT_EQ(answer(c.Source, test), c.WithTest);
        EXPECT_EQ(answer(c.Source, quiz), c.WithQuiz) << "the other attempt left nothing behind";
    }

    // A book's formula called directly, as a const formula.
    const TFormula& five = *book->Formulas[1];
    EXPECT_EQ(Call(five, 1, TArguments{3}, book->Scope(quiz)), 15);
    EXPECT_THROW(Evaluate(*std::make_unique<TFormula>(five), book->Scope(quiz)), EInvalidOperation)
        << "outside a call, the copy's own argument is missing";

    // Two attempts evaluating over the one book at the same time.
    const auto evaluateMany = [&](const TVariableValues& values, Extended expected,
                                  bool& allRight) {
        TFormula formula(2);
        formula.Source = "five({n})+five(five({n}))";
        allRight = true;
        for (int i = 0; i < 2000; ++i)
            if (Evaluate(formula, book->Scope(values)) != expected) allRight = false;
    };
    bool quizRight = false;
    bool testRight = false;
    std::thread quizThread(evaluateMany, std::cref(quiz), 150, std::ref(quizRight));
    std::thread testThread(evaluateMany, std::cref(test), 210, std::ref(testRight));
    quizThread.join();
    testThread.join();
    EXPECT_TRUE(quizRight);
    EXPECT_TRUE(testRight);

    ASSERT_EQ(book->Formulas.size(), asRead.size());
    for (std::size_t i = 0; i < asRead.size(); ++i)
        EXPECT_EQ(FieldsOf(*book->Formulas[i]), asRead[i]) << "formula " << i;
}

} // namespace
} // namespace quillara
