// GIFT files from arbitrary bytes, as the import reads them.
#include "gift_reader.h"
#include "quiz_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzQuizFile(data, size, quillara::tool::ReadGift);
}
