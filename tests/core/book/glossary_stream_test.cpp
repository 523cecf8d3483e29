#include "core/book/glossary_stream.h"
#include "core/io/book_errors.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quillara {
namespace {

// A glossary's entries as texts, with the failure that ended the reading.
struct TReading {
    std::vector<std::string> Entries;
    std::string Failure;
};

std::string Joined(const TDefinition& entry) {
    return std::string(entry.PageRef) + "|" + std::string(entry.DefinitionText) + "|" +
           std::string(entry.Term) + "|" + std::string(entry.ChapterRef);
}

TReading ReadWhole(const std::string& bytes) {
    TReading reading;
    TGlossary glossary;
    try {
        glossary.Read(bytes, "GLOSSARY.DEF", false);
    } catch (const TBookFileError& e) {
        reading.Failure = e.what();
    }
    for (const TDefinition& entry : glossary.Entries())
        reading.Entries.push_back(Joined(entry));
    return reading;
}

// A failure keeps none of the entries, as a whole reading keeps none.
TReading ReadStreamed(const std::string& bytes, std::size_t pieceSize) {
    TReading reading;
    std::istringstream in(bytes);
    try {
        TGlossaryStream glossary(in, "GLOSSARY.DEF", pieceSize);
        while (const auto entry = glossary.Next())
            reading.Entries.push_back(Joined(*entry));
    } catch (const TBookFileError& e) {
        reading.Failure = e.what();
        reading.Entries.clear();
    }
    return reading;
}

// Read in pieces of any size, a glossary gives the entries and the failure that reading the whole
// file gives, at the same offset.
TEST(GlossaryStream, ReadsWhatTheWholeFileReads) {
    const std::string glossary = WriteGlossary({{"p. 4", "A plan for spending.", "Budget", "1"},
                                                {"", std::string(60000, 'd'), "Interest", "2, 3"},
                                                {"p. 9", "", "Caf\xe9", ""},
                                                {"", "Money owed.", "Debt", "3"}});
    std::vector<std::pair<std::string, std::string>> files = {
        {"whole", glossary},
        {"no count", ""},
        {"count past the entries", std::string("\x09\x00", 2) + glossary.substr(2)},
        {"count short of the entries", std::string("\x02\x00", 2) + glossary.substr(2)},
    };
    for (std::size_t cut = 1; cut < glossary.size(); cut += 4099)
        files.emplace_back("cut at " + std::to_string(cut), glossary.substr(0, cut));

    for (const auto& [what, bytes] : files) {
        const TReading whole = ReadWhole(bytes);
        for (std::size_t piece :
             {std::size_t{1}, std::size_t{7}, std::size_t{5000}, TRecordStream::DefaultPieceSize}) {
            SCOPED_TRACE(what + ", pieces of " + std::to_string(piece));
            const TReading streamed = ReadStreamed(bytes, piece);
            EXPECT_EQ(streamed.Entries, whole.Entries);
            EXPECT_EQ(streamed.Failure, whole.Failure);
        }
    }
    EXPECT_EQ(ReadWhole(glossary).Entries.size(), 4u);
    EXPECT_NE(ReadWhole(glossary.substr(0, 3000)).Failure.find("at byte"), std::string::npos);
}

} // namespace
} // namespace quillara
