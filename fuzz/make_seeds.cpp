// Writes a starting corpus for every fuzzer from the project's own writers, so that fuzzing
// begins from well-formed files instead of from nothing: make_seeds OUTDIR.
#include "core/book/authors_notes.h"
#include "core/book/book_properties_writer.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/question_text.h"
#include "core/book/topic_pages.h"
#include "core/picture/jpeg_encoder.h"
#include "core/platform/random_source.h"
#include "core/review/study_log.h"
#include "core/scores/score_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace quillara;
namespace fs = std::filesystem;

void Seed(const fs::path& dir, const std::string& fuzzer, const std::string& name,
          const std::string& bytes) {
    fs::create_directories(dir / fuzzer);
    std::ofstream(dir / fuzzer / name, std::ios::binary) << bytes;
}

std::string SampleBookDefinition(std::uint8_t version) {
    TBookProperties book;
    book.Title = "Seed";
    book.Topics = {{"Summary", 0, 2, 1}, {"Old", 0, 2, 0}};
    book.ChapterNames = {"One", "Two"};
    book.Variables.push_back(
        std::make_unique<TVarible>("rate", vkPercent, TReal48::FromExtended(0.01L),
                                   TReal48::FromExtended(0.2L), 4, std::nullopt));
    book.Variables.push_back(std::make_unique<TVarible>("old", vkNumber, TReal48::FromExtended(1),
                                                        TReal48::FromExtended(9), 0, std::nullopt));
    book.Variables.back()->RecordVersion = 0;
    book.Variables.push_back(std::make_unique<TVarible>("c", vkChoice, TReal48{}, TReal48{}, 0,
                                                        std::vector<std::string>{"a", "b"}));
    book.Expressions = {{"two", "one", 2}};
    book.Formulas.push_back(std::make_unique<TFormula>(true, "f(x, y) = {1}*{2}^2", ""));
    return WriteBookProperties(book, version, TRegionalSettings{});
}

std::vector<TQuestion> SampleQuestions() {
    TQuestion tf;
    tf.Kind = qkTrueFalse;
    tf.Answer = 'T';
    tf.Text = "At {rate} is it {c}?";
    TQuestion mc;
    mc.Text = "Which?\r\nA) one\r\nb. two {x}";
    mc.Answer = 'A';
    mc.ChoiceCount = 2;
    mc.GlossaryTerms = std::vector<std::string>{"Term"};
    mc.RecordVersion = 1;
    TQuestion wp;
    wp.Kind = qkWordProblem;
    wp.Text = "{x} times 2?";
    wp.Formula = "{x}*2";
    wp.RoundTo = 2;
    return {tf, mc, wp};
}

// Attempts as the runner makes them: chapters in the order first answered, a description with
// blanks at its end, one too long for its record.
std::string SampleScoreFile() {
    TScoreHistory history;
    const char* descriptions[] = {"True/False Quiz Chapter 3  ", "Test Chapters 1, 2, 5"};
    for (int i = 0; i < 2; ++i) {
        auto score = std::make_unique<TScore>();
        score->date = 45000.25 + i;
        score->setDescription(descriptions[i]);
        for (std::int16_t chapter : {3, 1, 5}) {
            score->addCorrect(chapter);
            if (chapter != i) score->addIncorrect(chapter);
        }
        history.AddAttempt(std::move(score));
    }
    auto longOne = std::make_unique<TScore>();
    longOne->date = 45002.75;
    longOne->setDescription(std::string(300, 'd'));
    longOne->addCorrect(255);
    history.AddAttempt(std::move(longOne));
    return history.writeScores();
}

