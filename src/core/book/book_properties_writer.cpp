#include "core/book/book_properties_writer.h"

#include "core/book/book_records.h"
#include "core/book/book_strings.h"

#include <algorithm>

namespace quillara {

namespace {
template <typename List, typename WriteOne>
void WriteList(TByteWriter& out, const List& list, WriteOne writeOne) {
    const std::size_t count = std::min<std::size_t>(list.size(), INT16_MAX);
    out.WriteInt16(static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        writeOne(list[i]);
}
} // namespace

std::string WriteBookProperties(const TBookProperties& book, std::uint8_t version,
                                const TRegionalSettings& regional) {
    TByteWriter out;
    if (version >= 1) {
        WriteShortString(out, "BPQZ");
        out.WriteByte(version);
    }
    for (const std::string* text : {&book.Title, &book.Text2, &book.Text3, &book.Text4,
                                    &book.Copyright, &book.Text6, &book.Text7})
        WriteLongString(out, *text);
    out.WriteByte(book.HasGlossary);
    if (version >= 4) out.WriteByte(book.HasMatchingQuiz);
    out.WriteByte(book.ReservedFlags[0]);
    out.WriteByte(book.ReservedFlags[1]);
    if (version >= 5) {
        out.WriteByte(book.ReservedFlags[2]);
        out.WriteByte(book.HasAuthorsNotes);
        out.WriteByte(book.ReservedFlags[3]);
    }
    WriteList(out, book.Topics, [&](const TChapterTopic& t) { WriteTopicRecord(out, t); });
    WriteList(out, book.ChapterNames, [&](const std::string& n) { WriteShortString(out, n); });
    if (version >= 1)
        WriteList(out, book.Variables,
                  [&](const auto& v) { WriteVariableRecord(out, *v, regional); });
    if (version >= 2)
        WriteList(out, book.Expressions,
                  [&](const TExpression& e) { WriteExpressionRecord(out, e); });
    if (version >= 3)
        WriteList(out, book.Formulas, [&](const auto& f) { WriteFormulaRecord(out, *f); });
    return out.Take();
}

} // namespace quillara
