#include "core/book/authors_notes.h"
#include "core/book/book_properties_writer.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/topic_pages.h"
#include "command_line.h"
#include "commands.h"
#include "core/picture/jpeg_encoder.h"
#include "core/platform/random_source.h"
#include "core/scores/score_file.h"
#include "tool_io.h"

#include <iostream>
#include <memory>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

struct SynthSize {
    long Chapters = 10;
    long Questions = 50;
    long Terms = 200;
    long Scores = 0;
    long Topics = 3;
    long PageWords = 0;
    long Seed = 1;
};

std::string Solid(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    TDecodedPicture picture{width, height, {}};
    picture.Rgb.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i)
        picture.Rgb.insert(picture.Rgb.end(), {red, green, blue});
    return EncodeJpeg(picture);
}

std::string Term(long n) {
    return "Term " + std::to_string(n);
}

std::vector<TQuestion> Bank(int chapter, long count, long terms, TRandomSource& random) {
    std::vector<TQuestion> questions;
    questions.reserve(static_cast<std::size_t>(count));
    for (long i = 0; i < count; ++i) {
        TQuestion q;
        const std::string number = std::to_string(chapter) + "." + std::to_string(i + 1);
        if (i % 2 == 0) {
            q.Kind = qkTrueFalse;
            q.Answer = random.uniform(2) ? 'T' : 'F';
            q.Text = "Statement " + number + " about {amount} is true.";
        } else {
            q.Kind = qkMultipleChoice;
            q.ChoiceCount = static_cast<std::uint8_t>(2 + random.uniform(4));
            q.Answer = static_cast<char>('A' + random.uniform(q.ChoiceCount));
            q.Text = "Question " + number + " at {rate}?";
            for (int c = 0; c < q.ChoiceCount; ++c)
                q.Text += std::string("\r\n") + static_cast<char>('A' + c) + ") choice " +
                          std::to_string(c + 1);
        }
        if (i % 3 == 0 && terms > 0)
            q.GlossaryTerms = std::vector<std::string>{
                Term(1 + random.uniform(static_cast<std::uint32_t>(terms)))};
        else
            q.Explanation = "Explanation of " + number + ".";
        questions.push_back(std::move(q));
    }
    return questions;
}

// A topic page holds at most this many bytes; prose stops before it.
constexpr std::size_t PageBytes = 64000;

// Prose of `words` words (as many as fit on a page) over a vocabulary of syllable words, the common
// ones far more often than the rare ones, with some bold words and accents written as entities.
std::string Prose(long words, TRandomSource& random) {
    static constexpr const char* Syllables[] = {"ba", "ce", "di", "fo", "gu", "ha",  "je",
                                                "ki", "lo", "mu", "na", "pe", "qui", "ro",
                                                "su", "ta", "ve", "wo", "xy", "zo"};
    constexpr std::uint32_t Vocabulary = 20 * 20 * 20;
    if (words == 0) return {};
    std::string text = "<p>";
    for (long i = 0; i < words && text.size() < PageBytes; ++i) {
        // The rank is the cube of a uniform draw, scaled: low ranks come up far more often.
        const double u = random.uniform(1u << 20) / double(1u << 20);
        auto rank = static_cast<std::uint32_t>(u * u * u * Vocabulary);
        std::string word;
        do {
            word += Syllables[rank % 20];
            rank /= 20;
        } while (rank > 0);
        if (random.uniform(60) == 0) word = "caf&eacute;";
        if (random.uniform(40) == 0) word = "<b>" + word + "</b>";
        text += word;
        text += i % 120 == 119 ? ".</p>\r\n<p>" : i % 12 == 11 ? ". " : " ";
    }
    return text + "</p>";
}

// The command line's texts, each a whole number read once the line has parsed.
struct SynthOptions {
    std::string OutDir;
    std::string Chapters = "10";
    std::string Questions = "50";
    std::string Terms = "200";
    std::string Scores = "0";
    std::string Topics = "3";
    std::string PageWords = "0";
    std::string Seed = "1";
};

