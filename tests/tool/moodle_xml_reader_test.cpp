#include "imported_question_check.h"
#include "moodle_xml_reader.h"
#include "temp_book_dir.h"

#include <gtest/gtest.h>

namespace quillara::tool {
namespace {

using testing::ExpectedImport;
using K = TImportedKind;

std::string Quiz(const std::string& questions) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n" + questions + "</quiz>\n";
}

std::string Calculated(const std::string& datasets) {
    return "<question type=\"calculated\"><name><text>C</text></name><questiontext><text>{a}?"
           "</text></questiontext><answer fraction=\"100\"><text>{a}*2</text><tolerance>0.05"
           "</tolerance></answer><dataset_definitions>" +
           datasets + "</dataset_definitions></question>\n";
}

std::string Dataset(const char* name, const char* min, const char* max, const char* decimals) {
    return std::string("<dataset_definition><status><text>shared</text></status><name><text>") +
           name + "</text></name><minimum><text>" + min + "</text></minimum><maximum><text>" + max +
           "</text></maximum><decimals><text>" + decimals +
           "</text></decimals></dataset_definition>";
}

TEST(MoodleXmlReader, ReadsEachTypeWithItsTextsAnswersAndFeedback) {
    const std::string file = Quiz(
        "<question type=\"category\"><category><text>$course$/x</text></category></question>\n"
        "<question type=\"truefalse\"><name><text> Moon </text></name><questiontext "
        "format=\"html\"><text><![CDATA[<p>The moon &amp; <b>sun</b></p>]]></text></questiontext>"
        "<generalfeedback><text>Look up.</text></generalfeedback>"
        "<answer fraction=\"0\"><text>true</text><feedback><text>No.</text></feedback></answer>"
        "<answer fraction=\"100\"><text>false</text></answer></question>\n"
        "<question type=\"multichoice\"><questiontext format=\"markdown\"><text>**Pick** one"
        "</text></questiontext><single>true</single>"
        "<answer fraction=\"-50\"><text>x &lt; y</text><feedback><text>Too small.</text>"
        "</feedback></answer><answer fraction=\"100\"><text>y</text></answer></question>\n"
        "<question type=\"numerical\"><name><text>N</text></name><questiontext "
        "format=\"plain_text\"><text>How many?</text></questiontext>"
        "<answer fraction=\"100\"><text>12.50</text><tolerance>0.5</tolerance>"
        "<feedback><text>Right.</text></feedback></answer>"
        "<answer fraction=\"0\"><text>10</text><feedback><text>Not ten.</text></feedback>"
        "</answer><units><unit><name>kg</name></unit></units></question>\n" +
        Calculated(Dataset("a", "1", "9", "0")) +
        "<question type=\"truefalse\"><name><text>Empty</text></name></question>\n"
        "<question type=\"multichoice\"><name><text>Multi</text></name><questiontext><text>M"
        "</text></questiontext><single>false</single><answer fraction=\"100\"><text>a</text>"
        "</answer><answer fraction=\"0\"><text>b</text></answer></question>\n"
        "<question type=\"numerical\"><name><text>Word</text></name><questiontext><text>W"
        "</text></questiontext><answer fraction=\"100\"><text>ten</text></answer></question>\n"
        "<question type=\"shortanswer\"><name><text>S</text></name></question>\n"
        "<question type=\"calculatedmulti\"><name><text>CM</text></name></question>\n"
        "<question><name><text>Untyped</text></name></question>\n");
    const std::vector<ExpectedImport> expected = {
        {K::TrueFalse, "question \"Moon\" (line 4)", "The moon & sun", {"F"}, "Look up.", "No."},
        {K::MultipleChoice, "question (line 5)", "Pick one", {"x < y#Too small.", "=y"}},
        {K::Numerical, "question \"N\" (line 6)", "How many?", {"12.50"}, "Right.", "Not ten."},
        {K::Calculated, "question \"C\" (line 7)", "{a}?", {"{a}*2"}},
        {K::TrueFalse, "question \"Empty\" (line 8)", "", {}, "", "", "no answer with full"},
        // Boxes to tick, but one answer with full credit: that answer is the question's.
        {K::MultipleChoice, "question \"Multi\" (line 9)", "M", {"=a", "b"}},
        {K::Unsupported,
         "question \"Word\" (line 10)",
         "W",
         {},
         "",
         "",
         "its answer \"ten\" is not a number"},
        {K::Unsupported, "question \"S\" (line 11)", "", {}, "", "", "a short-answer question"},
        {K::Unsupported,
         "question \"CM\" (line 12)",
         "",
         {},
         "",
         "",
         "a calculated multiple-choice question"},
        {K::Unsupported,
         "question \"Untyped\" (line 13)",
         "",
         {},
         "",
         "",
         "a question of the type \"\""},
    };
    const std::vector<TImportedQuestion> read = ReadMoodleXml(file);
    ASSERT_EQ(read.size(), expected.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(i + 1);
        // The kind a skipped question was read as is not kept: compare the reason instead.
        ExpectedImport want = expected[i];
        if (!want.SkipReason.empty()) want.Kind = K::Unsupported;
        testing::ExpectImported(read[i], want);
    }
    EXPECT_EQ(read[2].AnswerDecimals, 2);
    EXPECT_DOUBLE_EQ(read[2].Tolerance, 0.5);
    EXPECT_EQ(read[2].Notes, (std::vector<std::string>{"only the answer with full credit is kept",
                                                       "its units are left out"}));
    ASSERT_EQ(read[3].Variables.size(), 1u);
    EXPECT_EQ(read[3].ToleranceKind, TToleranceKind::Relative);
}

// A dataset the book could not draw as written is named; its question is not read as valid.
TEST(MoodleXmlReader, DatasetRangesMustBeNumbersWithWholeDecimals) {
    struct RangeCase {
        std::string Dataset;
        bool Read;
    };
    const RangeCase cases[] = {
        {Dataset("a", "1", "9", "0"), true},    {Dataset("a", "-2.5", "1e3", "9"), true},
        {Dataset("a", "1", "9", "10"), false},  {Dataset("a", "1", "9", "-1"), false},
        {Dataset("a", "1", "9", "1.5"), false}, {Dataset("a", "one", "9", "0"), false},
        {Dataset("a", "1", "inf", "0"), false}, {Dataset("a", "1", "", "0"), false},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.Dataset);
        const auto read = ReadMoodleXml(Quiz(Calculated(c.Dataset)));
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].Kind == K::Calculated, c.Read) << read[0].SkipReason;
        if (!c.Read)
            EXPECT_NE(read[0].SkipReason.find("the range of the variable \"a\""),
                      std::string::npos);
    }
}

