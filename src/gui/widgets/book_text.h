#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quillara::gui {

// Book texts are Windows-1252 bytes; the windows show them as Unicode.
QString FromBook(std::string_view bytes);
std::string ToBook(const QString& text);

} // namespace quillara::gui
