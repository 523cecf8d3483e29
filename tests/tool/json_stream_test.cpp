// Written a piece at a time, JSON comes out byte for byte as a whole value's dump(2) prints it.
#include "book_json.h"
#include "core/text/windows1252.h"
#include "json_stream.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace quillara::tool {
namespace {

using nlohmann::json;

// Writes the value through the stream, opening containers down to `depth` levels and giving
// what lies deeper as whole values.
void Stream(TJsonStream& out, const json& value, int depth) {
    if (depth == 0 || !value.is_structured()) {
        out.Value(value);
    } else if (value.is_object()) {
        out.BeginObject();
        for (const auto& [key, member] : value.items()) {
            out.Key(key);
            Stream(out, member, depth - 1);
        }
        out.EndObject();
    } else {
        out.BeginArray();
        for (const json& element : value)
            Stream(out, element, depth - 1);
        out.EndArray();
    }
}

TEST(JsonStream, PrintsAsTheWholeValueDumps) {
    const json values[] = {
        json::object(),
        json::array(),
        json("a \"text\"\nwith a line break"),
        {{"questions", json::array()}},
        {{"questions", {{{"Kind", 1}, {"Text", "x"}}, {{"Kind", 2}, {"Text", "y"}}}}},
        {{"a", json::object()}, {"b", {1, 2.5, nullptr, true}}, {"c", {{"d", {{"e", "f"}}}}}},
        {json::array(), json::object(), {{json::array()}}, "last"},
    };
    for (const json& value : values)
        for (int depth = 0; depth <= 4; ++depth) {
            std::ostringstream text;
            TJsonStream out(text);
            Stream(out, value, depth);
            EXPECT_EQ(text.str(), value.dump(2)) << "depth " << depth;
        }
}

// The scalars written without a value made print as that value's dump: every stored byte of a
// text (escapes, controls, the bytes Windows-1252 leaves unassigned), and numbers in each of the
// forms dump gives them.
TEST(JsonStream, ScalarsPrintAsTheirValuesDump) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const double numbers[] = {
        0.0,   -0.0,    0.1,    1e-4,  1e-5, 1e15,         1e16,
        100.0, 1.0 / 3, 5e-324, 1e300, -2.5, std::nan(""), std::numeric_limits<double>::infinity()};
    const std::string key = "a\"\\\x01";
    std::ostringstream text;
    json expected = json::object();
    {
        TJsonStream out(text);
        out.BeginObject();
        out.Key(key);
        out.BeginArray();
        expected[key] = json::array();
        out.Text(everyByte);
        expected[key].push_back(Windows1252ToUtf8(everyByte));
        out.Text("");
        expected[key].push_back("");
        for (double number : numbers) {
            out.Number(number);
            expected[key].push_back(number);
        }
        out.Unsigned(255);
        expected[key].push_back(255u);
        out.Null();
        expected[key].push_back(nullptr);
        out.EndArray();
        out.EndObject();
    }
    EXPECT_EQ(text.str(), expected.dump(2));
}

// A question and a glossary entry written field by field print as their values' dump, whatever
// their texts, terms and rounding hold.
TEST(JsonStream, RecordsPrintAsTheirValuesDump) {
    std::vector<TQuestion> questions(4);
    questions[0].Text = "Is \"this\" true?\r\n\x93quoted\x94";
    questions[0].Answer = 'T';
    questions[0].Kind = qkTrueFalse;
    questions[1].Text = "Choose";
    questions[1].Answer = '\x01';
    questions[1].ChoiceCount = 4;
    questions[1].GlossaryTerms = std::vector<std::string>{"caf\xe9", "a\\b", ""};
    questions[2].Kind = qkWordProblem;
    questions[2].Formula = "x := 2 * y";
    questions[2].RoundTo = 0.01L;
    questions[3].RecordVersion = 1;
    questions[3].RoundTo = 1e16L;
    for (const TQuestion& question : questions) {
        const std::string bytes = [&] {
            TByteWriter out;
            WriteQuestion(out, question);
            return out.Bytes();
        }();
        TByteReader in(bytes, "QUESTION.1");
        const TQuestionFields fields = ReadQuestionFields(in);
        std::ostringstream text;
        TJsonStream out(text);
        WriteQuestionJson(out, fields);
        EXPECT_EQ(text.str(), QuestionToJson(MakeQuestion(fields)).dump(2)) << question.Text;
    }
    const TDefinition entry{"p. 7", "A \"definition\"\tover\nlines \x80", "Term\x9d", ""};
    std::ostringstream text;
    TJsonStream out(text);
    WriteGlossaryEntryJson(out, entry);
    EXPECT_EQ(text.str(), GlossaryEntryToJson(entry).dump(2));
}

} // namespace
} // namespace quillara::tool
