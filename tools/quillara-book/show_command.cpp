#include "core/book/book_files.h"
#include "core/book/question.h"
#include "core/book/question_bank_stream.h"
#include "core/book/question_text.h"
#include "commands.h"
#include "core/platform/random_source.h"
#include "core/text/windows1252.h"
#include "tool_io.h"

#include <iostream>

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

} // namespace

int RunShow(const Arguments& args) {
    std::vector<std::string> positional;
    std::optional<long> seed;
    bool rtf = false;
    int size = 10;
    for (std::size_t i = 0; i < args.size(); ++i) {
        auto value = [&](const char* option) {
            if (++i == args.size()) throw UsageError(std::string(option) + " needs a value");
            return args[i];
        };
        if (args[i] == "--seed")
            seed = ParseWholeArgument(value("--seed"), "--seed");
        else if (args[i] == "--rtf")
            rtf = true;
        else if (args[i] == "--size")
            size = static_cast<int>(ParseWholeArgument(value("--size"), "--size"));
        else if (args[i].starts_with("--"))
            throw UsageError("unknown option \"" + args[i] + "\"");
        else
            positional.push_back(args[i]);
    }
    if (positional.size() < 2 || positional.size() > 3)
        throw UsageError("show needs DIR CHAPTER and optionally N");
    const std::filesystem::path dir = positional[0];
    const long chapter = ParseWholeArgument(positional[1], "CHAPTER");
    const long wanted = positional.size() == 3 ? ParseWholeArgument(positional[2], "N") : 0;
    if (size < 1 || size > 1000) throw UsageError("--size must be between 1 and 1000");

    TSeededRandom seeded(seed ? static_cast<std::uint64_t>(*seed) : 0);
    if (seed) SetProgramRandom(&seeded);
    try {
        const auto book = LoadBookProperties(dir, ToolRegionalSettings());
        TVariableValues values(book->Variables);
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

} // namespace quillara::tool
