#pragma once

#include "core/book/book_properties.h"
#include "core/search/book_search_index.h"

#include <QAbstractTableModel>
#include <memory>

namespace quillara::gui {

// The lines of the book search's list: where each hit is (the chapter, or the glossary), its
// topic or term, and the text around it. The texts are made when the list asks for a line.
class TSearchHitModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The text around a hit as three strings: before it, the hit, after it.
    static constexpr int SnippetRole = Qt::UserRole + 1;
    // Characters of the page shown on each side of a hit.
    static constexpr std::size_t SnippetContext = 60;

    TSearchHitModel(const TBookProperties& book, QObject* parent = nullptr);

    void SetResult(std::shared_ptr<const TBookSearchIndex> index, TSearchResult result);
    void Clear();
    // nullptr outside the list.
    const TSearchHit* Hit(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TBookProperties& Book;
    std::shared_ptr<const TBookSearchIndex> Index;
    TSearchResult Result;
};

} // namespace quillara::gui
