#include "core/book/record_stream.h"

#include <algorithm>

namespace quillara {

TRecordStream::TRecordStream(std::istream& in, std::string fileName, std::size_t pieceSize)
    : In(in), Name(std::move(fileName)), PieceSize(std::max<std::size_t>(pieceSize, 1)) {}

bool TRecordStream::ReadMore() {
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
