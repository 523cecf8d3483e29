#include "gui/app/left_notes.h"

#include "core/scores/file_lock.h"
#include "gui/app/own_file.h"
#include "gui/app/remembered.h"

#include <chrono>
#include <filesystem>
#include <unistd.h>

namespace quillara::gui {

namespace {

// Far more than a few notes; the oldest are never cut, later ones are not added.
constexpr std::uintmax_t MaxNotesSize = 64 * 1024;
constexpr std::chrono::seconds LockPatience(1);

std::filesystem::path NotesFile() {
    return RememberedFile().parent_path() / "notes-for-next-start.txt";
}

} // namespace

void LeaveNote(const QString& text) {
    const std::filesystem::path file = NotesFile();
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    TFileLock lock;
    if (!lock.Take(file.string(), LockPatience)) return;
    auto notes = ReadOwnFile(file, MaxNotesSize);
    if (!notes) return;
    if (!notes->empty()) *notes += "\n";
    *notes += text.toStdString() + "\n";
    if (notes->size() <= MaxNotesSize) ReplaceOwnFile(file, *notes);
}

QString TakeLeftNotes() {
    const std::filesystem::path file = NotesFile();
    TFileLock lock;
    if (!lock.Take(file.string(), LockPatience)) return {};
    const auto notes = ReadOwnFile(file, MaxNotesSize);
    if (!notes || notes->empty()) return {};
    if (::unlink(file.c_str()) != 0) return {};
    return QString::fromStdString(*notes).trimmed();
}

} // namespace quillara::gui
