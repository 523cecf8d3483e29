#pragma once

#include <filesystem>

class QWidget;

namespace quillara::gui {

// What Quillara remembers from one run to the next, in the student's config folder
// ($XDG_CONFIG_HOME/quillara/quillara.conf): the book used last and the main window's place.

// The folder of the book opened last; empty when none was.
std::filesystem::path RememberedBook();
void RememberBook(const std::filesystem::path& bookDirectory);

// Gives the main window, before it is first shown, the size, position and maximized state it
// had when it was last closed, kept inside the screen it is on now; at a first start, two thirds
// of the screen's free area, centred, never below the window's minimum size.
void PlaceMainWindow(QWidget& window);
void RememberMainWindowPlace(const QWidget& window);

} // namespace quillara::gui
