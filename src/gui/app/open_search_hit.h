#pragma once

#include "core/search/book_search_index.h"

#include <QString>

namespace quillara::gui {

class TMainForm;

// Shows a hit of the book search in the main window, as its menus would: a topic page after
// switching to the page's chapter, with the hit current in the page's find bar; a glossary hit
// in the glossary view on its entry, a hit in a definition selected there. A view that may not
// be left keeps everything as it was.
void OpenSearchHit(TMainForm& form, const TBookSearchIndex& index, const TSearchHit& hit,
                   const QString& query);

} // namespace quillara::gui
