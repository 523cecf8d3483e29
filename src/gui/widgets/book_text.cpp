#include "gui/widgets/book_text.h"

#include "core/text/layout_bounds.h"
#include "core/text/windows1252.h"

namespace quillara::gui {

QString FromBook(std::string_view bytes) {
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}

QString FromBookBreakable(std::string_view bytes) {
    const QString text = FromBook(bytes);
    QString broken;
    broken.reserve(text.size());
    int unbroken = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            unbroken = 0;
        } else if (++unbroken > MaxUnbrokenCharacters) {
            broken += QChar(ZeroWidthSpace);
            unbroken = 1;
        }
        broken += c;
    }
    return broken;
}

std::string ToBook(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

} // namespace quillara::gui
