#include "book/authors_notes.h"
#include "book/book_files.h"
#include "book/glossary.h"
#include "book_json.h"
#include "book_source.h"
#include "commands.h"
#include "file_kind.h"
#include "scores/score_csv.h"
#include "scores/score_file.h"
#include "scores_json.h"

#include <iostream>

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
        return QuestionBankToJson(ReadQuestionBank(in));
    case FileKind::Glossary: {
        TGlossary glossary;
        glossary.Read(in, false);
        return GlossaryToJson(glossary.Entries);
    }
    case FileKind::Authors:
        return AuthorsNotesToJson(ReadAuthorsNotes(in));
    case FileKind::Scores:
        return ScoresToJson(bytes, name);
    }
    return nullptr;
}

// The score file as CSV, its chapters named from the book in bookDirectory when one is given.
// Nothing is printed unless the whole file reads; output that cannot be written is a failure, so
// a script never takes a cut-off table for the whole history.
int PrintScoresCsv(const std::string& file, const std::optional<std::string>& bookDirectory) {
    std::unique_ptr<TBookProperties> book;
    if (bookDirectory) {
        std::string error;
        try {
            book = LoadBookProperties(*bookDirectory, ToolRegionalSettings());
            if (book->LoadFailed) error = book->LoadError;
        } catch (const std::exception& e) {
            error = e.what();
        }
        if (!book || book->LoadFailed) {
            std::cerr << "quillara-book: cannot read the book in " << *bookDirectory << ": "
                      << error << "\n";
            return 1;
        }
    }
    const std::string bytes = ReadWholeFile(file, LargestFile(FileKind::Scores));
    std::cout << ScoresCsv(ReadScoreFile(bytes, file), book.get()) << std::flush;
    if (!std::cout) {
        std::cerr << "quillara-book: cannot write the scores to the output\n";
        return 1;
    }
    return 0;
}

} // namespace

int RunDump(const Arguments& args) {
    std::string file;
    std::optional<FileKind> kind;
    bool csv = false;
    std::optional<std::string> bookDirectory;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--kind") {
            if (++i == args.size()) throw UsageError("--kind needs a value");
            kind = KindFromOption(args[i]);
            if (!kind) throw UsageError("unknown kind \"" + args[i] + "\"");
        } else if (args[i] == "--csv") {
            csv = true;
        } else if (args[i] == "--book") {
            if (++i == args.size()) throw UsageError("--book needs a directory");
            bookDirectory = args[i];
        } else if (file.empty() && !args[i].starts_with("--")) {
            file = args[i];
        } else {
            throw UsageError("unexpected argument \"" + args[i] + "\"");
        }
    }
    if (file.empty()) throw UsageError("dump needs a FILE");
    if (bookDirectory && !csv) throw UsageError("--book names chapters only in --csv output");
    if (!kind && !csv && std::filesystem::is_directory(file)) {
        try {
            std::cout << BookDirectoryToJson(file).dump(2) << "\n";
            return 0;
        } catch (const std::exception& e) {
            std::cerr << "quillara-book: " << file << ": " << e.what() << "\n";
            return 1;
        }
    }
    if (!kind) kind = KindFromFileName(std::filesystem::path(file).filename().string());
    // Only scores are printed as CSV, so with --csv a score file may have any name.
    if (!kind && csv) kind = FileKind::Scores;
    if (!kind) throw UsageError("cannot tell the kind of \"" + file + "\"; give --kind");
    if (csv && *kind != FileKind::Scores) throw UsageError("--csv prints only a score file");

    try {
        if (csv) return PrintScoresCsv(file, bookDirectory);
        const std::string bytes = ReadWholeFile(file, LargestFile(*kind));
        std::cout << DumpBytes(*kind, bytes, file).dump(2) << "\n";
        return 0;
    } catch (const std::exception& e) {
        const std::string message = e.what();
        std::cerr << "quillara-book: " << (message.starts_with(file) ? "" : file + ": ") << message
                  << "\n";
        return 1;
    }
}

} // namespace quillara::tool
