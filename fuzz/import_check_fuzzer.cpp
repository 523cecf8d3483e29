// Any file through the import as the command runs it, into a book on disk: the import either
// refuses the file or leaves a book in which check finds nothing wrong with what came in.
#include "aiken_reader.h"
#include "book_check.h"
#include "core/book/book_files.h"
#include "core/book/book_properties_writer.h"
#include "core/book/book_records.h"
#include "core/book/question.h"
#include "gift_reader.h"
#include "moodle_xml_reader.h"
#include "question_import.h"
#include "quiz_format.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <unistd.h>

namespace {

using namespace quillara;
using namespace quillara::tool;
namespace fs = std::filesystem;

// A folder of this process's own; those that runs before it left (the fuzzer ends without
// cleaning up) are removed once their process is gone.
const fs::path& BookDir() {
    static const fs::path dir = [] {
        const std::string prefix = "import_check_fuzzer.";
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(fs::temp_directory_path(), ignored)) {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with(prefix)) continue;
            const int pid = std::atoi(name.c_str() + prefix.size());
            if (pid > 0 && kill(pid, 0) != 0) fs::remove_all(entry.path(), ignored);
        }
        fs::path path = fs::temp_directory_path() / (prefix + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    return dir;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TBookProperties book;
    book.Version = 5;
    book.Title = "Fuzz";
    book.ChapterNames = {"One"};
    TQuestionImporter importer(book);
    std::vector<TQuestion> bank;
    bool refused = false;
    int readable = 0;
    const auto take = [&](TImportedQuestion&& question) {
        readable += question.Unreadable ? 0 : 1;
        TImportOutcome outcome = importer.Import(question);
        if (outcome.Question.has_value() == !outcome.SkipReason.empty()) __builtin_trap();
        if (outcome.Question) bank.push_back(std::move(*outcome.Question));
        return true;
    };
    try {
        const TQuizFormat format = GuessQuizFormat("quiz", bytes);
        if (format == TQuizFormat::MoodleXml) {
            for (TImportedQuestion& question : ReadMoodleXml(bytes))
                take(std::move(question));
        } else {
            bool windows1252 = false;
            const std::string text = QuizFileText(bytes, windows1252);
            for (TImportedQuestion& question :
                 format == TQuizFormat::Gift ? ReadGift(text) : ReadAiken(text))
                take(std::move(question));
        }
    } catch (const TImportParseError& e) {
        if (e.Line < 1 || e.Column < 1) __builtin_trap();
        refused = readable == 0;
    }
    if (refused || bank.empty()) return 0;

    const fs::path& dir = BookDir();
    WriteFile(dir / "BOOK.DEF", WriteBookProperties(book, book.Version, TRegionalSettings{}));
    WriteFile(dir / QuestionBankName(1), WriteQuestionBank(bank));
    std::ostringstream findings;
    CheckBook(dir, findings, {}, true);
    // The book has no pictures or pages; what came in must hold no error of its own.
    std::istringstream lines(findings.str());
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(QuestionBankName(1) + ":") || line.starts_with("BOOK.DEF:")) {
            std::fprintf(stderr, "%s\n", line.c_str());
            __builtin_trap();
        }
    return 0;
}
