#include "book_file_replace.h"
#include "command_line.h"
#include "commands.h"
#include "core/book/book_files.h"
#include "core/book/question.h"
#include "core/book/question_bank_stream.h"
#include "core/book/question_text.h"
#include "core/formula/variable_values.h"
#include "core/platform/random_source.h"
#include "core/quiz/question_runner.h"
#include "core/text/windows1252.h"
#include "tool_io.h"
#include "word_problems.h"

#include <iostream>
#include <memory>
#include <optional>

namespace quillara::tool {

namespace {

const char* KindName(std::uint8_t kind) {
    switch (kind) {
    case qkMultipleChoice:
        return "Multiple Choice";
    case qkTrueFalse:
        return "True/False";
    case qkWordProblem:
        return "Word Problem";
    default:
        return "unknown kind";
    }
}

// A word problem's drawn values and the answer they give, as the window would judge it.
void ShowAnswer(const TQuestion& q, const TBookProperties& book, const TVariableValues& values) {
    if (const std::string shown = ShownValues(q, book, values); !shown.empty())
        std::cout << "Values: " << shown << "\n";
    std::cout << "Expected answer: ";
    try {
        TAnswerFormula formula(q.Formula);
        const Extended expected = formula.ExpectedAnswer(q, book, values);
        std::cout << ExpectedAnswerText(q, expected, ToolRegionalSettings()) << " "
                  << RoundToText(q.RoundTo) << "\n";
    } catch (const std::exception& e) {
        std::cout << "none: " << e.what() << "\n";
    }
}

void ShowQuestion(const TQuestion& q, long number, const TBookProperties& book,
                  TVariableValues& values, bool rtf, int size) {
    const std::string expanded = ExpandText(q, book, values, ToolRegionalSettings());
    if (rtf) {
        // The RTF document is what the question box loads: its bytes go out unchanged.
        std::cout << BuildRtf(q, expanded, size) << "\n";
        return;
    }
    std::cout << "Question " << number << " (" << KindName(q.Kind);
    if (q.Kind == qkWordProblem)
        std::cout << ", formula " << Windows1252ToUtf8(q.Formula);
    else
        std::cout << ", answer " << Windows1252ToUtf8(std::string(1, q.Answer));
    std::cout << ")\n" << Windows1252ToUtf8(expanded) << "\n";
    if (q.Kind == qkWordProblem) ShowAnswer(q, book, values);
    if (!q.Explanation.empty())
        std::cout << "Explanation: " << Windows1252ToUtf8(q.Explanation) << "\n";
    if (q.GlossaryTerms) {
        std::cout << "Related terms:";
        for (const auto& term : *q.GlossaryTerms)
            std::cout << " [" << Windows1252ToUtf8(term) << "]";
        std::cout << "\n";
    }
    std::cout << "\n";
}

struct ShowOptions {
    std::string Dir;
    std::string Chapter;
    std::optional<std::string> Number;
    std::optional<std::string> Seed;
    bool Rtf = false;
    std::string Size = "10";
};

int RunShow(const ShowOptions& options) {
    if (options.Dir.empty() || options.Chapter.empty())
        throw UsageError("show needs DIR CHAPTER and optionally N");
    const std::filesystem::path dir = options.Dir;
    const long chapter = ParseWholeArgument(options.Chapter, "CHAPTER", 1, 255);
    const long wanted = options.Number ? ParseWholeArgument(*options.Number, "N") : 0;
    const std::optional<long> seed =
        options.Seed ? std::optional(ParseWholeArgument(*options.Seed, "--seed")) : std::nullopt;
    const bool rtf = options.Rtf;
    const int size = static_cast<int>(ParseWholeArgument(options.Size, "--size", 1, 1000));

    TSeededRandom seeded(seed ? static_cast<std::uint64_t>(*seed) : 0);
    if (seed) SetProgramRandom(&seeded);
    try {
        FinishBookChanges(dir);
        const auto book = LoadBookProperties(dir, ToolRegionalSettings());
        if (book->LoadFailed) throw std::runtime_error(book->LoadError);
        TVariableValues values = book->FirstValues;
        const std::string name = QuestionBankName(static_cast<int>(chapter));
        // One question at a time, printed as it is read: a bank of any size shows in the memory
        // of its largest question.
        TBookFileStream file(RequireBookFile(dir, name), MaxQuestionBankSize);
        TQuestionBankStream bank(file, (dir / name).string());
        if (wanted < 0 || wanted > bank.Count())
            throw std::runtime_error(name + " has " + std::to_string(bank.Count()) +
                                     " questions, not " + std::to_string(wanted));
        for (long n = 1; const auto question = bank.Next(); ++n) {
            if (wanted == 0 || wanted == n) ShowQuestion(*question, n, *book, values, rtf, size);
            if (wanted == n) break;
        }
    } catch (const std::exception& e) {
        SetProgramRandom(nullptr);
        std::cerr << "quillara-book: " << dir.string() << ": " << e.what() << "\n";
        return 1;
    }
    SetProgramRandom(nullptr);
    return 0;
}

} // namespace

void AddShowCommand(CLI::App& tool) {
    auto options = std::make_shared<ShowOptions>();
    CLI::App& show = AddCommand(
        tool, "show",
        {"show DIR CHAPTER [N] [--seed S] [--rtf] [--size PT]",
         "Prints a chapter's questions (or only question N) with their placeholders filled,\n"
         "and under each word problem the values drawn and the answer they give."},
        [options] { return RunShow(*options); });
    show.add_option("DIR", options->Dir);
    show.add_option("CHAPTER", options->Chapter);
    show.add_option("N", options->Number);
    show.add_option("--seed", options->Seed, "seed of the draws that fill the placeholders")
        ->type_name("S");
    show.add_flag("--rtf", options->Rtf, "print the question as the window's RTF");
    show.add_option("--size", options->Size, "font size of that RTF, 1 to 1000")->type_name("PT");
}

} // namespace quillara::tool
