// QUESTION.<n> from arbitrary bytes, each question expanded and rendered as the runner would.
#include "book/question.h"
#include "book/question_text.h"
#include "io/book_errors.h"
#include "platform/random_source.h"

#include <cstddef>
#include <cstdint>

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
    TByteReader in(std::string_view(reinterpret_cast<const char*>(data), size), "QUESTION.1");
    try {
        const std::int16_t count = in.ReadInt16("question count");
        for (int i = 0; i < count; ++i) {
            const TQuestion question = ReadQuestion(in);
            BuildRtf(question, ExpandText(question, book, regional), 10);
        }
    } catch (const TBookFileError&) {
    }
    return 0;
}
