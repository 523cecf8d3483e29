// Moodle XML quiz files from arbitrary bytes: read into questions, or refused with the place where
// reading stopped; every question read then goes through the import into a book in memory.
#include "moodle_xml_reader.h"
#include "question_import.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara::tool;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        quillara::TBookProperties book;
        book.Version = 5;
        TQuestionImporter importer(book);
        for (const TImportedQuestion& question : ReadMoodleXml(bytes)) {
            const TImportOutcome outcome = importer.Import(question);
            if (outcome.Question.has_value() == !outcome.SkipReason.empty()) __builtin_trap();
        }
    } catch (const TImportParseError& e) {
        if (e.Line < 1 || e.Column < 1) __builtin_trap();
    }
    return 0;
}
