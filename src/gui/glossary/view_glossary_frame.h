#pragma once

#include "gui/shell/frame_manager.h"
#include "core/book/glossary.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace quillara::gui {

class TGlossaryBox;

// The glossary view: every term of the book's glossary, the selected term's chapters, pages and
// definition, and a search by the beginning of a term.
class TViewGlossaryFrame1 : public QWidget {
    Q_OBJECT

public:
    explicit TViewGlossaryFrame1(QWidget* parent = nullptr);

    // Fills the list once; nullptr (a book without a glossary) leaves it empty.
    void SetGlossary(const TGlossary* glossary);
    // The same with the glossary the source gives when the view is first shown, so that it is
    // read only once the student asks for it.
    void SetGlossary(std::function<const TGlossary*()> source);
    // Shows the view afresh: empty search, first term selected.
    void ShowGlossaryView();
    TFrameManager Roles() {
        return {this, {}, {}, [this] { ShowGlossaryView(); }, {}, false};
    }

    void ShowSelectedEntry();
    // Selects the entry on that line and shows it, as a click on the line would.
    void ShowEntry(int line);
    QTextEdit* DefinitionBox() const { return Definition; }
    void searchTermChange();
    void TermsClick();
    void CloseClicked();

private:
    std::function<const TGlossary*()> Source;
    QLabel* Heading;
    TGlossaryBox* Terms;
    QLabel* PagesLabel;
    QTextEdit* Definition;
    QPushButton* CloseButton;
    QLabel* SearchLabel;
    QLineEdit* searchTerm;
};

} // namespace quillara::gui
