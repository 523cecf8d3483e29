// Laying out a book's text in the question box and in the topic viewer: an ordinary question and
// page beside the two texts that kept the layout busy for minutes (3,500 words at 1,638 points)
// and the worst texts the bounds still let through. Each load is what the window does (read,
// bound, fill the document) followed by the whole layout and a repaint, wall time.
#include "core/book/question.h"
#include "core/book/question_text.h"
#include "gui/reading/html_lite.h"
#include "gui/widgets/rtf_document.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextDocument>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace quillara {
namespace {

std::string Words(int count) {
    std::string words;
    for (int i = 0; i < count; ++i)
        words += "word" + std::to_string(i % 100) + " ";
    return words;
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

std::string QuestionRtf(const std::string& text) {
    TQuestion question;
    question.Kind = qkMultipleChoice;
    return BuildRtf(question, text, 12);
}

// A question as books have them: a paragraph and five choices.
const std::string OrdinaryQuestion =
    QuestionRtf(Words(60) + "\r\nA) " + Words(8) + "\r\nB) " + Words(8) + "\r\nC) " + Words(8) +
                "\r\nD) " + Words(8) + "\r\nE) " + Words(8));

// A page as books have them: a heading, ten paragraphs of prose and a small table.
const std::string OrdinaryPage =
    "<h2>Summary</h2>" + Repeated("<p>" + Words(80) + "<b>bold</b> and <i>italic</i>.</p>", 10) +
    "<table border=\"1\"><tr><td>rate</td><td>12%</td></tr><tr><td>time</td><td>3 years</td>"
    "</tr></table>";

void LayOutQuestion(benchmark::State& state, const std::string& rtf) {
    QTextEdit box;
    box.setReadOnly(true);
    box.resize(560, 240);
    box.show();
    for (auto _ : state) {
        gui::LoadRtf(&box, rtf);
        box.document()->documentLayout()->documentSize();
        box.repaint();
    }
    state.counters["height_px"] = box.document()->documentLayout()->documentSize().height();
}

void LayOutPage(benchmark::State& state, const std::string& html) {
    gui::ThtmlLite viewer;
    viewer.resize(600, 420);
    viewer.show();
    for (auto _ : state) {
        viewer.LoadFromString(html);
        viewer.document()->documentLayout()->documentSize();
        viewer.repaint();
    }
    state.counters["height_px"] = viewer.document()->documentLayout()->documentSize().height();
    state.counters["chars"] = viewer.document()->characterCount();
}

std::string NestedTables(int depth) {
    std::string html;
    for (int i = 0; i < depth; ++i)
        html += "<table border=\"1\"><tr><td>" + std::to_string(i) + "</td><td>";
    html += "innermost";
    for (int i = 0; i < depth; ++i)
        html += "</td></tr></table>";
    return html;
}

const bool Registered = [] {
    const std::pair<const char*, std::string> questions[] = {
        {"ordinary", OrdinaryQuestion},
        {"fs3276_3500_words", QuestionRtf("\\fs3276 " + Words(3500))},
        // The longest a question may be at the smallest size: cut at 200,000 characters.
        {"fs12_300000_chars", QuestionRtf("\\fs12 " + Repeated("abcd ", 60000))},
        {"one_word_of_150000_letters", QuestionRtf(std::string(150000, 'a'))},
    };
    for (const auto& [name, rtf] : questions)
        benchmark::RegisterBenchmark((std::string("BM_Question/") + name).c_str(), LayOutQuestion,
                                     rtf)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    const std::pair<const char*, std::string> pages[] = {
        {"ordinary", OrdinaryPage},
        {"font_size_1638pt_3500_words", "<p style=\"font-size:1638pt\">" + Words(3500) + "</p>"},
        {"font_size_6pt_300000_chars",
         "<p style=\"font-size:6pt\">" + Repeated("abcd ", 60000) + "</p>"},
        {"line_breaks_25000_at_96pt",
         "<p style=\"font-size:96pt\">" + Repeated("<br>", 25000) + "</p>"},
        {"one_word_of_150000_letters", "<p>" + std::string(150000, 'a') + "</p>"},
        {"pictures_3000_of_height_2048", Repeated("<img src=\"a.jpg\" height=\"2048\">", 3000)},
        {"tables_nested_40_deep", NestedTables(40)},
    };
    for (const auto& [name, html] : pages)
        benchmark::RegisterBenchmark((std::string("BM_Page/") + name).c_str(), LayOutPage, html)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    return true;
}();

} // namespace
} // namespace quillara