// The places an answer is shown to are held to the 0 to 9 the platforms offer (found by the
// fuzzer).
TEST(MoodleXmlReader, AnswerLengthsAreHeldToTheirRange) {
    const std::pair<const char*, int> lengths[] = {{"2", 2}, {"-5", 0}, {"12", 9}, {"1e111", 9}};
    for (const auto& [length, decimals] : lengths) {
        SCOPED_TRACE(length);
        std::string question = Calculated(Dataset("a", "1", "9", "0"));
        question.replace(question.find("</answer>"), 0,
                         std::string("<correctanswerformat>1</correctanswerformat>"
                                     "<correctanswerlength>") +
                             length + "</correctanswerlength>");
        const auto read = ReadMoodleXml(Quiz(question));
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].AnswerDecimals, decimals);
    }
}

TEST(MoodleXmlReader, AFileThatIsNoQuizFileNamesWhereReadingStopped) {
    std::string nested = "<quiz>";
    for (int i = 0; i < 10000; ++i)
        nested += "<a>";
    testing::ExpectEachRefused(
        ReadMoodleXml,
        {
            {"", 1, 1, "the file is empty"},
            {"<quiz>\n<question>\n</questio>\n</quiz>", 3, 11,
             "closed with another element's name"},
            {"<quiz>\n<question>", 2, 11, "the file ends before its elements are closed"},
            {"<quiz>&nbsp;</quiz>", 1, 13, "an unknown character name"},
            {"<quiz><question a=\"1\" a=\"2\"></question></quiz>", 1, 28,
             "not written as name=\"value\""},
            {"<?xml version=\"1.0\"?>\n\n<questions/>", 3, 1, "holds its questions in <quiz>"},
            {"<!DOCTYPE quiz>\n<quiz/>", 1, 1, "declares a document type"},
            {"<!DOCTYPE quiz [<!ENTITY a \"aaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>\n<quiz>&b;</quiz>",
             1, 1, "declares a document type"},
            // The first fault is named, not those the parser meets after losing its way.
            {"<?xml version=\"1.0\"?>\n<quiz>\n<question type=x>\n</question></quiz>", 3, 16,
             "not written as name=\"value\""},
            {"<?xml version=\"1.0\"?>\n<!DOCTYPE quiz>\n<quiz/>", 2, 1, "declares a document type"},
            {"<quiz>\n<question a=\"" + std::string(10'000'001, 'x') + "\"/></quiz>", 2, 13,
             "an attribute's value has no closing quote or is longer"},
            {nested, 1, 775, "nested more than 256 deep"},
        });
}

// Nothing outside the file is read: no external entity, no XInclude.
TEST(MoodleXmlReader, ReadsNothingOutsideTheFile) {
    const testing::TempBookDir dir;
    const std::string secret = dir.Write("secret.txt", "SECRET").string();
    const auto read = ReadMoodleXml(Quiz(
        "<question type=\"truefalse\" xmlns:xi=\"http://www.w3.org/2001/XInclude\"><name><text>"
        "X</text></name><questiontext><text>Q<xi:include href=\"" +
        secret +
        "\" parse=\"text\"/></text></questiontext><answer fraction=\"100\"><text>true</text>"
        "</answer></question>\n"));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].Text, "Q");
    testing::ExpectParseError(
        ReadMoodleXml,
        "<!DOCTYPE quiz [<!ENTITY x SYSTEM \"" + secret +
            "\">]>\n<quiz><question "
            "type=\"truefalse\"><name><text>&x;</text></name></question></quiz>",
        1, 1, "declares a document type");
}

} // namespace
} // namespace quillara::tool
