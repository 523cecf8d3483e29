#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillara {

// A book's settings file holds a section for each book, named by its title in brackets, with
// "Key=Value" lines under it. A title may hold any character but a line break, brackets, ";"
// and "=" among them, and up to 255 of them, so a section is found by its whole name: what lies
// between a line's first "[" and its last "]".

// The values of the section named `section` (letter case aside), keyed by their names in
// capitals; each value is the whole rest of its line after the first "=", blanks around it
// dropped. A key given twice keeps its last value.
std::map<std::string, std::string> ReadSettingsSection(std::string_view text,
                                                       std::string_view section);

// Whether a title can name a section: one line, so that its header reads back as written.
bool CanNameSettingsSection(std::string_view title);

// The text of one section, lines ending in CR LF as the settings files of books have them.
std::string WriteSettingsSection(std::string_view section,
                                 const std::vector<std::pair<std::string, std::string>>& values);

} // namespace quillara
