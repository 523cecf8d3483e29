#pragma once

#include <QStyledItemDelegate>

namespace quillara::gui {

// Draws the text around a search hit on one line with the hit marked, bold on a bright ground,
// and keeps the hit in sight when the line is too narrow by shortening both sides.
class TSnippetDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace quillara::gui
