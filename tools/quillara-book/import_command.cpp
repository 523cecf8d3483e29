#include "import_command.h"

#include "book_file_replace.h"
#include "command_line.h"
#include "commands.h"
#include "core/book/book_files.h"
#include "core/book/book_properties_writer.h"
#include "core/book/book_records.h"
#include "core/book/question.h"
#include "core/io/byte_writer.h"
#include "question_import.h"
#include "quiz_file_stream.h"
#include "tool_io.h"

#include <array>
#include <iostream>
#include <memory>
#include <optional>
#include <set>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

constexpr std::array KindNames{"Multiple Choice", "True/False", "Word Problem"};
// The most questions a bank holds: its count is a 16-bit number.
constexpr std::size_t MaxBankQuestions = 32767;

std::string RecordOf(const TQuestion& question) {
    TByteWriter out;
    WriteQuestion(out, question);
    return out.Take();
}

// The name under which the book holds the file, in whatever case it was written; the name
// itself for a file the book does not have yet.
std::string BookFileName(const fs::path& book, const std::string& name) {
    const std::optional<fs::path> found = FindBookFile(book, name);
    return found ? found->filename().string() : name;
}

// The bank as it grows: its questions, the size of its file, and the records it held before,
// which a question already there is found among.
struct TGrowingBank {
    std::vector<TQuestion> Questions;
    std::uint64_t FileSize = 2;
    std::set<std::string> Before;
};

} // namespace

int Import(const TImportOptions& options) {
    const std::string file = options.File.string();
    std::unique_ptr<TBookProperties> book;
    TGrowingBank bank;
    const std::string bankName = QuestionBankName(options.Chapter);
    try {
        FinishBookChanges(options.Book);
        book = LoadBookProperties(options.Book, ToolRegionalSettings());
        if (book->LoadFailed) throw std::runtime_error(book->LoadError);
        if (options.Chapter < 1 || options.Chapter > book->ChapterCount)
            throw std::runtime_error("the book has " + std::to_string(book->ChapterCount) +
                                     " chapters; chapter " + std::to_string(options.Chapter) +
                                     " is none of them");
        if (FindBookFile(options.Book, bankName)) {
            const std::string bytes = ReadBookFile(options.Book, bankName, MaxQuestionBankSize);
            TByteReader in(bytes, bankName);
            bank.Questions = ReadQuestionBank(in);
        }
        for (const TQuestion& question : bank.Questions) {
            std::string record = RecordOf(question);
            bank.FileSize += record.size();
            bank.Before.insert(std::move(record));
        }
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << options.Book.string() << ": " << e.what() << "\n";
        return 1;
    }

    TQuestionImporter importer(*book);
    std::array<int, 3> counts{};
    int skipped = 0;
    int alreadyThere = 0;
    // Questions that could be read as the format writes them, and those that could not.
    int readable = 0;
    int unreadable = 0;
    // Why the bank cannot take the file's questions, once it cannot.
    std::string refused;
    const auto take = [&](TImportedQuestion&& question) {
        ++(question.Unreadable ? unreadable : readable);
        TImportOutcome outcome = importer.Import(question);
        for (const std::string& note : outcome.Notes)
            std::cout << file << ": " << question.Where << ": " << note << "\n";
        if (!outcome.Question) {
            std::cout << file << ": " << question.Where << ": skipped: " << outcome.SkipReason
                      << "\n";
            ++skipped;
            return true;
        }
        std::string record = RecordOf(*outcome.Question);
        if (!options.Again && bank.Before.contains(record)) {
            ++alreadyThere;
            return true;
        }
        bank.FileSize += record.size();
        if (bank.Questions.size() + 1 > MaxBankQuestions || bank.FileSize > MaxQuestionBankSize) {
            refused = question.Where + ": " + bankName + " would hold more than " +
                      (bank.FileSize > MaxQuestionBankSize
                           ? std::to_string(MaxQuestionBankSize) + " bytes"
                           : std::to_string(MaxBankQuestions) + " questions") +
                      ", the most a bank may";
            return false;
        }
        ++counts[outcome.Question->Kind];
        bank.Questions.push_back(std::move(*outcome.Question));
        return true;
    };
    TQuizFormat format = TQuizFormat::Gift;
    try {
        const std::string start = QuizFileStart(options.File);
        format = options.Format.value_or(GuessQuizFormat(options.File, start));
        TQuizFileEncoding encoding = TQuizFileEncoding::Utf8;
        if (format != TQuizFormat::MoodleXml) {
            encoding = QuizFileEncoding(options.File);
            if (encoding == TQuizFileEncoding::Windows1252)
                std::cout << file << ": not UTF-8; read as Windows-1252\n";
        }
        ReadQuizFileQuestions(options.File, format, encoding, take);
    } catch (const TImportParseError& e) {
        if (readable + unreadable == 0) {
            std::cerr << file << ":" << e.Line << ":" << e.Column << ": " << e.what()
                      << "; nothing was imported\n";
            return 1;
        }
        // What was read before the fault comes in; what follows it cannot be told apart.
        std::cout << file << ":" << e.Line << ":" << e.Column << ": " << e.what()
                  << "; the rest of the file is not read\n";
    } catch (const std::exception& e) {
        // A message naming the file already is not given its name twice.
        const std::string message = e.what();
        std::cerr << "quillara-book: "
                  << (message.find(file) == std::string::npos ? file + ": " : "") << message
                  << "; nothing was imported\n";
        return 1;
    }
    if (!refused.empty()) {
        std::cerr << "quillara-book: " << file << ": " << refused << "; nothing was imported\n";
        return 1;
    }
    if (readable == 0 && unreadable > 0) {
        std::cerr << "quillara-book: " << file << ": no question in it reads as "
                  << QuizFormatName(format) << "; nothing was imported\n";
        return 1;
    }

    const int added = counts[0] + counts[1] + counts[2];
    std::string summary;
    for (std::size_t kind : {1u, 0u, 2u})
        summary +=
            (summary.empty() ? "" : ", ") + std::to_string(counts[kind]) + " " + KindNames[kind];
    const std::string already = alreadyThere == 0
                                    ? ""
                                    : ", " + std::to_string(alreadyThere) +
                                          " already in the bank (--again adds them once more)";
    const auto report = [&] {
        std::cout << "chapter " << options.Chapter << ": "
                  << (options.DryRun ? "would import " : "imported ") << added << " (" << summary
                  << "), skipped " << skipped << already
                  << (options.DryRun ? "; nothing was written (--dry-run)" : "") << "\n";
    };
    if (added == 0 || options.DryRun) {
        report();
        return 0;
    }

    try {
        std::vector<TBookFileChange> files{
            {BookFileName(options.Book, bankName), WriteQuestionBank(bank.Questions)}};
        if (importer.BookChanged()) {
            files.push_back({BookFileName(options.Book, "BOOK.DEF"),
                             WriteBookProperties(*book, book->Version, ToolRegionalSettings())});
            if (files.back().Bytes->size() > MaxBookDefinitionSize)
                throw std::runtime_error("BOOK.DEF would be larger than the program reads");
        }
        ReplaceBookFiles(options.Book, files);
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << options.Book.string() << ": " << e.what()
                  << "; nothing was imported\n";
        return 1;
    }
    report();
    return 0;
}

