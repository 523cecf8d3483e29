#pragma once

#include "core/book/book_properties.h"
#include "core/book/book_strings.h"
#include "core/io/byte_reader.h"
#include "core/io/byte_writer.h"

#include <cstdint>
#include <memory>

namespace quillara {

// The four kinds of record inside BOOK.DEF, read and written one at a time.

// The most a BOOK.DEF may be. Its layout would allow 13 GB; the largest real book's, with 255
// chapter names and a few thousand topics, variables and formulas, is well under a megabyte.
constexpr std::uint64_t MaxBookDefinitionSize = 16ull << 20;

// The record of the book's topicId-th topic.
TChapterTopic ReadTopicRecord(TByteReader& in, std::int32_t topicId);
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
