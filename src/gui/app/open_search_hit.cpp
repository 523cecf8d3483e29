#include "gui/app/open_search_hit.h"

#include "gui/app/main_form.h"
#include "gui/reading/view_topic_frame.h"
#include "gui/glossary/view_glossary_frame.h"
#include "gui/widgets/document_matches.h"
#include "gui/widgets/find_bar.h"

#include <QTextEdit>

namespace quillara::gui {

namespace {

void OpenPage(TMainForm& form, const TSearchDocument& page, std::size_t ordinal,
              const QString& query) {
    // The chapter changes as the chapter chooser changes it.
    if (form.CurrentChapter() != page.Chapter) {
        if (!form.CanLeaveViews()) return;
        form.HideViews();
        form.SelectChapter(page.Chapter);
    }
    TViewTopicFrame1* view = form.TopicView();
    view->ShowTopic(page.Chapter, page.Title);
    form.SwitchToView(view);
    if (!view->isHidden()) view->PageFindBar()->ShowMatch(query, ordinal);
}

void OpenGlossary(TMainForm& form, const TSearchDocument& entry, std::size_t ordinal,
                  const QString& query) {
    TViewGlossaryFrame1* view = form.GlossaryView();
    form.SwitchToView(view);
    if (view->isHidden()) return;
    view->ShowEntry(static_cast<int>(entry.Entry));
    if (entry.Place != TSearchPlace::GlossaryDefinition) return;
    QTextEdit* definition = view->DefinitionBox();
    const auto matches = FindInDocument(*definition->document(), query);
    if (ordinal >= matches.size()) return;
    QTextCursor cursor(definition->document());
    cursor.setPosition(matches[ordinal].Begin);
    cursor.setPosition(matches[ordinal].End, QTextCursor::KeepAnchor);
    definition->setTextCursor(cursor);
    definition->ensureCursorVisible();
}

} // namespace

void OpenSearchHit(TMainForm& form, const TBookSearchIndex& index, const TSearchHit& hit,
                   const QString& query) {
    const TSearchDocument& document = index.Document(hit.Document);
    const std::size_t ordinal = index.OrdinalInDocument(hit);
    if (document.Place == TSearchPlace::TopicPage)
        OpenPage(form, document, ordinal, query);
    else
        OpenGlossary(form, document, ordinal, query);
}

} // namespace quillara::gui
