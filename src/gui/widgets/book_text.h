#pragma once

#include <QString>
#include <string>

namespace quillara::gui {

// Book texts are Windows-1252 bytes; the windows show them as Unicode.
QString FromBook(const std::string& bytes);
std::string ToBook(const QString& text);

} // namespace quillara::gui
