#pragma once

#include "book/question.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>

namespace quillara {

// Reads a question bank one record at a time, holding no more of the file than the record being
// read and one piece of `pieceSize` bytes, so that a bank of any size costs the memory of its
// largest record. The questions, and the failures, are those ReadQuestionBank gives for the
// whole file, with the same offsets.
class TQuestionBankStream {
public:
    static constexpr std::size_t DefaultPieceSize = 64 * 1024;

    // Reads the question count; TTruncatedFileError when the stream ends inside it.
    TQuestionBankStream(std::istream& in, std::string fileName,
                        std::size_t pieceSize = DefaultPieceSize);

    // How many questions the bank says it holds; 0 for none.
    int Count() const { return Total; }
    // The next question in file order, or nothing after the last one the count gives. Raises as
    // ReadQuestion does, and TFileOpenError when the stream fails.
    std::optional<TQuestion> Next();

private:
    template <typename Read> auto Take(Read read);
    // Drops what has been read and appends a piece of the stream; false at its end.
    bool ReadMore();

    std::istream& In;
    std::string Name;
    std::size_t PieceSize;
    std::string Buffer;
    // Where Buffer begins in the file, and how much of it has been read.
    std::uint64_t BufferOffset = 0;
    std::size_t At = 0;
    int Total = 0;
    int Taken = 0;
};

} // namespace quillara
