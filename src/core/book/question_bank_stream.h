#pragma once

#include "core/book/question.h"
#include "core/book/record_stream.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace quillara {

// Reads a question bank one record at a time (TRecordStream), so that a bank of any size costs
// the memory of its largest record. The questions, and the failures, are those ReadQuestionBank
// gives for the whole file, with the same offsets.
class TQuestionBankStream {
public:
    static constexpr std::size_t DefaultPieceSize = TRecordStream::DefaultPieceSize;

    // Reads the question count; TTruncatedFileError when the stream ends inside it.
    TQuestionBankStream(std::istream& in, std::string fileName,
                        std::size_t pieceSize = DefaultPieceSize);

    // How many questions the bank says it holds; 0 for none.
    int Count() const { return Total; }
    // The next question in file order, or nothing after the last one the count gives. Raises as
    // ReadQuestion does, and TFileOpenError when the stream fails.
    std::optional<TQuestion> Next();
    // The next record as it lies in the bytes held (ReadQuestionFields), valid until the next
    // call; otherwise as Next.
    std::optional<TQuestionFields> NextFields();

private:
    TRecordStream Records;
    int Total = 0;
    int Taken = 0;
};

} // namespace quillara
