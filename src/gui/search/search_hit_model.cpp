#include "gui/search/search_hit_model.h"

#include "gui/widgets/book_text.h"

namespace quillara::gui {

namespace {

enum Column { PlaceColumn, TitleColumn, TextColumn, ColumnCount };

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TSearchHitModel::TSearchHitModel(const TBookProperties& book, QObject* parent)
    : QAbstractTableModel(parent), Book(book) {}

void TSearchHitModel::SetResult(std::shared_ptr<const TBookSearchIndex> index,
                                TSearchResult result) {
    beginResetModel();
    Index = std::move(index);
    Result = std::move(result);
    endResetModel();
}

void TSearchHitModel::Clear() {
    SetResult(Index, {});
}

const TSearchHit* TSearchHitModel::Hit(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    return &Result.Hits[static_cast<std::size_t>(row)];
}

int TSearchHitModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Result.Hits.size());
}

int TSearchHitModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TSearchHitModel::data(const QModelIndex& index, int role) const {
    const TSearchHit* hit = Hit(index.row());
    if (!hit || !Index) return {};
    const TSearchDocument& document = Index->Document(hit->Document);
    const bool page = document.Place == TSearchPlace::TopicPage;
    switch (index.column()) {
    case PlaceColumn:
        if (role == Qt::DisplayRole)
            return page ? tr("Chapter %1").arg(document.Chapter) : tr("Glossary");
        if (role == Qt::ToolTipRole && page)
            return tr("Chapter %1 - %2")
                .arg(document.Chapter)
                .arg(FromBook(Book.ChapterName(document.Chapter)));
        return {};
    case TitleColumn:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return FromBook(document.Title);
        return {};
    case TextColumn: {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != SnippetRole) return {};
        const TSearchSnippet snippet = Index->Snippet(*hit, SnippetContext);
        const QStringList parts = {FromUtf8(snippet.Before), FromUtf8(snippet.Match),
                                   FromUtf8(snippet.After)};
        if (role == SnippetRole) return parts;
        return parts.join(QString());
    }
    default:
        return {};
    }
}

QVariant TSearchHitModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case PlaceColumn:
        return tr("Chapter");
    case TitleColumn:
        return tr("Topic or term");
    case TextColumn:
        return tr("Text");
    default:
        return {};
    }
}

} // namespace quillara::gui