int RunSynth(const SynthOptions& options) {
    SynthSize size;
    size.Chapters = ParseWholeArgument(options.Chapters, "--chapters", 1, 255);
    size.Questions = ParseWholeArgument(options.Questions, "--questions", 0, 32767);
    size.Terms = ParseWholeArgument(options.Terms, "--terms", 0, 65535);
    size.Scores = ParseWholeArgument(options.Scores, "--scores", 0, 32767);
    size.Topics = ParseWholeArgument(options.Topics, "--topics", 1, 100);
    size.PageWords = ParseWholeArgument(options.PageWords, "--page-words", 0, 10000);
    size.Seed = ParseWholeArgument(options.Seed, "--seed", 0, 1L << 62);
    const std::string& outDir = options.OutDir;
    if (outDir.empty()) throw UsageError("synth needs OUTDIR");

    TSeededRandom random(static_cast<std::uint64_t>(size.Seed));
    SetProgramRandom(&random);
    try {
        fs::create_directories(outDir);
        TBookProperties book;
        book.Title = "Synthetic Book";
        book.Text2 = std::to_string(size.Chapters) + " chapters, " +
                     std::to_string(size.Questions) + " questions each";
        book.Copyright = "Made by quillara-book synth";
        book.HasGlossary = size.Terms > 0;
        book.HasMatchingQuiz = size.Terms > 0;
        book.HasAuthorsNotes = true;
        book.Topics = {{"Summary", 0, 2, 1}, {"Key Ideas", 0, 2, 1}, {"Worked Examples", 0, 2, 1}};
        book.Topics.resize(static_cast<std::size_t>(size.Topics), {"", 0, 2, 1});
        for (std::size_t t = 3; t < book.Topics.size(); ++t)
            book.Topics[t].Title = "Topic " + std::to_string(t + 1);
        book.Variables.push_back(
            std::make_unique<TVarible>("amount", vkCurrency, TReal48::FromExtended(10),
                                       TReal48::FromExtended(5000), 2, std::nullopt));
        book.Variables.push_back(
            std::make_unique<TVarible>("rate", vkPercent, TReal48::FromExtended(0.01L),
                                       TReal48::FromExtended(0.2L), 4, std::nullopt));
        for (long c = 1; c <= size.Chapters; ++c)
            book.ChapterNames.push_back("Chapter " + std::to_string(c));
        WriteWholeFile(fs::path(outDir) / "BOOK.DEF",
                       WriteBookProperties(book, 5, ToolRegionalSettings()));

        const std::string heading = Solid(400, 40, 40, 70, 120);
        for (int c = 1; c <= size.Chapters; ++c) {
            std::vector<TTopicEntry> pages;
            for (const TChapterTopic& topic : book.Topics)
                pages.push_back({topic.Title, "<h2>" + topic.Title + " of chapter " +
                                                  std::to_string(c) +
                                                  "</h2><p>Text.</p><img src=\"figure.jpg\">" +
                                                  Prose(size.PageWords, random)});
            WriteWholeFile(fs::path(outDir) / TopicFileName(c), WriteTopicFile(pages));
            WriteWholeFile(fs::path(outDir) / QuestionBankName(c),
                           WriteQuestionBank(Bank(c, size.Questions, size.Terms, random)));
            WriteWholeFile(fs::path(outDir) / TBookProperties::ChapterPicture(c), heading);
        }
        if (size.Terms > 0) {
            TGlossary glossary;
            for (long t = 1; t <= size.Terms; ++t)
                glossary.Add({std::to_string(1 + random.uniform(900)),
                              "Definition of term " + std::to_string(t) + ".", Term(t),
                              std::to_string(
                                  1 + random.uniform(static_cast<std::uint32_t>(size.Chapters)))});
            WriteWholeFile(fs::path(outDir) / "GLOSSARY.DEF", WriteGlossary(glossary.Entries()));
        }
        WriteWholeFile(fs::path(outDir) / "AUTHORS",
                       WriteAuthorsNotes("A synthetic book for measuring Quillara."));
        WriteWholeFile(fs::path(outDir) / "cover.jpg", Solid(300, 400, 30, 60, 110));
        WriteWholeFile(fs::path(outDir) / "figure.jpg", Solid(120, 80, 200, 200, 200));

        if (size.Scores > 0) {
            TScoreHistory history;
            for (long s = 0; s < size.Scores; ++s) {
                auto score = std::make_unique<TScore>();
                score->date = 46000.0 + static_cast<double>(s) / 24.0;
                score->setDescription("True False Quiz from chapter " +
                                      std::to_string(1 + s % size.Chapters));
                const auto chapter = static_cast<std::int16_t>(1 + s % size.Chapters);
                for (int q = 0; q < 10; ++q)
                    random.uniform(3) ? score->addCorrect(chapter) : score->addIncorrect(chapter);
                history.AddAttempt(std::move(score));
            }
            WriteWholeFile(fs::path(outDir) / ScoreFileName, history.writeScores());
        }
    } catch (const std::exception& e) {
        SetProgramRandom(nullptr);
        std::cerr << "quillara-book: " << outDir << ": " << e.what() << "\n";
        return 1;
    }
    SetProgramRandom(nullptr);
    return 0;
}

} // namespace

void AddSynthCommand(CLI::App& tool) {
    auto options = std::make_shared<SynthOptions>();
    CLI::App& synth =
        AddCommand(tool, "synth",
                   {"synth OUTDIR [--chapters N] [--questions N] [--terms N] [--scores N]\n"
                    "                           [--topics N] [--page-words N] [--seed S]",
                    "Writes a generated book of the given size into OUTDIR."},
                   [options] { return RunSynth(*options); });
    synth.add_option("OUTDIR", options->OutDir);
    const auto number = [&](const char* name, std::string& value, const char* what,
                            const char* placeholder = "N") {
        synth.add_option(name, value, what)->type_name(placeholder);
    };
    number("--chapters", options->Chapters, "chapters in the book");
    number("--questions", options->Questions, "questions in each chapter");
    number("--terms", options->Terms, "glossary terms");
    number("--scores", options->Scores, "saved scores in SCORES.SAV");
    number("--topics", options->Topics, "topics in the book, each a page in every chapter");
    number("--page-words", options->PageWords, "words of prose on each topic page, as many as fit");
    number("--seed", options->Seed, "seed of the generator; the same seed writes the same book",
           "S");
}

} // namespace quillara::tool
