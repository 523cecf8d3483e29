#include "gui/widgets/document_matches.h"

#include "core/search/find_text.h"

#include <QTextDocument>

namespace quillara::gui {

std::vector<TDocumentMatch> FindInDocument(const QTextDocument& document, const QString& query) {
    // The plain text holds one character per cursor position, so its UTF-16 offsets are
    // positions; FindText answers in UTF-8 bytes.
    const std::string text = document.toPlainText().toStdString();
    std::vector<int> position(text.size() + 1);
    int units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        position[i] = units;
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
    }
    position[text.size()] = units;

    std::vector<TDocumentMatch> matches;
    for (const TTextRange& range : FindText(text, query.toStdString()))
        matches.push_back({position[range.Begin], position[range.End]});
    return matches;
}

} // namespace quillara::gui
