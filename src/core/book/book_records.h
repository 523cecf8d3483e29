#pragma once

#include "book/book_properties.h"
#include "book/book_strings.h"
#include "io/byte_reader.h"
#include "io/byte_writer.h"

#include <cstdint>
#include <memory>

namespace quillara {

// The four kinds of record inside BOOK.DEF, read and written one at a time.

// The most bytes each record can take. A marker is a short string that reads as the marker once
// its trailing blanks are dropped, so it may take a whole short string.
constexpr std::uint64_t MaxTopicRecordSize = ShortStringSize + 1 + ShortStringSize + 2;
constexpr std::uint64_t MaxVariableRecordSize =
    ShortStringSize + 1 + ShortStringSize + 2 + 2 * LongStringSize + 2; // bounds outgrow choices
constexpr std::uint64_t MaxExpressionRecordSize = 1 + 2 * LongStringSize;
constexpr std::uint64_t MaxFormulaRecordSize = 2 + 2 * LongStringSize;

// The largest BOOK.DEF its layout allows: head, seven texts, seven flags, then the topics,
// chapter names, variables, expressions and formulas, each list after its count. Nothing after
// the formulas is read.
constexpr std::uint64_t MaxBookDefinitionSize =
    ShortStringSize + 1 + 7 * LongStringSize + 7 + 5 * 2 +
    MaxRecordCount * (MaxTopicRecordSize + ShortStringSize + MaxVariableRecordSize +
                      MaxExpressionRecordSize + MaxFormulaRecordSize);

TChapterTopic ReadTopicRecord(TByteReader& in);
void WriteTopicRecord(TByteWriter& out, const TChapterTopic& topic);

// Version 1 records store the bounds as text. They are read with a point in every locale; a book
// written where the separator is another still reads (BoundsWithoutPoint tells).
std::unique_ptr<TVarible> ReadVariableRecord(TByteReader& in, const TRegionalSettings& regional);
// Writes the bounds with the given settings' decimal separator; a point reads everywhere.
void WriteVariableRecord(TByteWriter& out, const TVarible& variable,
                         const TRegionalSettings& regional);

TExpression ReadExpressionRecord(TByteReader& in);
void WriteExpressionRecord(TByteWriter& out, const TExpression& expression);

std::unique_ptr<TFormula> ReadFormulaRecord(TByteReader& in);
void WriteFormulaRecord(TByteWriter& out, const TFormula& formula);

} // namespace quillara
