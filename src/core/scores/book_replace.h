#pragma once

#include "core/scores/save_file_ops.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillara {

// One file of a book folder to write (its bytes) or to remove (none).
struct TBookFileChange {
    std::string Name;
    std::optional<std::string> Bytes;
};

// A replacement that could not be made; the message says what failed and where the book stands.
class TBookReplaceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The journal a replacement keeps in the book's folder while it switches the files.
inline constexpr const char* BookJournalName = "BOOK.JOURNAL";

// Changes files of a book's folder all together or not at all. Each new file is written
// beside its place, exclusively and whole, the file it replaces kept under a second name; then a
// journal naming every step is put in the folder, the files are switched, and the journal and
// the second names are removed. A replacement that fails before the journal is in place leaves
// the folder as it was; one that fails after it is undone, and one killed at any instant is
// finished by FinishBookReplacement. A file marked read-only, or anything but a file (a folder,
// a device), is not replaced; a file replaced keeps its permissions. Names are plain names in
// the folder. Raises TBookReplaceError.
void ReplaceBookFiles(const std::string& folder, const std::vector<TBookFileChange>& changes,
                      TSaveFileOps& files);

// Completes (or, when it was being undone, undoes) a replacement a killed run left in the
// folder, and removes the files runs no longer running left beside the book's. Nothing to do is
// no failure; raises TBookReplaceError when the folder cannot be brought to either book whole,
// or when a run still running is changing it. Call when no replacement of this process is
// under way in the folder.
void FinishBookReplacement(const std::string& folder, TSaveFileOps& files);

} // namespace quillara
