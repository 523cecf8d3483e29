#pragma once

#include "core/search/book_search_index.h"

#include <QString>

class QWidget;

namespace quillara::gui {

// What the book search asks of the window it serves: to show a hit where the student reads it.
class TSearchNavigator {
public:
    virtual ~TSearchNavigator() = default;
    // Shows the hit, with the words searched for marked; a view that may not be left keeps
    // everything as it was.
    virtual void OpenSearchHit(const TBookSearchIndex& index, const TSearchHit& hit,
                               const QString& query) = 0;
    // The window the search stands beside.
    virtual QWidget* SearchOwner() = 0;
};

} // namespace quillara::gui
