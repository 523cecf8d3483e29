#pragma once

#include "core/book/glossary.h"

#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <string_view>
#include <vector>

namespace quillara::gui {

// The lines of a TGlossaryBox: one glossary entry per line, referred to and never owned. Each
// entry's upper-cased term is kept beside it so that a search is a plain byte scan.
class TGlossaryModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int Count() const { return static_cast<int>(Entries.size()); }
    const TDefinition* Entry(int position) const;
    void Insert(int position, const TDefinition* entry);
    // Appends all the entries at once, so that the view lays out once for a whole glossary.
    void Append(const std::vector<const TDefinition*>& entries);
    void Remove(int position);
    void Clear();
    // The first line whose upper-cased term begins with the prefix, or -1.
    int FindPrefix(std::string_view upperPrefix) const;

private:
    std::vector<const TDefinition*> Entries;
    std::vector<std::string> UpperTerms;
};

// A single-selection list of glossary terms; line i shows entry i's Term exactly as stored.
// Lines change only through these methods.
class TGlossaryBox : public QListView {
    Q_OBJECT

public:
    explicit TGlossaryBox(QWidget* parent = nullptr);

    static constexpr int HelpContext = 10001;

    // Add, Insert and AddList ignore a null entry or glossary. Insert and Delete ignore a
    // position outside the list.
    void Add(const TDefinition* entry);
    void Insert(int position, const TDefinition* entry);
    void AddList(const TGlossary* glossary);
    void Delete(int position);
    void DeleteSelected();
    void Clear();
    // nullptr outside the list.
    const TDefinition* getTerm(int position) const;
    // nullptr when no line is selected.
    const TDefinition* SelectedTerm() const;

    int Count() const;
    // -1 when no line is selected.
    int SelectedIndex() const;
    // Selects the line and scrolls it into view; a position outside the list selects no line.
    void SelectIndex(int position);
    // The first line whose term begins with the search text, letters a to z compared without
    // case; -1 when none does.
    int FindPrefix(const QString& text) const;

signals:
    // The student picked a line: clicked it, or moved to it with the keyboard.
    void TermClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TGlossaryModel* Lines;
};

} // namespace quillara::gui
