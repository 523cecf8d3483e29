#pragma once

#include "core/book/book_strings.h"
#include "core/io/byte_reader.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

// One term of a glossary. Its texts are views of text that the glossary holding it keeps (the
// bytes of GLOSSARY.DEF, or copies of the texts it was given), so an entry, and a pointer to
// it, is valid as long as that glossary is and its entries are not replaced.
struct TDefinition {
    std::string_view PageRef;
    std::string_view DefinitionText;
    std::string_view Term;
    std::string_view ChapterRef;
};

// The most a GLOSSARY.DEF may be. Its layout would allow 17 GB; a glossary of a few thousand terms
// is a few megabytes, and this holds 8,000 terms with definitions of 4,000 characters.
constexpr std::uint64_t MaxGlossarySize = 32ull << 20;

// The book's glossary, in the order of GLOSSARY.DEF unless loaded sorted. It keeps the file's
// bytes and its entries view them: reading builds no text of its own. A copy's entries would
// view the original's texts, so a glossary is only moved, which leaves every text in place.
class TGlossary {
public:
    TGlossary() = default;
    // A glossary of copies of the entries, in their order.
    explicit TGlossary(const std::vector<TDefinition>& entries);
    TGlossary(TGlossary&&) = default;
    TGlossary& operator=(TGlossary&&) = default;

    // Reads the directory's GLOSSARY.DEF. A missing or damaged file raises and leaves the
    // glossary as it was; with `cut` given, a file that ends inside an entry keeps the entries
    // before it and says in *cut where it ended.
    void LoadGlossary(const std::filesystem::path& directory, bool sorted,
                      std::string* cut = nullptr);
    // Replaces the entries with those of the bytes of a glossary file, which the glossary keeps;
    // damaged bytes raise and leave the glossary as it was, or keep what is whole, as above.
    void Read(std::string bytes, const std::string& fileName, bool sorted,
              std::string* cut = nullptr);
    // Appends a copy of the entry, its texts kept by the glossary.
    void Add(const TDefinition& entry);
    // Inserts a copy before the first entry whose term sorts after the new one (TermBefore).
    void AddSorted(const TDefinition& entry);
    // The first entry whose term equals the text, letters a-z compared without case.
    const TDefinition* FindTerm(std::string_view text) const;

    static bool InChapter(const TDefinition& entry, int chapter);
    // Whether the entry lists any chapter from 1 to chapterCount.
    static bool InAnyChapter(const TDefinition& entry, int chapterCount);
    static std::string TrimmedTerm(const TDefinition& entry);

    const std::vector<TDefinition>& Entries() const { return List; }

private:
    // A copy of the entry whose texts lie in one string of Given.
    TDefinition Keep(const TDefinition& entry);

    std::unique_ptr<const std::string> Bytes;
    // The texts of added entries; a deque, so that they stay where they are as it grows.
    std::deque<std::string> Given;
    std::vector<TDefinition> List;
};

// One entry at the reader's position, its texts views of the reader's bytes.
TDefinition ReadGlossaryEntry(TByteReader& in);
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
