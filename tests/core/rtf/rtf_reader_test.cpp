#include "core/book/question.h"
#include "core/book/question_text.h"
#include "core/rtf/rtf_reader.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

// One line per paragraph: its indents and tab stops when set, then each run as
// "[flags size]text", so that a missed merge or a lost format shows in the comparison.
std::vector<std::string> Describe(const TRtfDocument& document) {
    std::vector<std::string> lines;
    for (const TRtfParagraph& paragraph : document.Paragraphs) {
        std::string line;
        if (paragraph.LeftIndent != 0) line += "li" + std::to_string(paragraph.LeftIndent) + " ";
        if (paragraph.FirstIndent != 0) line += "fi" + std::to_string(paragraph.FirstIndent) + " ";
        for (int stop : paragraph.TabStops)
            line += "tx" + std::to_string(stop) + " ";
        for (const TRtfRun& run : paragraph.Runs) {
            line += '[';
            if (run.Format.Bold) line += 'b';
            if (run.Format.Italic) line += 'i';
            if (run.Format.Underline) line += 'u';
            line += std::to_string(run.Format.HalfPoints) + "]" + run.Text;
        }
        lines.push_back(line);
    }
    return lines;
}

struct TCase {
    const char* Name;
    std::string Rtf;
    std::vector<std::string> Paragraphs;
};

void ExpectCases(const std::vector<TCase>& cases) {
    for (const TCase& c : cases)
        EXPECT_EQ(Describe(ReadRtf(c.Rtf)), c.Paragraphs) << c.Name;
}

TEST(ReadRtf, BuiltQuestionsComeBackAsHangingChoices) {
    TQuestion choice;
    choice.Kind = qkMultipleChoice;
    TQuestion trueFalse;
    trueFalse.Kind = qkTrueFalse;
    const std::string hang = "li720 fi-720 tx360 ";
    ExpectCases({
        {"choices",
         BuildRtf(choice, "Which?\r\nA) one\r\nb. two", 10),
         {"[20]Which?", hang, hang + "[20]\tA)\tone", hang, hang + "[20]\tb)\ttwo"}},
        {"braces and Windows-1252 text",
         BuildRtf(trueFalse, "Costs 5 \x80 {y}\r\nnext } line", 12),
         {"[24]Costs 5 \xE2\x82\xAC {y}", "[24]next } line"}},
    });
}

TEST(ReadRtf, CharacterFormatFollowsGroups) {
    ExpectCases({
        {"nested groups", "{\\rtf1 a{\\b b{\\i c}d}e}", {"[24]a[b24]b[bi24]c[b24]d[24]e"}},
        {"switches and their zero forms",
         "\\b b\\b0 \\i i\\i0 \\ul u\\ulnone n\\ul1 o\\ul0 z",
         {"[b24]b[i24]i[u24]u[24]n[u24]o[24]z"}},
        {"plain resets everything", "{\\b\\i\\ul\\fs40 x\\plain y}z", {"[biu40]x[24]yz"}},
        {"size in half points", "\\fs20 a{\\fs31 b}\\fs c", {"[20]a[31]b[24]c"}},
        {"equal neighbours merge", "a{\\b}b{\\i0 c}{\\b0\\fs24 d}", {"[24]abcd"}},
        {"one space ends a word, the next is text", "\\b  x", {"[b24] x"}},
        {"a digit ends the word and starts its parameter", "\\fs20x", {"[20]x"}},
    });
}

TEST(ReadRtf, ParagraphFormatAndBreaks) {
    ExpectCases({
        {"pard clears indents and tabs",
         "\\li720\\fi-360\\tx100 a\\par\\pard b",
         {"li720 fi-360 tx100 [24]a", "[24]b"}},
        {"tab stops sort and repeat once", "\\tx720\\tx360\\tx720 a", {"tx360 tx720 [24]a"}},
        {"the paragraph format outlives its group",
         "{\\li720 a\\par}b\\par\\pard c",
         {"li720 [24]a", "li720 [24]b", "[24]c"}},
        {"a word without its number", "\\li\\fi\\tx a", {"[24]a"}},
        {"empty paragraphs are kept, a trailing par adds none",
         "a\\par\\par b\\par",
         {"[24]a", "", "[24]b"}},
        {"raw line ends are not text", "a\r\nb\rc\nd", {"[24]abcd"}},
        {"a backslash before a line end breaks the paragraph", "a\\\r\nb", {"[24]a", "[24]b"}},
        {"line, tab and named characters",
         "a\\line b\\tab c\\emdash\\bullet\\~\\_",
         {"[24]a\nb\tc\xE2\x80\x94\xE2\x80\xA2\xC2\xA0\xE2\x80\x91"}},
        {"nothing at all", "{\\rtf1\\ansi}", {}},
    });
}

