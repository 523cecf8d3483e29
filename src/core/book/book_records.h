#pragma once

#include "book/book_properties.h"
#include "book/byte_reader.h"
#include "book/byte_writer.h"

#include <memory>

namespace quillara {

// The four kinds of record inside BOOK.DEF, read and written one at a time.

TChapterTopic ReadTopicRecord(TByteReader& in);
void WriteTopicRecord(TByteWriter& out, const TChapterTopic& topic);

std::unique_ptr<TVarible> ReadVariableRecord(TByteReader& in, const TRegionalSettings& regional);
// Version 1 records store the bounds as text written with the regional decimal separator.
void WriteVariableRecord(TByteWriter& out, const TVarible& variable,
                         const TRegionalSettings& regional);

TExpression ReadExpressionRecord(TByteReader& in);
void WriteExpressionRecord(TByteWriter& out, const TExpression& expression);

std::unique_ptr<TFormula> ReadFormulaRecord(TByteReader& in);
void WriteFormulaRecord(TByteWriter& out, const TFormula& formula);

} // namespace quillara
