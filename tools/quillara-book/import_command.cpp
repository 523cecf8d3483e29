#include "import_command.h"

#include "aiken_reader.h"
#include "book_file_replace.h"
#include "command_line.h"
#include "commands.h"
#include "core/book/book_files.h"
#include "core/book/book_properties_writer.h"
#include "core/book/book_records.h"
#include "core/book/question.h"
#include "gift_reader.h"
#include "moodle_xml_reader.h"
#include "question_import.h"
#include "tool_io.h"

#include <array>
#include <iostream>
#include <memory>
#include <optional>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

// Larger than any quiz file a platform exports, small enough to parse in memory.
constexpr std::uint64_t MaxQuizFileSize = 64ull << 20;

constexpr std::array KindNames{"Multiple Choice", "True/False", "Word Problem"};

std::vector<TImportedQuestion> ReadQuizFile(const TImportOptions& options, TQuizFormat format,
                                            const std::string& bytes) {
    if (format == TQuizFormat::MoodleXml) return ReadMoodleXml(bytes);
    bool wasWindows1252 = false;
    const std::string text = QuizFileText(bytes, wasWindows1252);
    if (wasWindows1252) std::cout << options.File.string() << ": not UTF-8; read as Windows-1252\n";
    return format == TQuizFormat::Gift ? ReadGift(text) : ReadAiken(text);
}

fs::path BookFilePath(const fs::path& book, const std::string& name) {
    return FindBookFile(book, name).value_or(book / name);
}

} // namespace

int Import(const TImportOptions& options) {
    const std::string file = options.File.string();
    std::unique_ptr<TBookProperties> book;
    std::vector<TQuestion> bank;
    const std::string bankName = QuestionBankName(options.Chapter);
    try {
        book = LoadBookProperties(options.Book, ToolRegionalSettings());
        if (book->LoadFailed) throw std::runtime_error(book->LoadError);
        if (options.Chapter < 1 || options.Chapter > book->ChapterCount)
            throw std::runtime_error("the book has " + std::to_string(book->ChapterCount) +
                                     " chapters; chapter " + std::to_string(options.Chapter) +
                                     " is none of them");
        if (FindBookFile(options.Book, bankName)) {
            const std::string bytes = ReadBookFile(options.Book, bankName, MaxQuestionBankSize);
            TByteReader in(bytes, bankName);
            bank = ReadQuestionBank(in);
        }
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << options.Book.string() << ": " << e.what() << "\n";
        return 1;
    }

    std::vector<TImportedQuestion> imported;
    try {
        const std::string bytes = ReadWholeFile(options.File, MaxQuizFileSize);
        const TQuizFormat format = options.Format.value_or(GuessQuizFormat(options.File, bytes));
        imported = ReadQuizFile(options, format, bytes);
    } catch (const TImportParseError& e) {
        std::cerr << file << ":" << e.Line << ":" << e.Column << ": " << e.what()
                  << "; nothing was imported\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << e.what() << "; nothing was imported\n";
        return 1;
    }

    TQuestionImporter importer(*book);
    std::array<int, 3> counts{};
    int skipped = 0;
    for (const TImportedQuestion& question : imported) {
        TImportOutcome outcome = importer.Import(question);
        for (const std::string& note : outcome.Notes)
            std::cout << file << ": " << question.Where << ": " << note << "\n";
        if (!outcome.Question) {
            std::cout << file << ": " << question.Where << ": skipped: " << outcome.SkipReason
                      << "\n";
            ++skipped;
            continue;
        }
        ++counts[outcome.Question->Kind];
        bank.push_back(std::move(*outcome.Question));
    }

    const int added = counts[0] + counts[1] + counts[2];
    std::string summary;
    for (std::size_t kind : {1u, 0u, 2u})
        summary +=
            (summary.empty() ? "" : ", ") + std::to_string(counts[kind]) + " " + KindNames[kind];
    std::cout << "chapter " << options.Chapter << ": imported " << added << " (" << summary
              << "), skipped " << skipped << "\n";
    if (added == 0) return 0;

    try {
        if (bank.size() > 32767)
            throw std::runtime_error(bankName + " would hold " + std::to_string(bank.size()) +
                                     " questions, more than the 32767 a bank may");
        std::vector<std::pair<fs::path, std::string>> files{
            {BookFilePath(options.Book, bankName), WriteQuestionBank(bank)}};
        if (importer.BookChanged())
            files.emplace_back(BookFilePath(options.Book, "BOOK.DEF"),
                               WriteBookProperties(*book, book->Version, ToolRegionalSettings()));
        if (files[0].second.size() > MaxQuestionBankSize ||
            (files.size() > 1 && files[1].second.size() > MaxBookDefinitionSize))
            throw std::runtime_error("the book's files would be larger than the program reads");
        ReplaceBookFiles(files);
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << options.Book.string() << ": " << e.what()
                  << "; nothing was imported\n";
        return 1;
    }
    return 0;
}

namespace {

// The command line as given; the chapter and format are read once the line has parsed.
struct ImportArguments {
    std::string File;
    std::string Book;
    std::optional<std::string> Chapter;
    std::optional<std::string> Format;
};

int RunImport(const ImportArguments& args) {
    if (args.File.empty() || args.Book.empty() || !args.Chapter)
        throw UsageError("import needs FILE, BOOK and --chapter N");
    TImportOptions options;
    options.File = args.File;
    options.Book = args.Book;
    options.Chapter = static_cast<int>(ParseWholeArgument(*args.Chapter, "--chapter", 1, 255));
    if (args.Format) {
        options.Format = QuizFormatNamed(*args.Format);
        if (!options.Format) throw UsageError("--format is gift, moodle-xml or aiken");
    }
    return Import(options);
}

} // namespace

void AddImportCommand(CLI::App& tool) {
    auto args = std::make_shared<ImportArguments>();
    CLI::App& import = AddCommand(
        tool, "import",
        {"import FILE BOOK --chapter N [--format gift|moodle-xml|aiken]",
         "Adds the questions of a quiz file to chapter N's question bank of the book in BOOK,\n"
         "making the bank when the chapter has none.",
         "True/False and Multiple Choice questions with one right answer and two to five\n"
         "choices come in as they are; numerical and calculated questions become word\n"
         "problems, their variables added to BOOK.DEF. Feedback becomes the explanation,\n"
         "HTML and Markdown plain text. Every question left out is named by its line (or\n"
         "its name in XML) with the reason, and so is every character Windows-1252 lacks.\n"
         "A file that does not parse changes nothing and is named with its line and column."},
        [args] { return RunImport(*args); });
    import.add_option("FILE", args->File);
    import.add_option("BOOK", args->Book);
    import.add_option("--chapter", args->Chapter, "the chapter whose bank takes the questions")
        ->type_name("N");
    import.add_option("--format", args->Format,
                      "the file's format; guessed from the file when not given")
        ->type_name("F");
}

} // namespace quillara::tool
