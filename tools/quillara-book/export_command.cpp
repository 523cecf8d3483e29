#include "export_command.h"

#include "book_file_replace.h"
#include "command_line.h"
#include "commands.h"
#include "core/book/book_files.h"
#include "core/book/question.h"
#include "file_kind.h"
#include "gift_writer.h"
#include "moodle_xml_writer.h"
#include "question_export.h"
#include "tool_io.h"

#include <iostream>
#include <memory>

namespace quillara::tool {

int Export(const TExportOptions& options) {
    const std::string bankName = QuestionBankName(options.Chapter);
    std::vector<TImportedQuestion> questions;
    if (options.Output && IsFileOfBook(options.Book, *options.Output)) {
        std::cerr << "quillara-book: " << options.Output->string() << ": is a file of the book in "
                  << options.Book.string() << "; export elsewhere\n";
        return 1;
    }
    try {
        FinishBookChanges(options.Book);
        const auto book = LoadBookProperties(options.Book, ToolRegionalSettings());
        if (book->LoadFailed) throw std::runtime_error(book->LoadError);
        const std::string bytes = ReadBookFile(options.Book, bankName, MaxQuestionBankSize);
        TByteReader in(bytes, bankName);
        const std::vector<TQuestion> bank = ReadQuestionBank(in);
        for (std::size_t i = 0; i < bank.size(); ++i) {
            TImportedQuestion question = QuestionForQuizFile(bank[i], *book);
            const std::string where = bankName + ": question " + std::to_string(i + 1) + ": ";
            if (question.Kind == TImportedKind::Calculated && options.Format == TQuizFormat::Gift) {
                question.Kind = TImportedKind::Unsupported;
                question.SkipReason = "it draws values, which GIFT cannot; export it as moodle-xml";
            }
            if (question.Kind == TImportedKind::Unsupported) {
                std::cerr << where << "left out: " << question.SkipReason << "\n";
                continue;
            }
            for (const std::string& note : question.Notes)
                std::cerr << where << note << "\n";
            questions.push_back(std::move(question));
        }
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << options.Book.string() << ": " << e.what() << "\n";
        return 1;
    }

    const std::string file =
        options.Format == TQuizFormat::Gift ? WriteGift(questions) : WriteMoodleXml(questions);
    if (!options.Output) {
        // A failed write is told, and the exit status set, once the command returns.
        std::cout << file;
        return 0;
    }
    try {
        WriteWholeFile(*options.Output, file);
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

namespace {

// The command line as given; the chapter and format are read once the line has parsed.
struct ExportArguments {
    std::string Book;
    std::string Chapter;
    std::optional<std::string> Format;
    std::optional<std::string> Output;
};

int RunExport(const ExportArguments& args) {
    if (args.Book.empty() || args.Chapter.empty() || !args.Format)
        throw UsageError("export needs BOOK, CHAPTER and --format gift|moodle-xml");
    TExportOptions options;
    const std::optional<TQuizFormat> format = QuizFormatNamed(*args.Format);
    if (!format || *format == TQuizFormat::Aiken)
        throw UsageError("--format is gift or moodle-xml");
    options.Book = args.Book;
    options.Chapter = static_cast<int>(ParseWholeArgument(args.Chapter, "CHAPTER", 1, 255));
    options.Format = *format;
    if (args.Output) options.Output = *args.Output;
    return Export(options);
}

} // namespace

void AddExportCommand(CLI::App& tool) {
    auto args = std::make_shared<ExportArguments>();
    CLI::App& exporting = AddCommand(
        tool, "export",
        {"export BOOK CHAPTER --format gift|moodle-xml [-o FILE]",
         "Writes a chapter's questions as a quiz file for a learning platform; word problems\n"
         "become numerical questions, or calculated ones with their variables (moodle-xml\n"
         "only). Questions the format cannot hold are named on the standard error.",
         "With -o, the file is written beside FILE and put in its place only when whole; a\n"
         "FILE that is one of the book's own files is refused. A write that fails, to FILE\n"
         "or to the standard output, is told and exits 1."},
        [args] { return RunExport(*args); });
    exporting.add_option("BOOK", args->Book);
    exporting.add_option("CHAPTER", args->Chapter);
    exporting.add_option("--format", args->Format, "gift or moodle-xml")->type_name("F");
    exporting
        .add_option("-o,--output", args->Output, "write to FILE instead of the standard output")
        ->type_name("FILE");
}

} // namespace quillara::tool
