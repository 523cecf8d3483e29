#include "gui/glossary/glossary_box.h"

#include "gui/widgets/book_text.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quillara::gui {

int TGlossaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant TGlossaryModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= Count()) return {};
    return FromBook(Entries[static_cast<std::size_t>(index.row())]->Term);
}

const TDefinition* TGlossaryModel::Entry(int position) const {
    if (position < 0 || position >= Count()) return nullptr;
    return Entries[static_cast<std::size_t>(position)];
}

void TGlossaryModel::Insert(int position, const TDefinition* entry) {
    beginInsertRows({}, position, position);
    Entries.insert(Entries.begin() + position, entry);
    UpperTerms.insert(UpperTerms.begin() + position, UpperAscii(entry->Term));
    endInsertRows();
}

void TGlossaryModel::Append(const std::vector<const TDefinition*>& entries) {
    if (entries.empty()) return;
    beginInsertRows({}, Count(), Count() + static_cast<int>(entries.size()) - 1);
    Entries.reserve(Entries.size() + entries.size());
    UpperTerms.reserve(UpperTerms.size() + entries.size());
    for (const TDefinition* entry : entries) {
        Entries.push_back(entry);
        UpperTerms.push_back(UpperAscii(entry->Term));
    }
    endInsertRows();
}

void TGlossaryModel::Remove(int position) {
    beginRemoveRows({}, position, position);
    Entries.erase(Entries.begin() + position);
    UpperTerms.erase(UpperTerms.begin() + position);
    endRemoveRows();
}

void TGlossaryModel::Clear() {
    beginResetModel();
    Entries.clear();
    UpperTerms.clear();
    endResetModel();
}

int TGlossaryModel::FindPrefix(std::string_view upperPrefix) const {
    for (std::size_t i = 0; i < UpperTerms.size(); ++i)
        if (UpperTerms[i].starts_with(upperPrefix)) return static_cast<int>(i);
    return -1;
}

TGlossaryBox::TGlossaryBox(QWidget* parent) : QListView(parent), Lines(new TGlossaryModel(this)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(Lines);
}

void TGlossaryBox::Add(const TDefinition* entry) {
    if (entry) Lines->Insert(Count(), entry);
}

void TGlossaryBox::Insert(int position, const TDefinition* entry) {
    if (entry && position >= 0 && position <= Count()) Lines->Insert(position, entry);
}

void TGlossaryBox::AddList(const TGlossary* glossary) {
    if (!glossary) return;
    std::vector<const TDefinition*> entries;
    entries.reserve(glossary->Entries().size());
    for (const TDefinition& entry : glossary->Entries())
        entries.push_back(&entry);
    Lines->Append(entries);
}

void TGlossaryBox::Delete(int position) {
    if (position < 0 || position >= Count()) return;
    const int selected = SelectedIndex();
    Lines->Remove(position);
    // The view would hand the selection on to a neighbour; the entry shown is gone, so nothing
    // is selected any more.
    if (selected == position || selected == -1) selectionModel()->clear();
}

void TGlossaryBox::DeleteSelected() {
    Delete(SelectedIndex());
}

void TGlossaryBox::Clear() {
    Lines->Clear();
}

const TDefinition* TGlossaryBox::getTerm(int position) const {
    return Lines->Entry(position);
}

const TDefinition* TGlossaryBox::SelectedTerm() const {
    return getTerm(SelectedIndex());
}

int TGlossaryBox::Count() const {
    return Lines->Count();
}

int TGlossaryBox::SelectedIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TGlossaryBox::SelectIndex(int position) {
    if (position < 0 || position >= Count()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = Lines->index(position);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

int TGlossaryBox::FindPrefix(const QString& text) const {
    const std::string bytes = ToBook(text);
    // A character that Windows-1252 cannot hold became '?', and no term can begin with it.
    if (FromBook(bytes) != text) return -1;
    return Lines->FindPrefix(UpperAscii(bytes));
}

void TGlossaryBox::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit TermClicked();
}

void TGlossaryBox::keyPressEvent(QKeyEvent* event) {
    const int before = SelectedIndex();
    QListView::keyPressEvent(event);
    if (SelectedIndex() != before) emit TermClicked();
}

} // namespace quillara::gui
