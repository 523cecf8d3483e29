#include "gui/widgets/book_text.h"

#include "core/text/windows1252.h"

namespace quillara::gui {

QString FromBook(std::string_view bytes) {
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}

std::string ToBook(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

} // namespace quillara::gui
