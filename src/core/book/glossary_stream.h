#pragma once

#include "core/book/glossary.h"
#include "core/book/record_stream.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace quillara {

// Reads GLOSSARY.DEF one entry at a time (TRecordStream), for a reader that looks at each entry
// once and needs no glossary: it costs the memory of the largest entry. The entries, and the
// failures, are those TGlossary::Read gives for the whole file.
class TGlossaryStream {
public:
    // Reads the entry count; TTruncatedFileError when the stream ends inside it.
    TGlossaryStream(std::istream& in, std::string fileName,
                    std::size_t pieceSize = TRecordStream::DefaultPieceSize);

    int Count() const { return Total; }
    // Where the next entry starts in the file.
    std::uint64_t Offset() const { return Records.Offset(); }
    // The next entry in file order, its texts valid until the next call; nothing after the last.
    std::optional<TDefinition> Next();

private:
    TRecordStream Records;
    int Total = 0;
    int Taken = 0;
};

} // namespace quillara
