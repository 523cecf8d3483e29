#include "book/question_bank_stream.h"

#include "io/book_errors.h"

#include <algorithm>

namespace quillara {

// A record that runs past the bytes held is read again from its start once more of the file is
// there: only the end of the file makes it truncated. Read from too few bytes, a record either
// fails or reads as it would from the whole file (a "QT!" marker cut short is taken for the
// unmarked layout, whose text length then runs past the bytes as well).
template <typename Read> auto TQuestionBankStream::Take(Read read) {
    for (;;) {
        TByteReader bytes(std::string_view(Buffer).substr(At), Name,
                          static_cast<std::size_t>(BufferOffset + At));
        try {
            auto value = read(bytes);
            At += bytes.Position();
            return value;
        } catch (const TTruncatedFileError&) {
            if (!ReadMore()) throw;
        }
    }
}

TQuestionBankStream::TQuestionBankStream(std::istream& in, std::string fileName,
                                         std::size_t pieceSize)
    : In(in), Name(std::move(fileName)), PieceSize(std::max<std::size_t>(pieceSize, 1)) {
    Total = std::max<int>(
        Take([](TByteReader& bytes) { return bytes.ReadInt16("question count"); }), 0);
}

std::optional<TQuestion> TQuestionBankStream::Next() {
    if (Taken == Total) return std::nullopt;
    TQuestion question = Take(ReadQuestion);
    ++Taken;
    return question;
}

bool TQuestionBankStream::ReadMore() {
    Buffer.erase(0, At);
    BufferOffset += At;
    At = 0;
    const std::size_t held = Buffer.size();
    Buffer.resize(held + PieceSize);
    In.read(Buffer.data() + held, static_cast<std::streamsize>(PieceSize));
    Buffer.resize(held + static_cast<std::size_t>(In.gcount()));
    if (In.bad()) throw TFileOpenError("Cannot read file \"" + Name + "\"");
    return Buffer.size() > held;
}

} // namespace quillara
