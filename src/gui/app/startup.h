#pragma once

namespace quillara::gui {

// The whole life of the program: finds and loads the book, shows the main window, runs the event
// loop and saves the scores. Returns the process's exit status.
int RunQuillara(int argc, char** argv);

} // namespace quillara::gui
