// BOOK.DEF from arbitrary bytes: any outcome but a crash, a leak or a runaway is fine.
#include "core/book/book_properties.h"
#include "core/book/book_properties_writer.h"
#include "core/io/book_errors.h"
#include "core/io/byte_reader.h"
#include "core/numeric/math_errors.h"
#include "core/platform/random_source.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    static TSeededRandom random(1);
    SetProgramRandom(&random);
    TRegionalSettings regional;
    TByteReader in(std::string_view(reinterpret_cast<const char*>(data), size), "BOOK.DEF");
    try {
        const auto book = ReadBookProperties(in, regional);
        for (int chapter = -1; chapter <= book->ChapterCount + 1 && chapter < 300; ++chapter) {
            book->ChapterName(chapter);
            book->TopicInChapter(chapter, 1);
        }
        for (const auto& topic : book->Topics)
            book->TopicTitle(topic.TopicId);
        TVariableValues values;
        for (const auto& variable : book->Variables)
            variable->DisplayText(values.Draw(*variable), regional);
        // What was read writes back and reads again.
        const std::string again =
            WriteBookProperties(*book, book->LoadFailed ? 5 : book->Version, regional);
        TByteReader reread(again, "BOOK.DEF");
        ReadBookProperties(reread, regional);
    } catch (const TBookFileError&) {
    } catch (const EConvertError&) {
    } catch (const EMathError&) {
    } catch (const EFormulaSyntaxError&) {
    }
    return 0;
}
