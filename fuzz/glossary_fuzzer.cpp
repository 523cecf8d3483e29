// GLOSSARY.DEF from arbitrary bytes, loaded both in file order and sorted; the same bytes read an
// entry at a time in small pieces give the same entries and failure.
#include "core/book/glossary.h"
#include "core/book/glossary_stream.h"
#include "core/io/book_errors.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> terms;
    std::string failure;
    try {
        TGlossary glossary;
        glossary.Read(std::string(bytes), "GLOSSARY.DEF", false);
        for (const TDefinition& entry : glossary.Entries())
            terms.emplace_back(entry.Term);
    } catch (const TBookFileError& e) {
        failure = e.what();
    }
    std::istringstream file{std::string(bytes)};
    std::vector<std::string> streamed;
    std::string streamFailure;
    try {
        TGlossaryStream glossary(file, "GLOSSARY.DEF", 1 + size % 61);
        while (const auto entry = glossary.Next())
            streamed.emplace_back(entry->Term);
    } catch (const TBookFileError& e) {
        streamFailure = e.what();
    }
    if (streamFailure != failure || (failure.empty() && streamed != terms)) __builtin_trap();

    for (bool sorted : {false, true}) {
        TGlossary glossary;
        try {
            glossary.Read(std::string(bytes), "GLOSSARY.DEF", sorted);
        } catch (const TBookFileError&) {
            continue;
        }
        for (const TDefinition& entry : glossary.Entries()) {
            if (glossary.FindTerm(entry.Term) == nullptr) __builtin_trap();
            TGlossary::InChapter(entry, 3);
            TGlossary::TrimmedTerm(entry);
        }
    }
    return 0;
}
