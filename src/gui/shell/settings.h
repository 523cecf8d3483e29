#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillara::gui {

constexpr const char* SettingsFileName = "WQUILLARA.INI";

// Where a book lives and what its settings say of it.
struct TBookSettings {
    // Every book file is looked up here (case-insensitively); empty is the current directory.
    std::filesystem::path ProgramDirectory;
    // Prefix of the score file, joined as text; empty is the current directory.
    std::string SaveDirectory;
    // Whether the book's settings named the save directory. Without one, a book keeps its scores
    // in the student's own folder for it, unless the current folder already holds a score file.
    bool SaveDirectoryNamed = false;
    // The locale whose currency the book's amounts are written in ("en_US"); empty is the user's.
    std::string BookCurrency;
    // The book title, naming the settings section and the main window's caption.
    std::string SettingsSection;

    // The directory to look book files up in: "." when the program directory is empty.
    std::filesystem::path BookDir() const {
        return ProgramDirectory.empty() ? std::filesystem::path(".") : ProgramDirectory;
    }
};

// Reads "Program Directory", "Save Directory" and "Currency" (the locale whose money the book's
// amounts are written in) from the settings section of the book directory's settings file.
// Section and key names are compared without regard to case; a missing file, section or key
// leaves the program's values as they are.
void ReadSettings(TBookSettings& settings);

// The same from the text of a settings file.
void ReadSettingsText(TBookSettings& settings, std::string_view text);

} // namespace quillara::gui
