#pragma once

#include <QString>

namespace quillara::gui {

// What the program could not tell the student while it was being ended from outside (a signal,
// the desktop session ending), kept beside what is remembered for the next start to tell.

// Adds a note for the next start; nothing is added when something other than a file of ours
// bears the notes' name.
void LeaveNote(const QString& text);
// The notes left since the last start, oldest first, with a blank line between two, taken away
// so that each is told once; empty when there are none.
QString TakeLeftNotes();

} // namespace quillara::gui
