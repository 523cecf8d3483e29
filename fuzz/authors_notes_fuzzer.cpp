// AUTHORS from arbitrary bytes.
#include "core/book/authors_notes.h"
#include "core/io/book_errors.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    TByteReader in(std::string_view(reinterpret_cast<const char*>(data), size), "AUTHORS");
    try {
        const std::string text = ReadAuthorsNotes(in);
        if (text.size() > size) __builtin_trap();
    } catch (const TBookFileError&) {
    }
    return 0;
}