TEST(ReadRtf, CharactersFromBytesAndNumbers) {
    ExpectCases({
        {"hex Windows-1252", "caf\\'e9 \\'80\\'C9", {"[24]caf\xC3\xA9 \xE2\x82\xAC\xC3\x89"}},
        {"raw Windows-1252", "caf\xE9", {"[24]caf\xC3\xA9"}},
        {"escaped braces and backslash", "\\{x\\}\\\\", {"[24]{x}\\"}},
        {"unicode with its fallback",
         "\\u8364?x",
         {"[24]\xE2\x82\xAC"
          "x"}},
        {"negative unicode", "\\u-3?", {"[24]\xEF\xBF\xBD"}},
        {"surrogate pair", "\\u-10179?\\u-8704?", {"[24]\xF0\x9F\x98\x80"}},
        {"lone surrogates", "\\u-10179?x\\u-8704?", {"[24]\xEF\xBF\xBDx\xEF\xBF\xBD"}},
        {"fallback of two",
         "\\uc2\\u8364??x",
         {"[24]\xE2\x82\xAC"
          "x"}},
        {"no fallback",
         "\\uc0\\u8364 x",
         {"[24]\xE2\x82\xAC"
          "x"}},
        {"a hex escape or a word is one fallback character",
         "\\u8364\\'80x\\u8364\\par y",
         {"[24]\xE2\x82\xAC"
          "x\xE2\x82\xAC"
          "y"}},
        {"a group ends the fallback", "{\\u8364}?", {"[24]\xE2\x82\xAC?"}},
        {"the fallback count belongs to its group",
         "{\\uc2 \\u8364ab}\\u8364cd",
         {"[24]\xE2\x82\xAC\xE2\x82\xAC"
          "d"}},
        {"control characters are dropped", "a\x01\\'00\\'09\\uc0\\u7 b", {"[24]a\tb"}},
    });
}

TEST(ReadRtf, WhatIsNotTextIsSkipped) {
    ExpectCases({
        {"unknown words and symbols", "a\\foo b\\bar-12 c\\|d\\-e", {"[24]abcde"}},
        {"starred destinations whole", "a{\\*\\unknown hidden {\\b nested}\\par}b", {"[24]ab"}},
        {"tables, info and pictures",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{x}}"
         "{\\info{\\title T}}a{\\pict 0a0b}b}",
         {"[24]ab"}},
        {"a field shows its result",
         "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}",
         {"[24]shown"}},
        {"binary data may hold braces", "a{\\pict\\bin3 }{\\}b", {"[24]ab"}},
    });
}

TEST(ReadRtf, HostileInputStaysBounded) {
    const std::string deep = std::string(100000, '{') + "\\b x" + std::string(100000, '}') + "y";
    std::string manyStops;
    for (int twips = 1; twips <= 100; ++twips)
        manyStops += "\\tx" + std::to_string(twips);
    ExpectCases({
        {"stray closing braces", "}}a}{{{b", {"[24]ab"}},
        {"nesting beyond the kept depth unwinds", deep, {"[b24]x[24]y"}},
        {"truncated hex", "a\\'e", {"[24]a"}},
        {"hex without digits", "a\\'zz\\'4}b", {"[24]azzb"}},
        {"lone backslash at the end", "a\\", {"[24]a"}},
        {"word at the end", "a\\fs", {"[24]a"}},
        {"huge sizes clamp", "\\fs99999999999999999999 a\\fs-5 b", {"[192]a[12]b"}},
        {"huge indents clamp",
         "\\li99999999999999999999\\fi-99999999999999999999\\tx99999999999 a",
         {"li31680 fi-31680 tx31680 [24]a"}},
        {"huge unicode", "\\u99999999999999?x\\u-99999999?y", {"[24]\xEF\xBF\xBDx\xEF\xBF\xBDy"}},
        {"huge fallback stops at the group's end",
         "{\\uc99999999999\\u8364 abc}d",
         {"[24]\xE2\x82\xAC"
          "d"}},
        {"huge binary length", "a\\bin99999999999 bcd", {"[24]a"}},
    });
    const TRtfDocument stops = ReadRtf(manyStops + " a");
    ASSERT_EQ(stops.Paragraphs.size(), 1u);
    EXPECT_EQ(stops.Paragraphs[0].TabStops.size(), 64u);
    EXPECT_EQ(stops.Paragraphs[0].TabStops.back(), 64);
}

TEST(ReadRtf, SizesKeepWithinSixToNinetySixPoints) {
    struct TSize {
        const char* Rtf;
        int HalfPoints;
    };
    const TSize sizes[] = {{"\\fs0", 12},     {"\\fs1", 12},     {"\\fs11", 12},
                           {"\\fs12", 12},    {"\\fs13", 13},    {"\\fs24", 24},
                           {"\\fs191", 191},  {"\\fs192", 192},  {"\\fs193", 192},
                           {"\\fs3276", 192}, {"\\fs-3276", 12}, {"\\fs65535", 192}};
    for (const TSize& size : sizes) {
        const TRtfDocument document = ReadRtf(std::string(size.Rtf) + " x\\par");
        ASSERT_EQ(document.Paragraphs.size(), 1u) << size.Rtf;
        EXPECT_EQ(document.Paragraphs[0].Runs.at(0).Format.HalfPoints, size.HalfPoints) << size.Rtf;
        EXPECT_EQ(document.Paragraphs[0].Mark.HalfPoints, size.HalfPoints) << size.Rtf;
    }
}

TEST(ReadRtf, EmptyParagraphKeepsTheSizeOfItsMark) {
    const TRtfDocument document = ReadRtf("\\fs20 a\\par\\fs40\\b\\par");
    ASSERT_EQ(document.Paragraphs.size(), 2u);
    EXPECT_EQ(document.Paragraphs[0].Mark, (TRtfCharFormat{false, false, false, 20}));
    EXPECT_EQ(document.Paragraphs[1].Mark, (TRtfCharFormat{true, false, false, 40}));
    EXPECT_TRUE(document.Paragraphs[1].Runs.empty());
}

} // namespace
} // namespace quillara
