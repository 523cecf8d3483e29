#pragma once

#include <QString>
#include <vector>

class QTextDocument;

namespace quillara::gui {

// A match in a document, as positions of the document's cursor.
struct TDocumentMatch {
    int Begin = 0;
    int End = 0;
};

// Where the core's FindText finds the query in the document's text: the same comparison the
// book search makes, so that the n-th match here is the n-th the search counted.
std::vector<TDocumentMatch> FindInDocument(const QTextDocument& document, const QString& query);

} // namespace quillara::gui
