#include "core/book/book_properties.h"
#include "core/book/book_strings.h"
#include "core/book/question.h"
#include "core/book/question_text.h"
#include "core/io/book_errors.h"
#include "sample_questions.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

using testing::ScriptedRandom;

std::vector<TQuestion> ReadBank(const std::string& bytes) {
    TByteReader in(bytes, "QUESTION.1");
    return ReadQuestionBank(in);
}

TEST(QuestionRecords, BothVersionsLoadFromOneBank) {
    const TQuestion wordProblem = testing::SampleWordProblem(2);
    const TQuestion oldWordProblem = testing::SampleWordProblem(1);
    TQuestion multipleChoice;
    multipleChoice.Text = "Which?\r\nA) one\r\nB) two";
    multipleChoice.Answer = 'B';
    multipleChoice.ChoiceCount = 2;
    multipleChoice.Explanation = "Because.";
    multipleChoice.GlossaryTerms = std::vector<std::string>{"Budget", "Interest  "};

    const auto read = ReadBank(WriteQuestionBank({wordProblem, oldWordProblem, multipleChoice}));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].RoundTo, 2.0L);
    EXPECT_EQ(read[0].Formula, "{a}+{b}");
    EXPECT_EQ(read[0].RecordVersion, 2);
    EXPECT_EQ(read[1].RoundTo, 0.0L);
    EXPECT_EQ(read[1].Formula, "{a}+{b}");
    EXPECT_EQ(read[1].RecordVersion, 1);
    EXPECT_EQ(read[2].Answer, 'B');
    EXPECT_EQ(read[2].ChoiceCount, 2);
    EXPECT_EQ(read[2].Explanation, "Because.");
    EXPECT_EQ(read[2].GlossaryTerms, (std::vector<std::string>{"Budget", "Interest"}));
    EXPECT_FALSE(read[0].GlossaryTerms.has_value());
    EXPECT_EQ(read[2].Formula, "");
}

TEST(QuestionRecords, UnknownVersionAndTruncationAreReported) {
    TByteWriter out;
    out.WriteInt16(1);
    WriteShortString(out, "QT!");
    out.WriteByte(3);
    try {
        ReadBank(out.Bytes());
        FAIL();
    } catch (const TVersionError& e) {
        EXPECT_STREQ(e.what(), "Unknown version of the question object");
    }
    TQuestion q;
    q.Text = "Is it?";
    q.Kind = qkTrueFalse;
    std::string bank = WriteQuestionBank({q, q, q});
    bank[0] = '\xFF'; // 32767 records claimed, three there
    bank[1] = '\x7F';
    EXPECT_THROW(ReadBank(bank), TTruncatedFileError);
}

TEST(QuestionRecords, FieldsAreViewsOfTheBankAndEndWhereTheRecordEnds) {
    TQuestion q;
    q.Text = "Which?\r\nA) one";
    q.Explanation = "Because.  ";
    q.Answer = 'A';
    q.ChoiceCount = 1;
    q.GlossaryTerms = std::vector<std::string>{"Budget ", "Interest"};
    TQuestion word;
    word.Kind = qkWordProblem;
    word.Formula = "{a}*2";
    word.RoundTo = -1;
    const std::string bank = WriteQuestionBank({q, word});

    TByteReader fields(bank, "QUESTION.1");
    TByteReader built(bank, "QUESTION.1");
    fields.ReadInt16("count");
    built.ReadInt16("count");
    const auto inBank = [&](std::string_view text) {
        return text.empty() || (text.data() >= bank.data() &&
                                text.data() + text.size() <= bank.data() + bank.size());
    };
    for (const TQuestion& original : {q, word}) {
        const TQuestionFields read = ReadQuestionFields(fields);
        const TQuestion question = ReadQuestion(built);
        EXPECT_EQ(fields.Position(), built.Position());
        EXPECT_TRUE(inBank(read.Text) && inBank(read.Explanation) && inBank(read.Formula));
        EXPECT_EQ(read.Text, question.Text);
        EXPECT_EQ(read.Explanation, question.Explanation);
        EXPECT_EQ(read.Explanation, TrimRight(original.Explanation));
        EXPECT_EQ(read.Formula, original.Formula);
        EXPECT_EQ(read.RoundTo, question.RoundTo);
        std::vector<std::string> terms;
        ForEachRelatedTerm(read, [&](std::string_view term) { terms.emplace_back(term); });
        EXPECT_EQ(terms, question.GlossaryTerms.value_or(std::vector<std::string>{}));
    }
    // Cut inside the second related term: both readers stop at the same field and byte.
    const std::string cut = bank.substr(0, bank.find("Interest") + 3);
    std::string messages[2];
    for (int i = 0; i < 2; ++i) {
        TByteReader in(cut, "QUESTION.1");
        in.ReadInt16("count");
        try {
            i == 0 ? (void)ReadQuestionFields(in) : (void)ReadQuestion(in);
        } catch (const TTruncatedFileError& e) {
            messages[i] = e.what();
        }
    }
    EXPECT_NE(messages[0].find("GlossaryTerms"), std::string::npos) << messages[0];
    EXPECT_EQ(messages[0], messages[1]);
}

struct ExpandFixture : ::testing::Test {
    ExpandFixture() {
        book.Variables.push_back(std::make_unique<TVarible>(
            "x", vkNumber, TReal48::FromExtended(1), TReal48::FromExtended(10), 0, std::nullopt));
        book.Variables.push_back(
            std::make_unique<TVarible>("rate", vkPercent, TReal48::FromExtended(0.05L),
                                       TReal48::FromExtended(0.1L), 4, std::nullopt));
        book.Variables.push_back(
            std::make_unique<TVarible>("price", vkCurrency, TReal48::FromExtended(1000),
                                       TReal48::FromExtended(2000), 2, std::nullopt));
    }
    ScriptedRandom random;
    TBookProperties book;
    TVariableValues values;
    TRegionalSettings regional;
};

