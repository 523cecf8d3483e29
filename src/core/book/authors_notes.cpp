#include "core/book/authors_notes.h"

#include "core/book/book_files.h"
#include "core/book/book_strings.h"

namespace quillara {

std::string ReadAuthorsNotes(TByteReader& in) {
    return ReadLongString(in, "notes text");
}

std::string LoadAuthorsNotes(const std::filesystem::path& directory) {
    const std::string bytes = ReadBookFile(directory, "AUTHORS.", MaxAuthorsNotesSize);
    TByteReader in(bytes, "AUTHORS");
    return ReadAuthorsNotes(in);
}

std::string WriteAuthorsNotes(const std::string& text) {
    TByteWriter out;
    WriteLongString(out, text);
    return out.Take();
}

} // namespace quillara
