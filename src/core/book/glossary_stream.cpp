#include "core/book/glossary_stream.h"

namespace quillara {

TGlossaryStream::TGlossaryStream(std::istream& in, std::string fileName, std::size_t pieceSize)
    : Records(in, std::move(fileName), pieceSize) {
    Total = Records.Take([](TByteReader& bytes) { return bytes.ReadUInt16("entry count"); });
}

std::optional<TDefinition> TGlossaryStream::Next() {
    if (Taken == Total) return std::nullopt;
    const TDefinition entry = Records.Take(ReadGlossaryEntry);
    ++Taken;
    return entry;
}

} // namespace quillara