TEST_F(ExpandFixture, EveryOccurrenceShowsTheLastOfItsDraws) {
    random.Asked.clear();
    random.Push(3);
    random.Push(6);
    TQuestion q;
    q.Text = "Pick {x} and {x}{unknown}.";
    EXPECT_EQ(ExpandText(q, book, values, regional), "Pick 7 and 7.");
    EXPECT_EQ(random.Asked, (std::vector<std::uint32_t>{9, 9}));
}

TEST_F(ExpandFixture, FormatsPercentMoneyAndNumbersWithTheRegionalSettings) {
    random.Push(325);   // rate: 0.05 + 325/10000 = 0.0825
    random.Push(23456); // price: 1000 + 234.56
    TQuestion q;
    q.Text = "At {rate} on {price}, {unclosed";
    EXPECT_EQ(ExpandText(q, book, values, regional), "At 8.25% on $1,234.56, ");

    TRegionalSettings euro;
    euro.DecimalSeparator = ",";
    euro.ThousandSeparator = ".";
    euro.CurrencySymbol = "\x80"; // the euro sign in Windows-1252
    euro.CurrencyFormat = 3;
    euro.NegativeCurrencyFormat = 8;
    random.Push(325);
    random.Push(23456);
    EXPECT_EQ(ExpandText(q, book, values, euro), "At 8,25% on 1.234,56 \x80, ");
    EXPECT_EQ(book.Variables[2]->DisplayText(-1234.5L, euro), "-1.234,50 \x80");
    EXPECT_EQ(book.Variables[2]->DisplayText(-1234.5L, regional), "($1,234.50)");
}

TEST_F(ExpandFixture, BracesOutsideANameAreShownAsWritten) {
    TQuestion q;
    q.Text = "a } b {x}";
    random.Push(0);
    EXPECT_EQ(ExpandText(q, book, values, regional), "a } b 1");
}

TEST(BuildRtf, MultipleChoiceLabelsStartHangingParagraphs) {
    TQuestion q;
    q.Kind = qkMultipleChoice;
    const std::string text = "Which?\r\nA) one\r\nb. two";
    EXPECT_EQ(BuildRtf(q, text, 10), "{\\rtf1\\ansi \\fs20\\pard\\li0\\fi0 Which?\r\n\\par "
                                     "\\pard\\li720\\fi-720\\tx360 \\par \\tab A)\\tab one\r\n"
                                     "\\par \\par \\tab b)\\tab two\r\n}");
    // The same text in a True/False question stays plain.
    q.Kind = qkTrueFalse;
    EXPECT_EQ(BuildRtf(q, text, 12), "{\\rtf1\\ansi \\fs24\\pard\\li0\\fi0 Which?\r\n\\par "
                                     "A) one\r\n\\par b. two\r\n}");
}

TEST(BuildRtf, LabelsNeedRoomAndBracesAreEscaped) {
    TQuestion q;
    q.Kind = qkMultipleChoice;
    const std::string prefix = "{\\rtf1\\ansi \\fs20\\pard\\li0\\fi0 ";
    EXPECT_EQ(BuildRtf(q, "A) at the start", 10), prefix + "A) at the start\r\n}");
    EXPECT_EQ(BuildRtf(q, "end A) ", 10), prefix + "end A) \r\n}");
    EXPECT_EQ(BuildRtf(q, "12 {x}", 10), prefix + "12 \\{x\\}\r\n}");
    EXPECT_EQ(BuildRtf(q, "line\r\n\r\n  next\r\n", 10),
              prefix + "line\r\n\\par next\r\n\\par \n\r\n}");
}

TEST(ForEachPlaceholderName, NamesEachInnermostBracedRun) {
    const std::pair<std::string_view, std::vector<std::string_view>> cases[] = {
        {"{a}{b}", {"a", "b"}}, {"{{a}", {"a"}},         {"a}{b", {}}, {"{}", {""}},
        {"x{a{b}c}", {"b"}},    {"{a}}{b}", {"a", "b"}}, {"", {}},     {"no names", {}},
    };
    for (const auto& [text, names] : cases) {
        std::vector<std::string_view> found;
        ForEachPlaceholderName(text, [&](std::string_view name) { found.push_back(name); });
        EXPECT_EQ(found, names) << text;
    }
}

// The letters are those of every place StartsChoiceLabel holds, wherever a label falls against the
// eight-byte steps of the search and however near the ends of the text.
TEST(ChoiceLetters, AreTheLabelsStartsChoiceLabelFinds) {
    const std::string pieces[] = {"A) ", "\r\nB. ", " c)\b", " e) ", " F) ",  " a)",
                                  "x",   ".",       ")",     " D)x", "\nE.  "};
    for (int seed = 0; seed < 400; ++seed) {
        std::string text;
        for (int k = 0, n = seed % 13; k < n; ++k)
            text += pieces[(seed * 7 + k * 5 + k * k) % std::size(pieces)];
        std::string expected;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (StartsChoiceLabel(text, i)) expected += text[i];
        EXPECT_EQ(ChoiceLetters(text), expected) << text;
    }
    EXPECT_EQ(ChoiceLetters(" A) one\r\nB) two\r\nC) three"), "ABC");
}

} // namespace
} // namespace quillara
