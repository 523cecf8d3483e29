#pragma once

#include "gui/shell/study_session.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillara::gui {

// The book directory the command line names: that of the first argument (the argument itself
// when it is a directory), or that of the program's own file when there is none.
std::filesystem::path BookDirectoryFromCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& programPath);

// Where the demo book is: installed beside the installed program, or else built beside the
// program in its build tree; the installed place when neither holds it.
std::filesystem::path DemoBook(const std::string& programPath);

// Messages of start-up.
extern const char* const MissingBookMessage;
// Heads the notes that a run ended from outside left for the next start.
extern const char* const LeftNotesMessage;

// Start-up from the book directory to the end of the event loop, inside a running QApplication:
// loads the book (asking for another directory when there is none), reads the settings, shows the
// main window, reads the glossary and the scores once it is drawn (unless something asked for
// them sooner), and saves the scores at the end. Returns the exit status: 0 also when the student
// cancels the choice of a book.
int RunStartup(TStudySession& session, const std::vector<std::string>& arguments,
               const std::string& programPath);

} // namespace quillara::gui
