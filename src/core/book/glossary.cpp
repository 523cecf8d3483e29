#include "core/book/glossary.h"

#include "core/book/book_files.h"
#include "core/book/book_strings.h"
#include "core/io/book_errors.h"

#include <algorithm>

namespace quillara {

namespace {
unsigned char Folded(char c) {
    return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
}

// Whether any run of digits of a chapter reference satisfies the test; every other character
// separates runs.
template <typename Test> bool AnyChapterRun(std::string_view reference, Test test) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= reference.size(); ++i) {
        if (i < reference.size() && reference[i] >= '0' && reference[i] <= '9') continue;
        if (i > start && test(reference.substr(start, i - start))) return true;
        start = i + 1;
    }
    return false;
}

} // namespace

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return upper;
}

bool SameTerm(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Folded(a[i]) != Folded(b[i])) return false;
    return true;
}

bool TermBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

TGlossary::TGlossary(const std::vector<TDefinition>& entries) {
    List.reserve(entries.size());
    for (const TDefinition& entry : entries)
        Add(entry);
}

void TGlossary::LoadGlossary(const std::filesystem::path& directory, bool sorted,
                             std::string* cut) {
    Read(ReadBookFile(directory, "GLOSSARY.DEF", MaxGlossarySize), "GLOSSARY.DEF", sorted, cut);
}

void TGlossary::Read(std::string bytes, const std::string& fileName, bool sorted,
                     std::string* cut) {
    // The entries view the string where it lies, so it is read where it is to stay.
    auto kept = std::make_unique<const std::string>(std::move(bytes));
    TByteReader in(*kept, fileName);
    std::vector<TDefinition> read;
    try {
        const std::uint16_t count = in.ReadUInt16("entry count");
        // Every entry takes at least its four length fields, so the bytes left bound the count.
        read.reserve(std::min<std::size_t>(count, in.Remaining() / 8));
        for (unsigned i = 0; i < count; ++i)
            read.push_back(ReadGlossaryEntry(in));
    } catch (const TTruncatedFileError& e) {
        if (!cut) throw;
        *cut = e.what();
    }
    // A stable sort places every entry exactly where inserting them one by one before the first
    // greater term would, without the quadratic cost.
    if (sorted)
        std::stable_sort(read.begin(), read.end(), [](const TDefinition& a, const TDefinition& b) {
            return TermBefore(a.Term, b.Term);
        });
    List = std::move(read);
    Given.clear();
    Bytes = std::move(kept);
}

TDefinition TGlossary::Keep(const TDefinition& entry) {
    std::string& texts = Given.emplace_back();
    texts.reserve(entry.PageRef.size() + entry.DefinitionText.size() + entry.Term.size() +
                  entry.ChapterRef.size());
    const auto append = [&](std::string_view text) {
        const std::size_t at = texts.size();
        texts += text;
        return at;
    };
    const std::size_t page = append(entry.PageRef), definition = append(entry.DefinitionText),
                      term = append(entry.Term), chapter = append(entry.ChapterRef);
    const std::string_view all = texts;
    return {all.substr(page, entry.PageRef.size()),
            all.substr(definition, entry.DefinitionText.size()),
            all.substr(term, entry.Term.size()), all.substr(chapter, entry.ChapterRef.size())};
}

void TGlossary::Add(const TDefinition& entry) {
    List.push_back(Keep(entry));
}

void TGlossary::AddSorted(const TDefinition& entry) {
    const auto at = std::find_if(List.begin(), List.end(), [&](const TDefinition& other) {
        return TermBefore(entry.Term, other.Term);
    });
    List.insert(at, Keep(entry));
}

const TDefinition* TGlossary::FindTerm(std::string_view text) const {
    for (const TDefinition& entry : List)
        if (SameTerm(entry.Term, text)) return &entry;
    return nullptr;
}

bool TGlossary::InChapter(const TDefinition& entry, int chapter) {
    const std::string wanted = std::to_string(chapter);
    return AnyChapterRun(entry.ChapterRef, [&](std::string_view run) { return run == wanted; });
}

bool TGlossary::InAnyChapter(const TDefinition& entry, int chapterCount) {
    // Chapter numbers are written without leading zeros and a book has at most 255 chapters.
    return AnyChapterRun(entry.ChapterRef, [&](std::string_view run) {
        return run.front() != '0' && run.size() <= 3 && std::stoi(std::string(run)) <= chapterCount;
    });
}

std::string TGlossary::TrimmedTerm(const TDefinition& entry) {
    return std::string(TrimBoth(entry.Term));
}

TDefinition ReadGlossaryEntry(TByteReader& in) {
    // The fields of a braced list are read in their order.
    return TDefinition{ReadLongText(in, "PageRef"), ReadLongText(in, "DefinitionText"),
                       ReadLongText(in, "Term"), ReadLongText(in, "ChapterRef")};
}

std::string WriteGlossary(const std::vector<TDefinition>& entries) {
    TByteWriter out;
    const std::size_t count = std::min<std::size_t>(entries.size(), UINT16_MAX);
    out.WriteUInt16(static_cast<std::uint16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        WriteLongString(out, entries[i].PageRef);
        WriteLongString(out, entries[i].DefinitionText);
        WriteLongString(out, entries[i].Term);
        WriteLongString(out, entries[i].ChapterRef);
    }
    return out.Take();
}

} // namespace quillara
