#include "gui/search/snippet_delegate.h"

#include "gui/search/search_hit_model.h"

#include <QApplication>
#include <QPainter>

namespace quillara::gui {

void TSnippetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QStringList parts = index.data(TSearchHitModel::SnippetRole).toStringList();
    if (parts.size() != 3) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The cell's background and focus as any other cell's, without its text.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    const QRect area =
        style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget).adjusted(2, 0, -2, 0);
    QFont bold = option.font;
    bold.setBold(true);
    const QFontMetrics plainMetrics(option.font);
    const QFontMetrics boldMetrics(bold);

    const QString match = boldMetrics.elidedText(parts[1], Qt::ElideRight, area.width());
    const int matchWidth = boldMetrics.horizontalAdvance(match);
    const int room = std::max(0, area.width() - matchWidth);
    // The text before the hit gets at least a third of the room left, more if the text after
    // needs less.
    const int afterWanted = plainMetrics.horizontalAdvance(parts[2]);
    const int beforeRoom = std::max(room / 3, room - afterWanted);
    const QString before = plainMetrics.elidedText(parts[0], Qt::ElideLeft, beforeRoom);
    const int beforeWidth = plainMetrics.horizontalAdvance(before);
    const QString after = plainMetrics.elidedText(parts[2], Qt::ElideRight, room - beforeWidth);

    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->setClipRect(area);
    int x = area.left();
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(QRect(x, area.top(), beforeWidth, area.height()), Qt::AlignVCenter, before);
    x += beforeWidth;
    const QRect marked(x, area.top() + 1, matchWidth, area.height() - 2);
    painter->fillRect(marked, QColor(255, 220, 90));
    painter->setPen(Qt::black);
    painter->setFont(bold);
    painter->drawText(marked, Qt::AlignVCenter, match);
    x += matchWidth;
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(QRect(x, area.top(), area.right() - x + 1, area.height()), Qt::AlignVCenter,
                      after);
    painter->restore();
}

} // namespace quillara::gui
