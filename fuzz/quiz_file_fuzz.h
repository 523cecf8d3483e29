#pragma once
// A quiz file reader over arbitrary bytes: the file is read into questions, or refused with the
// place where reading stopped; every question read then goes through the import into a book in
// memory, which either keeps it or says why not.
#include "question_import.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

template <typename TReader>
int FuzzQuizFile(const std::uint8_t* data, std::size_t size, TReader read) {
    using namespace quillara::tool;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        quillara::TBookProperties book;
        book.Version = 5;
        TQuestionImporter importer(book);
        for (const TImportedQuestion& question : read(bytes)) {
            const TImportOutcome outcome = importer.Import(question);
            if (outcome.Question.has_value() == !outcome.SkipReason.empty()) __builtin_trap();
        }
    } catch (const TImportParseError& e) {
        if (e.Line < 1 || e.Column < 1) __builtin_trap();
    }
    return 0;
}
