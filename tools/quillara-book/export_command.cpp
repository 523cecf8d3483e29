#include "export_command.h"

#include "commands.h"
#include "core/book/book_files.h"
#include "core/book/question.h"
#include "gift_writer.h"
#include "moodle_xml_writer.h"
#include "question_export.h"
#include "tool_io.h"

#include <iostream>

namespace quillara::tool {

int Export(const TExportOptions& options) {
    const std::string bankName = QuestionBankName(options.Chapter);
    std::vector<TImportedQuestion> questions;
    try {
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

int RunExport(const Arguments& args) {
    TExportOptions options;
    std::optional<TQuizFormat> format;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format" || args[i] == "-o" || args[i] == "--output") {
            if (i + 1 == args.size()) throw UsageError(args[i] + " needs a value");
            if (args[i] == "--format") {
                format = QuizFormatNamed(args[++i]);
                if (!format || *format == TQuizFormat::Aiken)
                    throw UsageError("--format is gift or moodle-xml");
            } else {
                options.Output = args[++i];
            }
        } else if (args[i].starts_with("--")) {
            throw UsageError("unknown option \"" + args[i] + "\"");
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2 || !format)
        throw UsageError("export needs BOOK, CHAPTER and --format gift|moodle-xml");
    options.Book = positional[0];
    options.Chapter = static_cast<int>(ParseWholeArgument(positional[1], "CHAPTER", 1, 255));
    options.Format = *format;
    return Export(options);
}

} // namespace quillara::tool
