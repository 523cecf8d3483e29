#pragma once

#include "gui/shell/program.h"

#include <string_view>

namespace quillara::gui {

constexpr const char* SettingsFileName = "WQUILLARA.INI";

// Reads "Program Directory", "Save Directory" and "Currency" (the locale whose money the book's
// amounts are written in) from the settings section of the book directory's settings file.
// Section and key names are compared without regard to case; a missing file, section or key
// leaves the program's values as they are.
void ReadSettings(TProgram& program);

// The same from the text of a settings file.
void ReadSettingsText(TProgram& program, std::string_view text);

} // namespace quillara::gui
