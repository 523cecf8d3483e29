#include "authors_form.h"
#include "book_directory_json.h"
#include "book_file_replace.h"
#include "book_json.h"
#include "command_line.h"
#include "commands.h"
#include "core/book/authors_notes.h"
#include "core/book/book_files.h"
#include "core/book/glossary.h"
#include "core/book/glossary_stream.h"
#include "core/book/question_bank_stream.h"
#include "core/scores/score_csv.h"
#include "core/scores/score_file.h"
#include "file_kind.h"
#include "json_stream.h"
#include "output_file.h"
#include "scores_json.h"
#include "tool_io.h"

#include <functional>
#include <iostream>
#include <memory>
#include <type_traits>

namespace quillara::tool {

namespace {

nlohmann::json DumpBytes(FileKind kind, const std::string& bytes, const std::string& name) {
    TByteReader in(bytes, name);
    switch (kind) {
    case FileKind::Book:
        return BookToJson(*ReadBookProperties(in, ToolRegionalSettings()));
    case FileKind::Topics:
        return TopicFileToJson(ReadTopicFile(in));
    case FileKind::Questions:
    case FileKind::Glossary:
        break; // printed a record at a time (DumpRecords)
    case FileKind::Authors:
        return AuthorsNotesToJson(ReadAuthorsNotes(in));
    case FileKind::Scores:
        return ScoresToJson(bytes, name);
    }
    return nullptr;
}

// The dump, to the output file when there is one and to the standard output otherwise. Output
// that cannot be written is a failure, so that a script never takes a cut-off dump for the whole.
void Emit(const std::function<void(std::ostream&)>& write,
          const std::optional<std::string>& output) {
    if (output) {
        TOutputFile out(*output);
        write(out.Stream());
        out.Commit();
        return;
    }
    write(std::cout);
    std::cout << std::flush;
    if (!std::cout) throw std::runtime_error("cannot write to the standard output");
}

// A file of records (Records: TQuestionBankStream, TGlossaryStream) printed a record at a time,
// so that any that reads costs the memory of its largest record. It is read through once first:
// a damaged file prints nothing.
template <typename Records>
void DumpRecords(const std::string& file, FileKind kind, std::string_view key,
                 const std::optional<std::string>& output) {
    {
        TBookFileStream in(file, LargestFile(kind));
        Records records(in, file);
        if constexpr (std::is_same_v<Records, TQuestionBankStream>) {
            while (records.NextFields()) {
            }
        } else {
            while (records.Next()) {
            }
        }
    }
    Emit(
        [&](std::ostream& out) {
            TJsonStream json(out);
            WriteRecordsJson<Records>(json, key, file, file, LargestFile(kind));
            json.Flush();
            out << '\n';
        },
        output);
}

// The score file as CSV, its chapters named from the book in bookDirectory when one is given.
// Nothing is written unless the whole file reads.
std::string ScoresCsvOf(const std::string& file, const std::optional<std::string>& bookDirectory) {
    std::unique_ptr<TBookProperties> book;
    if (bookDirectory) {
        try {
            book = LoadBookProperties(*bookDirectory, ToolRegionalSettings());
        } catch (const std::exception& e) {
            throw std::runtime_error("cannot read the book in " + *bookDirectory + ": " + e.what());
        }
        if (book->LoadFailed)
            throw std::runtime_error("cannot read the book in " + *bookDirectory + ": " +
                                     book->LoadError);
    }
    const std::string bytes = ReadWholeFile(file, LargestFile(FileKind::Scores));
    return ScoresCsv(ReadScoreFile(bytes, file), book.get());
}

struct DumpOptions {
    std::string File;
    std::optional<std::string> Kind;
    bool Csv = false;
    std::optional<std::string> BookDirectory;
    std::optional<std::string> Output;
    bool Source = false;
};

int RunDump(const DumpOptions& options) {
    const std::string& file = options.File;
    const std::optional<std::string>& output = options.Output;
    const bool csv = options.Csv;
    if (file.empty()) throw UsageError("dump needs a FILE");
    std::optional<FileKind> kind;
    if (options.Kind) {
        kind = KindFromOption(*options.Kind);
        if (!kind) throw UsageError("unknown kind \"" + *options.Kind + "\"");
    }
    if (options.BookDirectory && !csv)
        throw UsageError("--book names chapters only in --csv output");
    const bool wholeBook = !kind && !csv && std::filesystem::is_directory(file);
    if (options.Source && !wholeBook)
        throw UsageError("--source prints a whole book: give its DIR");
    if (!wholeBook) {
        if (!kind) kind = KindFromFileName(std::filesystem::path(file).filename().string());
        // Only scores are printed as CSV, so with --csv a score file may have any name.
        if (!kind && csv) kind = FileKind::Scores;
        if (!kind) throw UsageError("cannot tell the kind of \"" + file + "\"; give --kind");
        if (csv && *kind != FileKind::Scores) throw UsageError("--csv prints only a score file");
    }

    // The folder of the book dumped keeps its own files.
    std::filesystem::path bookFolder =
        wholeBook ? std::filesystem::path(file) : std::filesystem::path(file).parent_path();
    if (bookFolder.empty()) bookFolder = ".";
    if (output && IsFileOfBook(bookFolder, *output)) {
        std::cerr << "quillara-book: " << *output << ": is a file of the book dumped; write the "
                  << "dump elsewhere\n";
        return 1;
    }
    try {
        std::string text;
        if (wholeBook) {
            FinishBookChanges(file);
            // The pictures are named so that the manifest builds back from where it is saved.
            const auto manifestFolder =
                output ? std::optional(std::filesystem::absolute(*output).parent_path())
                       : std::nullopt;
            if (options.Source) {
                text = AuthorsFormOfDirectory(file, manifestFolder).dump(2) + "\n";
            } else {
                // Read through once first, so that a damaged book prints nothing.
                std::ostream nowhere(nullptr);
                WriteBookDirectoryJson(file, manifestFolder, nowhere);
                Emit([&](std::ostream& out) { WriteBookDirectoryJson(file, manifestFolder, out); },
                     output);
                return 0;
            }
        } else if (csv) {
            text = ScoresCsvOf(file, options.BookDirectory);
        } else if (*kind == FileKind::Questions) {
            DumpRecords<TQuestionBankStream>(file, *kind, "questions", output);
            return 0;
        } else if (*kind == FileKind::Glossary) {
            DumpRecords<TGlossaryStream>(file, *kind, "entries", output);
            return 0;
        } else {
            const std::string bytes = ReadWholeFile(file, LargestFile(*kind));
            text = DumpBytes(*kind, bytes, file).dump(2) + "\n";
        }
        Emit([&](std::ostream& out) { out << text; }, output);
        return 0;
    } catch (const TOutputError& e) {
        std::cerr << "quillara-book: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        const std::string message = e.what();
        std::cerr << "quillara-book: " << (message.starts_with(file) ? "" : file + ": ") << message
                  << "\n";
        return 1;
    }
}

} // namespace

void AddDumpCommand(CLI::App& tool) {
    auto options = std::make_shared<DumpOptions>();
    CLI::App& dump =
        AddCommand(tool, "dump",
                   {"dump FILE|DIR [--kind book|topics|questions|glossary|authors|scores]\n"
                    "                          [--csv [--book DIR]] [--source] [-o OUTFILE]",
                    "Prints a book file, or every file of the book in DIR, as JSON.",
                    "The dump of DIR names its pictures so that build makes the same book from it\n"
                    "wherever it is saved: by absolute paths on the standard output, by paths\n"
                    "relative to the folder of OUTFILE with -o."},
                   [options] { return RunDump(*options); });
    dump.add_option("FILE", options->File);
    dump.add_option("--kind", options->Kind,
                    "read FILE as this kind of file when its name does not tell")
        ->type_name("K");
    dump.add_flag("--csv", options->Csv,
                  "print a score file as a CSV table, one row per score and chapter");
    dump.add_option("--book", options->BookDirectory,
                    "name the chapters of that table from the book in DIR")
        ->type_name("DIR");
    dump.add_flag("--source", options->Source,
                  "print the book in DIR in the author's form, which names its kinds, texts and "
                  "parameters (docs/book-source.md)");
    dump.add_option("-o,--output", options->Output,
                    "write to OUTFILE instead of the standard output")
        ->type_name("OUTFILE");
}

} // namespace quillara::tool
