#pragma once

#include "core/platform/regional_settings.h"

#include <QAbstractTableModel>
#include <array>

class QFontMetrics;

namespace quillara {
class TScore;
class TScoreHistory;
} // namespace quillara

namespace quillara::gui {

// The score history as a table, newest first: date, description and result. The texts are made
// when the view asks for them, so a history of 32,767 scores costs no copy of its rows.
class TScoreListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TScoreListModel(const TRegionalSettings& regional, QObject* parent = nullptr);

    // The history to show; none shows nothing. The model reads it again on Refresh.
    void SetHistory(const TScoreHistory* history);
    void Refresh();
    // The score shown in the row, none outside the table.
    const TScore* ScoreAt(int row) const;
    // The widest text of each column, header included, measured once per distinct text.
    std::array<int, 3> WidestTexts(const QFontMetrics& metrics) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const TScore& score, int column) const;

    const TRegionalSettings& Regional;
    const TScoreHistory* History = nullptr;
};

} // namespace quillara::gui
