// QUESTION.<n> from arbitrary bytes, each question expanded and rendered as the runner would; the
// same bytes read a record at a time in small pieces, as questions or as fields in place, give the
// same questions and failure.
#include "core/book/question.h"
#include "core/book/question_bank_stream.h"
#include "core/book/question_text.h"
#include "core/io/book_errors.h"
#include "core/platform/random_source.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

namespace {

std::string RecordOf(const quillara::TQuestion& question) {
    quillara::TByteWriter out;
    quillara::WriteQuestion(out, question);
    return out.Take();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    static TSeededRandom random(1);
    SetProgramRandom(&random);
    static TBookProperties book = [] {
        TBookProperties b;
        b.Variables.push_back(std::make_unique<TVarible>(
            "x", vkNumber, TReal48::FromExtended(1), TReal48::FromExtended(100), 1, std::nullopt));
        b.Variables.push_back(std::make_unique<TVarible>("c", vkChoice, TReal48{}, TReal48{}, 0,
                                                         std::vector<std::string>{"red", "blue"}));
        return b;
    }();
    TRegionalSettings regional;
    TVariableValues values;
    for (const auto& variable : book.Variables)
        values.Draw(*variable);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TByteReader in(bytes, "QUESTION.1");
    std::vector<std::string> records;
    std::string failure;
    try {
        const std::int16_t count = in.ReadInt16("question count");
        for (int i = 0; i < count; ++i) {
            const TQuestion question = ReadQuestion(in);
            BuildRtf(question, ExpandText(question, book, values, regional), 10);
            records.push_back(RecordOf(question));
        }
    } catch (const TBookFileError& e) {
        failure = e.what();
    }

    std::istringstream file(bytes);
    std::size_t streamed = 0;
    std::string streamFailure;
    try {
        TQuestionBankStream bank(file, "QUESTION.1", 1 + size % 61);
        while (const auto question = bank.Next())
            if (streamed >= records.size() || RecordOf(*question) != records[streamed++])
                __builtin_trap();
    } catch (const TBookFileError& e) {
        streamFailure = e.what();
    }
    if (streamed != records.size() || streamFailure != failure) __builtin_trap();

    std::istringstream again(bytes);
    std::size_t viewed = 0;
    try {
        TQuestionBankStream bank(again, "QUESTION.1", 1 + size % 53);
        while (const auto fields = bank.NextFields())
            if (viewed >= records.size() || RecordOf(MakeQuestion(*fields)) != records[viewed++])
                __builtin_trap();
    } catch (const TBookFileError& e) {
        if (e.what() != failure) __builtin_trap();
    }
    if (viewed != records.size()) __builtin_trap();
    return 0;
}
