#pragma once

#include "core/io/book_errors.h"
#include "core/io/byte_reader.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

namespace quillara {

// Reads a file's records one at a time from a stream, holding no more of it than the record being
// read and one piece of `pieceSize` bytes, so that a file of any size costs the memory of its
// largest record. Records, and failures with their offsets, are those a reading of the whole file
// gives.
class TRecordStream {
public:
    static constexpr std::size_t DefaultPieceSize = 64 * 1024;

    TRecordStream(std::istream& in, std::string fileName, std::size_t pieceSize = DefaultPieceSize);

    // What read(TByteReader&) makes of the next record. Views it keeps of the reader's bytes stay
    // valid until the next Take. Raises what read raises, and TFileOpenError when the stream fails.
    template <typename Read> auto Take(Read read);

    const std::string& FileName() const { return Name; }
    // Where the next record starts, counted from where the stream stood when it was given.
    std::uint64_t Offset() const { return BufferOffset + At; }

private:
    // Drops what has been read and appends a piece of the stream; false at its end.
    bool ReadMore();

    std::istream& In;
    std::string Name;
    std::size_t PieceSize;
    std::string Buffer;
    // Where Buffer begins in the file, and how much of it has been read.
    std::uint64_t BufferOffset = 0;
    std::size_t At = 0;
};

// A record that runs past the bytes held is read again from its start once more of the file is
// there: only the end of the file makes it truncated. Read from too few bytes, a record either
// fails or reads as it would from the whole file.
template <typename Read> auto TRecordStream::Take(Read read) {
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

} // namespace quillara
