#include "core/book/question_bank_stream.h"

#include <algorithm>

namespace quillara {

TQuestionBankStream::TQuestionBankStream(std::istream& in, std::string fileName,
                                         std::size_t pieceSize)
    : Records(in, std::move(fileName), pieceSize) {
    Total = std::max<int>(
        Records.Take([](TByteReader& bytes) { return bytes.ReadInt16("question count"); }), 0);
}

// A "QT!" marker cut short by the end of the bytes held is taken for the unmarked layout, whose
// text length then runs past those bytes as well: the record is read again with more of them.
std::optional<TQuestion> TQuestionBankStream::Next() {
    if (Taken == Total) return std::nullopt;
    TQuestion question = Records.Take(ReadQuestion);
    ++Taken;
    return question;
}

std::optional<TQuestionFields> TQuestionBankStream::NextFields() {
    if (Taken == Total) return std::nullopt;
    const TQuestionFields fields = Records.Take(ReadQuestionFields);
    ++Taken;
    return fields;
}

} // namespace quillara