namespace {

// The command line as given; the chapter and format are read once the line has parsed.
struct ImportArguments {
    std::string File;
    std::string Book;
    std::optional<std::string> Chapter;
    std::optional<std::string> Format;
    bool Again = false;
    bool DryRun = false;
};

int RunImport(const ImportArguments& args) {
    if (args.File.empty() || args.Book.empty() || !args.Chapter)
        throw UsageError("import needs FILE, BOOK and --chapter N");
    TImportOptions options;
    options.File = args.File;
    options.Book = args.Book;
    options.Chapter = static_cast<int>(ParseWholeArgument(*args.Chapter, "--chapter", 1, 255));
    options.Again = args.Again;
    options.DryRun = args.DryRun;
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
        {"import FILE BOOK --chapter N [--format gift|moodle-xml|aiken] [--again]\n"
         "                            [--dry-run]",
         "Adds the questions of a quiz file to chapter N's question bank of the book in BOOK,\n"
         "making the bank when the chapter has none.",
         "True/False and Multiple Choice questions with one right answer and two to five\n"
         "choices come in as they are; numerical and calculated questions become word\n"
         "problems, their variables added to BOOK.DEF. Feedback becomes the explanation,\n"
         "HTML and Markdown plain text. Every question left out is named by its line (or\n"
         "its name in XML) with the reason, and so is every character Windows-1252 lacks.\n"
         "A question that cannot be read is left out and the rest of the file comes in; a\n"
         "file none of whose questions reads as its format changes nothing. A question is\n"
         "checked as check would check it, and one it would refuse is left out. Choices are\n"
         "put in an order drawn from the question's text (the same each time), unless the\n"
         "file keeps its order: Aiken's letters, Moodle XML's <shuffleanswers>0. An exact\n"
         "answer or a tolerance that no rounding matches is asked with the nearest rounding\n"
         "that is no looser, where there is one, and the line says which.\n"
         "A question the bank already holds, word for word, is counted and left out, unless\n"
         "--again. A bank would hold at most 32767 questions and 32 MiB: a file with more\n"
         "stops at the question that passes it, and nothing is imported. GIFT and Aiken files\n"
         "are read as UTF-8, as UTF-16 when they begin with its byte-order mark, and as\n"
         "Windows-1252 when they are not UTF-8; UTF-32, or NUL bytes without a byte-order\n"
         "mark, are refused. A question holding a control character is left out."},
        [args] { return RunImport(*args); });
    import.add_option("FILE", args->File);
    import.add_option("BOOK", args->Book);
    import.add_option("--chapter", args->Chapter, "the chapter whose bank takes the questions")
        ->type_name("N");
    import
        .add_option("--format", args->Format,
                    "the file's format; guessed from the file when not given")
        ->type_name("F");
    import.add_flag("--again", args->Again, "add questions the bank already holds once more");
    import.add_flag("--dry-run", args->DryRun,
                    "tell what would come in and what would be left out; write nothing");
}

} // namespace quillara::tool