TDecodedPicture Pattern() {
    TDecodedPicture picture{48, 32, {}};
    for (int i = 0; i < 48 * 32; ++i) {
        picture.Rgb.push_back(static_cast<std::uint8_t>(i * 7));
        picture.Rgb.push_back(static_cast<std::uint8_t>(i / 48 * 8));
        picture.Rgb.push_back(static_cast<std::uint8_t>(i % 48 * 5));
    }
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const fs::path dir = argv[1];
    TSeededRandom random(1);
    SetProgramRandom(&random);
    for (std::uint8_t version = 0; version <= 5; ++version)
        Seed(dir, "book_definition_fuzzer", "v" + std::to_string(version),
             SampleBookDefinition(version));
    Seed(dir, "topic_file_fuzzer", "two",
         WriteTopicFile({{"Summary", "<h1>x</h1>"}, {"Key", "<p>y</p>"}}));
    // The query, then the pages, each after a NUL.
    const char searched[] =
        "caf\xC3\xA9 wall\0<p>The <b>Caf&eacute;</b> wall</p>\0x-ray CAFE, wall";
    Seed(dir, "book_search_fuzzer", "pages", std::string(searched, sizeof searched - 1));
    Seed(dir, "glossary_fuzzer", "two",
         WriteGlossary({{"1", "def", "Term", "1, 3"}, {"", "d", "apple", "2"}}));
    Seed(dir, "question_bank_fuzzer", "mixed", WriteQuestionBank(SampleQuestions()));
    Seed(dir, "authors_notes_fuzzer", "notes", WriteAuthorsNotes("Notes\r\nfrom the author"));
    Seed(dir, "jpeg_decoder_fuzzer", "pattern", EncodeJpeg(Pattern(), 75));
    Seed(dir, "formula_compile_fuzzer", "declaration", "area(w, h) = {1}*{2}+(3-{rate})^2/sqrt(4)");
    Seed(dir, "formula_eval_fuzzer", "expression", "{x}*(1+{y})^2-f(3, {x})/2");
    Seed(dir, "book_source_fuzzer", "manifest",
         R"({"book": {"version": 5, "Title": "Seed", "Topics": [{"Title": "Summary"}],
              "ChapterNames": ["One"], "Variables": [{"Name": "x", "Kind": 2, "Min": 1, "Max": 9}],
              "Formulas": [{"Source": "f(x) = {1}*2"}]},
             "topics": {"1": {"entries": [{"key": "Summary", "page": "<img src='a.jpg'>"}]}},
             "questions": {"1": {"questions": [{"Kind": 1, "Answer": "T", "Text": "{x}?"}]}},
             "glossary": {"entries": [{"Term": "Term", "ChapterRef": "1"}]},
             "authors": {"text": "Notes"}})");
    Seed(dir, "book_source_fuzzer", "authors-form",
         R"json({"//": "note", "Title": "Seed", "Topics": ["Summary"],
             "Variables": [{"Name": "x", "Kind": "number", "Min": 1, "Max": 9},
                           {"Name": "c", "Kind": "choice", "Choices": ["a", "b"]}],
             "Functions": ["f(a, b) = a*b+{x}",
                           {"Formula": "g(y) = {1}", "ParametersByName": false}],
             "Glossary": [{"Term": "Term", "Chapters": "1"}], "AuthorsNotes": ["Notes", ""],
             "Chapters": [{"Name": "One",
               "Pages": [{"Topic": "Summary", "Html": ["<p>", "x</p>"]}],
               "Questions": [{"Kind": "Word Problem", "Formula": "f({x}, 2)", "RoundTo": 1},
                 {"Kind": "Multiple Choice", "Choices": ["a", "b"], "Answer": "B"},
                 {"Kind": "True/False", "Text": "{x}?\nYes", "Answer": true}]}]})json");
    const char* names[] = {"AUTHORS.",          "authors",     "pictures\\chart.jpg",
                           "Figures/chart.JPG", "away/secret", "TOPICS.2",
                           "../book/AUTHORS",   "loop",        "a b.gif"};
    for (std::size_t i = 0; i < std::size(names); ++i)
        Seed(dir, "book_file_name_fuzzer", "name" + std::to_string(i), names[i]);
    Seed(dir, "score_folder_name_fuzzer", "title", " ../Cells/Energy: \"Part\" 1. \xC9t\xE9");
    Seed(dir, "topic_page_fuzzer", "pictures",
         WriteTopicFile(
             {{"Summary", "<h2>Pictures</h2><img src=\"a.jpg\"><img src='dot.gif'>"
                          "<p><IMG SRC=\"pictures/large.jpg\" width=50></p>"
                          "<img src=\"cut.jpg\"><img src=\"huge.gif\">"
                          "<img src=\"away.jpg\"><img src=\"missing.jpg\">"
                          "<img src=\"file:///etc/passwd\"><img src=\"../book/a.jpg\">"}}));
    {
        // A log with an answer of each kind, as the window leaves it once closed.
        const fs::path folder = dir / "study-log-seed";
        fs::create_directories(folder);
        {
            TStudyLog log(folder, 1796720400000);
            int at = 0;
            for (const char* kind : {"truefalse", "multichoice", "wordproblem", "term"})
                log.Record({{kind, 1, kind[0] == 't' && kind[1] == 'e' ? "Caf\xE9" : "3",
                             "0123456789abcdef"},
                            at % 2 == 0,
                            "T",
                            kind[0] == 'w' ? "1040.00 ({a} = 20)" : "",
                            900,
                            "TF/MC Quiz",
                            1796720400000,
                            1796720400000 + 1000 * ++at});
        }
        std::ifstream in(folder / TStudyLog::FileName, std::ios::binary);
        Seed(dir, "study_log_fuzzer", "four-kinds",
             std::string(std::istreambuf_iterator<char>(in), {}));
        fs::remove_all(folder);
    }
    // The first byte counts the section's name that follows it.
    Seed(dir, "settings_fuzzer", "settings",
         "\x04"
         "Book[Book]\nProgram Directory=/books/one/\nSave Directory=/tmp/ ;kept\n");
    Seed(dir, "rtf_reader_fuzzer", "choices",
         BuildRtf(SampleQuestions()[1], "Which?\r\nA) one {x}\r\nb. two \x80", 12));
    Seed(dir, "rtf_reader_fuzzer", "formatted",
         R"({\rtf1\ansi\uc1{\fonttbl{\f0 Arial;}}{\*\generator x;}\pard\li360\fi-360\tx360)"
         R"(\tx1440 {\b bold {\i both}}\tab caf\'e9 \u8364?\u-10179?\u-8704?\par\plain\fs20)"
         R"(\ul under\ulnone \{\}\\\line{\pict\bin2 {}}\emdash\~end})");
    Seed(dir, "gift_reader_fuzzer", "kinds",
         "// a comment\n$CATEGORY: top\n\n::TF::[html]Is <b>it</b> so?{T#No.####Yes.}\n\n"
         "Pick {\n=one#right ~%50%half ~two#wrong\n}\n\nA {=word ~other} is missing.\n\n"
         "Range {#1..3}\n\nPoint {#=3.14:0.005 =%50%3:1#close}\n\n\\{esc\\} {F}\n\nEssay {}\n");
    Seed(dir, "aiken_reader_fuzzer", "two",
         "What is 2 + 2?\nA. 3\nB) 4\nC. 5\nANSWER: B\n\nCapital?\nA. Paris\nB. Rome\nANSWER: A\n");
    Seed(dir, "moodle_xml_reader_fuzzer", "kinds",
         R"(<?xml version="1.0" encoding="UTF-8"?><quiz>
<question type="category"><category><text>top</text></category></question>
<question type="truefalse"><name><text>T</text></name><questiontext format="html"><text><![CDATA[<p>So?</p>]]></text></questiontext>
<answer fraction="100"><text>true</text></answer><answer fraction="0"><text>false</text><feedback><text>No</text></feedback></answer></question>
<question type="multichoice"><name><text>M</text></name><questiontext format="markdown"><text>**Pick**</text></questiontext><single>true</single>
<answer fraction="100"><text>a</text></answer><answer fraction="0"><text>b</text></answer></question>
<question type="calculated"><name><text>C</text></name><questiontext format="html"><text>{a} and {b}?</text></questiontext>
<answer fraction="100"><text>pow({a}, 2) + sqrt({b}) - -1</text><tolerance>0.01</tolerance><tolerancetype>1</tolerancetype>
<correctanswerformat>1</correctanswerformat><correctanswerlength>2</correctanswerlength></answer>
<dataset_definitions><dataset_definition><name><text>a</text></name><distribution><text>uniform</text></distribution>
<minimum><text>1</text></minimum><maximum><text>9</text></maximum><decimals><text>1</text></decimals></dataset_definition>
<dataset_definition><name><text>b</text></name><minimum><text>0</text></minimum><maximum><text>4</text></maximum><decimals><text>0</text></decimals></dataset_definition></dataset_definitions></question>
<question type="numerical"><name><text>N</text></name><questiontext><text>How many?</text></questiontext><answer fraction="100"><text>9</text><tolerance>0.5</tolerance></answer></question>
</quiz>)");
    const std::string scores = SampleScoreFile();
    Seed(dir, "score_file_fuzzer", "three", scores);
    Seed(dir, "score_file_fuzzer", "cut", scores.substr(0, scores.size() - 3));
    Seed(dir, "score_file_fuzzer", "none", std::string("\0\0", 2));
    Seed(dir, "score_file_fuzzer", "negative", "\xFF\xFF" + scores.substr(2));
    SetProgramRandom(nullptr);
    return 0;
}
