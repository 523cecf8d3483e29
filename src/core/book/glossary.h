#pragma once

#include "book/book_strings.h"
#include "io/byte_reader.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

struct TDefinition {
    std::string PageRef;
    std::string DefinitionText;
    std::string Term;
    std::string ChapterRef;
};

// The largest GLOSSARY.DEF its layout allows: an unsigned count, then four long strings an entry.
constexpr std::uint64_t MaxGlossarySize = 2 + 65535ull * 4 * LongStringSize;

// The book's glossary, in the order of GLOSSARY.DEF unless loaded sorted.
class TGlossary {
public:
    // Reads the directory's GLOSSARY.DEF. A missing or damaged file raises and leaves the
    // glossary as it was.
    void LoadGlossary(const std::filesystem::path& directory, bool sorted);
    void Read(TByteReader& in, bool sorted);
    // Inserts before the first entry whose term sorts after the new one (TermBefore).
    void AddSorted(TDefinition entry);
    // The first entry whose term equals the text, letters a-z compared without case.
    const TDefinition* FindTerm(std::string_view text) const;

    static bool InChapter(const TDefinition& entry, int chapter);
    // Whether the entry lists any chapter from 1 to chapterCount.
    static bool InAnyChapter(const TDefinition& entry, int chapterCount);
    static std::string TrimmedTerm(const TDefinition& entry);

    std::vector<TDefinition> Entries;
};

std::string WriteGlossary(const std::vector<TDefinition>& entries);

// Upper-cases the letters a to z only, as glossary comparisons do.
std::string UpperAscii(std::string_view text);

// Glossary comparisons without upper-cased copies: the letters a to z are taken as A to Z as
// each character is compared.
bool SameTerm(std::string_view a, std::string_view b);
// Whether a's upper-cased form sorts before b's, character code by character code, a text that
// begins a longer one coming first.
bool TermBefore(std::string_view a, std::string_view b);

} // namespace quillara
