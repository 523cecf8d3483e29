#include "gui/scores/score_list_model.h"

#include "core/scores/score_file.h"
#include "core/scores/score_summary.h"
#include "gui/widgets/book_text.h"

#include <QFontMetrics>
#include <QHash>

namespace quillara::gui {

namespace {
const char* const Headers[] = {
    QT_TRANSLATE_NOOP("quillara::gui::TScoreListModel", "Date"),
    QT_TRANSLATE_NOOP("quillara::gui::TScoreListModel", "Test Description"),
    QT_TRANSLATE_NOOP("quillara::gui::TScoreListModel", "Score")};
}

TScoreListModel::TScoreListModel(const TRegionalSettings& regional, QObject* parent)
    : QAbstractTableModel(parent), Regional(regional) {}

void TScoreListModel::SetHistory(const TScoreHistory* history) {
    beginResetModel();
    History = history;
    endResetModel();
}

void TScoreListModel::Refresh() {
    beginResetModel();
    endResetModel();
}

const TScore* TScoreListModel::ScoreAt(int row) const {
    if (!History || row < 0 || row >= rowCount()) return nullptr;
    return &History->at(History->size() - 1 - static_cast<std::size_t>(row));
}

int TScoreListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !History ? 0 : static_cast<int>(History->size());
}

int TScoreListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QString TScoreListModel::Text(const TScore& score, int column) const {
    switch (column) {
    case 0:
        return FromBook(ShortDateText(score.date, Regional));
    case 1:
        return FromBook(score.description());
    default: {
        // "6 of 12 for 50%", the percent left out where nothing was answered.
        const int answered = score.totalAnswered();
        return tr("%1 of %2 for %3")
            .arg(score.totalCorrect())
            .arg(answered)
            .arg(answered != 0 ? tr("%1%").arg(wholePercent(score.totalCorrect(), answered))
                               : QString());
    }
    }
}

QVariant TScoreListModel::data(const QModelIndex& index, int role) const {
    const TScore* score = ScoreAt(index.row());
    if (!score) return {};
    // A description elided to fit its column is shown whole where the pointer rests.
    if (role == Qt::ToolTipRole && index.column() == 1) return Text(*score, 1);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    return Text(*score, index.column());
}

QVariant TScoreListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 2)
        return {};
    return tr(Headers[section]);
}

std::array<int, 3> TScoreListModel::WidestTexts(const QFontMetrics& metrics) const {
    std::array<int, 3> widest{};
    // Texts of one shape (the same but for their digits, which the grid's fonts draw equally
    // wide) are measured once: dates, descriptions and results repeat their shapes.
    QHash<QString, int> measured;
    auto width = [&](const QString& text) {
        QString shape = text;
        for (QChar& c : shape)
            if (c.isDigit()) c = u'0';
        auto known = measured.constFind(shape);
        if (known == measured.constEnd())
            known = measured.insert(shape, metrics.horizontalAdvance(text));
        return *known;
    };
    for (int column = 0; column < 3; ++column)
        widest[static_cast<std::size_t>(column)] = width(tr(Headers[column]));
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < 3; ++column) {
            int& w = widest[static_cast<std::size_t>(column)];
            w = std::max(w, width(Text(*ScoreAt(row), column)));
        }
    return widest;
}

} // namespace quillara::gui
