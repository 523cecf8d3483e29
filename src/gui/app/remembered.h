#pragma once

#include <QString>
#include <filesystem>
#include <vector>

class QWidget;

namespace quillara::gui {

// What Quillara remembers from one run to the next, in the student's config folder
// ($XDG_CONFIG_HOME/quillara/quillara.conf): the book used last and the main window's place.

// The file of what is remembered. Only a regular file of ours is read there, and it is only ever
// replaced whole, under its lock; a link or anything else under its name is left alone, and then
// nothing is remembered.
std::filesystem::path RememberedFile();

// A book opened before: its folder, and its title as the student saw it then.
struct TRecentBook {
    std::filesystem::path Directory;
    QString Title;
};
// Books remembered at most; the File menu lists them all but the open one.
constexpr int RecentBookCount = 10;

// The folder of the book opened last; empty when none was.
std::filesystem::path RememberedBook();
// The books opened, newest first, each folder once.
std::vector<TRecentBook> RecentBooks();
// Puts the book first among those opened.
void RememberBook(const std::filesystem::path& bookDirectory, const QString& title);
// Forgets a book that can no longer be opened.
void ForgetBook(const std::filesystem::path& bookDirectory);

// Gives the main window, before it is first shown, the size, position and maximized state it
// had when it was last closed, kept inside the screen it is on now; at a first start, two thirds
// of the screen's free area, centred, never below the window's minimum size.
void PlaceMainWindow(QWidget& window);
void RememberMainWindowPlace(const QWidget& window);

// The text size of pages, questions, the glossary and help, in percent; 100 when none is
// remembered, and always within what the program offers.
int RememberedTextSize();
void RememberTextSize(int percent);

} // namespace quillara::gui
