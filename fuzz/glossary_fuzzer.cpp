// GLOSSARY.DEF from arbitrary bytes, loaded both in file order and sorted.
#include "book/glossary.h"
#include "io/book_errors.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
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
