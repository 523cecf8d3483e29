#include "file_kind.h"

#include "core/book/authors_notes.h"
#include "core/book/book_records.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/topic_pages.h"
#include "core/scores/book_replace.h"
#include "core/scores/score_file.h"

#include <algorithm>

namespace quillara::tool {

namespace {
bool IsChapterNumber(std::string_view text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

std::optional<FileKind> KindFromFileName(std::string_view name) {
    const std::string upper = UpperAscii(name);
    if (upper == "BOOK.DEF") return FileKind::Book;
    if (upper == "GLOSSARY.DEF") return FileKind::Glossary;
    if (upper == "AUTHORS" || upper == "AUTHORS.") return FileKind::Authors;
    if (upper == "SCORES.SAV") return FileKind::Scores;
    const std::string_view view = upper;
    if (view.starts_with("TOPICS.") && IsChapterNumber(view.substr(7))) return FileKind::Topics;
    if (view.starts_with("QUESTION.") && IsChapterNumber(view.substr(9)))
        return FileKind::Questions;
    return std::nullopt;
}

std::optional<FileKind> KindFromOption(std::string_view option) {
    if (option == "book") return FileKind::Book;
    if (option == "topics") return FileKind::Topics;
    if (option == "questions") return FileKind::Questions;
    if (option == "glossary") return FileKind::Glossary;
    if (option == "authors") return FileKind::Authors;
    if (option == "scores") return FileKind::Scores;
    return std::nullopt;
}

bool IsBuiltFileName(const std::string& name) {
    const std::string upper = UpperAscii(name);
    if (const auto kind = KindFromFileName(name)) return *kind != FileKind::Scores;
    if (upper == "WQUILLARA.INI") return true;
    for (const char* picture : {".JPG", ".JPEG", ".PNG", ".GIF", ".BMP"})
        if (upper.ends_with(picture)) return true;
    return false;
}

bool IsFileOfBook(const std::filesystem::path& book, const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = fs::absolute(path, error).parent_path();
    if (error || !fs::equivalent(folder, book, error)) return false;
    const std::string name = path.filename().string();
    return IsBuiltFileName(name) || KindFromFileName(name) == FileKind::Scores ||
           UpperAscii(name) == BookJournalName;
}

std::uint64_t LargestFile(FileKind kind) {
    switch (kind) {
    case FileKind::Book:
        return MaxBookDefinitionSize;
    case FileKind::Topics:
        return MaxTopicFileSize;
    case FileKind::Questions:
        return MaxQuestionBankSize;
    case FileKind::Glossary:
        return MaxGlossarySize;
    case FileKind::Authors:
        return MaxAuthorsNotesSize;
    case FileKind::Scores:
        return MaxScoreFileSize;
    }
    return 0;
}

} // namespace quillara::tool
