#include "moodle_xml_writer.h"

#include "quiz_file_text.h"

#include <charconv>
#include <cmath>
#include <libxml/xmlwriter.h>
#include <memory>
#include <stdexcept>

namespace quillara::tool {

namespace {

std::string Html(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\n':
            out += "<br>";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Fixed(double value, int decimals) {
    char text[400];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text, end) : "0";
}

struct TWriterFree {
    void operator()(xmlTextWriter* writer) const { xmlFreeTextWriter(writer); }
};
struct TBufferFree {
    void operator()(xmlBuffer* buffer) const { xmlBufferFree(buffer); }
};

class TXmlOut {
public:
    TXmlOut() : Buffer(xmlBufferCreate()) {
        if (!Buffer) throw std::bad_alloc();
        Writer.reset(xmlNewTextWriterMemory(Buffer.get(), 0));
        if (!Writer) throw std::bad_alloc();
        xmlTextWriterSetIndent(Writer.get(), 1);
        xmlTextWriterSetIndentString(Writer.get(), BAD_CAST "  ");
        Check(xmlTextWriterStartDocument(Writer.get(), "1.0", "UTF-8", nullptr));
    }

    void Start(const char* name) { Check(xmlTextWriterStartElement(Writer.get(), BAD_CAST name)); }
    void End() { Check(xmlTextWriterEndElement(Writer.get())); }
    void Attribute(const char* name, const std::string& value) {
        Check(xmlTextWriterWriteAttribute(Writer.get(), BAD_CAST name, BAD_CAST value.c_str()));
    }
    void Element(const char* name, const std::string& value) {
        Check(xmlTextWriterWriteElement(Writer.get(), BAD_CAST name, BAD_CAST value.c_str()));
    }
    // <name><text>value</text></name>
    void TextElement(const char* name, const std::string& value) {
        Start(name);
        Element("text", value);
        End();
    }
    // <name format="html"><text>value</text></name>
    void HtmlElement(const char* name, const std::string& value) {
        Start(name);
        Attribute("format", "html");
        Element("text", Html(value));
        End();
    }
    std::string Finish() {
        Check(xmlTextWriterEndDocument(Writer.get()));
        Writer.reset();
        return {reinterpret_cast<const char*>(xmlBufferContent(Buffer.get())),
                static_cast<std::size_t>(xmlBufferLength(Buffer.get()))};
    }

private:
    static void Check(int result) {
        if (result < 0) throw std::runtime_error("the quiz file could not be written");
    }

    std::unique_ptr<xmlBuffer, TBufferFree> Buffer;
    std::unique_ptr<xmlTextWriter, TWriterFree> Writer;
};

void WriteAnswer(TXmlOut& out, double fraction, const std::string& text, const char* format) {
    out.Start("answer");
    out.Attribute("fraction", QuizNumberText(fraction));
    out.Attribute("format", format);
    out.Element("text", text);
    out.HtmlElement("feedback", "");
    out.End();
}

void WriteDataset(TXmlOut& out, const TImportedVariable& variable) {
    out.Start("dataset_definition");
    out.TextElement("status", "private");
    out.TextElement("name", variable.Name);
    out.Element("type", "calculated");
    out.TextElement("distribution", "uniform");
    out.TextElement("minimum", Fixed(variable.Min, variable.Decimals));
    out.TextElement("maximum", Fixed(variable.Max, variable.Decimals));
    out.TextElement("decimals", std::to_string(variable.Decimals));
    constexpr int items = 10;
    out.Element("itemcount", std::to_string(items));
    out.Start("dataset_items");
    for (int i = 0; i < items; ++i) {
        out.Start("dataset_item");
        out.Element("number", std::to_string(i + 1));
        out.Element("value", Fixed(variable.Min + (variable.Max - variable.Min) * i / (items - 1),
                                   variable.Decimals));
        out.End();
    }
    out.End();
    out.Element("number_of_items", std::to_string(items));
    out.End();
}

void WriteQuestion(TXmlOut& out, const TImportedQuestion& q, std::size_t number) {
    static constexpr const char* types[] = {"truefalse", "multichoice", "numerical", "calculated"};
    out.Start("question");
    out.Attribute("type", types[static_cast<int>(q.Kind)]);
    out.TextElement("name", QuestionName(q.Text, number));
    out.HtmlElement("questiontext", q.Text);
    out.HtmlElement("generalfeedback", q.GeneralFeedback);
    out.Element("defaultgrade", "1");
    out.Element("penalty", "1");
    out.Element("hidden", "0");
    switch (q.Kind) {
    case TImportedKind::TrueFalse:
        WriteAnswer(out, q.TrueAnswer ? 100 : 0, "true", "moodle_auto_format");
        WriteAnswer(out, q.TrueAnswer ? 0 : 100, "false", "moodle_auto_format");
        break;
    case TImportedKind::MultipleChoice:
        out.Element("single", "true");
        // The text may speak of a choice by its letter.
        out.Element("shuffleanswers", "false");
        out.Element("answernumbering", "ABCD");
        for (const TImportedChoice& choice : q.Choices)
            WriteAnswer(out, choice.Right ? 100 : 0, Html(choice.Text), "html");
        break;
    case TImportedKind::Numerical:
        out.Start("answer");
        out.Attribute("fraction", "100");
        out.Element("text", q.Formula);
        out.Element("tolerance", QuizNumberText(q.Tolerance));
        out.HtmlElement("feedback", "");
        out.End();
        break;
    case TImportedKind::Calculated:
        out.Element("synchronize", "0");
        out.Element("single", "0");
        out.Element("answernumbering", "abc");
        out.Element("shuffleanswers", "0");
        out.Start("answer");
        out.Attribute("fraction", "100");
        out.Element("text", q.Formula);
        out.Element("tolerance", QuizNumberText(q.Tolerance));
        out.Element("tolerancetype", "2");       // nominal: plus or minus the tolerance
        out.Element("correctanswerformat", "1"); // decimal places
        out.Element("correctanswerlength", std::to_string(q.AnswerDecimals.value_or(0)));
        out.HtmlElement("feedback", "");
        out.End();
        out.Start("dataset_definitions");
        for (const TImportedVariable& variable : q.Variables)
            WriteDataset(out, variable);
        out.End();
        break;
    case TImportedKind::Unsupported:
        break;
    }
    out.End();
}

} // namespace

std::string WriteMoodleXml(const std::vector<TImportedQuestion>& questions) {
    TXmlOut out;
    out.Start("quiz");
    for (std::size_t i = 0; i < questions.size(); ++i)
        if (questions[i].Kind != TImportedKind::Unsupported)
            WriteQuestion(out, questions[i], i + 1);
    out.End();
    return out.Finish();
}

} // namespace quillara::tool
