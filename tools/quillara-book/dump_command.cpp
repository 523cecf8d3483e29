#include "book/authors_notes.h"
#include "book/book_files.h"
#include "book/glossary.h"
#include "book_json.h"
#include "book_source.h"
#include "commands.h"
#include "file_kind.h"
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

} // namespace

int RunDump(const Arguments& args) {
    std::string file;
    std::optional<FileKind> kind;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--kind") {
            if (++i == args.size()) throw UsageError("--kind needs a value");
            kind = KindFromOption(args[i]);
            if (!kind) throw UsageError("unknown kind \"" + args[i] + "\"");
        } else if (file.empty() && !args[i].starts_with("--")) {
            file = args[i];
        } else {
            throw UsageError("unexpected argument \"" + args[i] + "\"");
        }
    }
    if (file.empty()) throw UsageError("dump needs a FILE");
    if (!kind && std::filesystem::is_directory(file)) {
        try {
            std::cout << BookDirectoryToJson(file).dump(2) << "\n";
            return 0;
        } catch (const std::exception& e) {
            std::cerr << "quillara-book: " << file << ": " << e.what() << "\n";
            return 1;
        }
    }
    if (!kind) kind = KindFromFileName(std::filesystem::path(file).filename().string());
    if (!kind) throw UsageError("cannot tell the kind of \"" + file + "\"; give --kind");

    try {
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
