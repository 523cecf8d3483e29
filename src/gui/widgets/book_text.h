#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quillara::gui {

// Book texts are Windows-1252 bytes; the windows show them as Unicode.
QString FromBook(std::string_view bytes);
// The same for a box of plain text: a word longer than MaxUnbrokenCharacters gets a place to break
// every so many characters, as pages and questions do, since the layout slows down with the
// square of a word's length.
QString FromBookBreakable(std::string_view bytes);
std::string ToBook(const QString& text);

} // namespace quillara::gui
