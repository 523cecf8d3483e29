// TOPICS.<n> from arbitrary bytes.
#include "core/book/topic_pages.h"
#include "core/io/book_errors.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    TByteReader in(std::string_view(reinterpret_cast<const char*>(data), size), "TOPICS.1");
    try {
        const auto entries = ReadTopicFile(in);
        const std::string again = WriteTopicFile(entries);
        TByteReader reread(again, "TOPICS.1");
        if (ReadTopicFile(reread).size() != entries.size()) __builtin_trap();
    } catch (const TBookFileError&) {
    }
    return 0;
}
