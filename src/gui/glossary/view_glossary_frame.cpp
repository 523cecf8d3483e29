#include "gui/glossary/view_glossary_frame.h"

#include "gui/glossary/glossary_box.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quillara::gui {

namespace {

QLabel* PlainLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // Book texts are shown as they are, never read as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TViewGlossaryFrame1::TViewGlossaryFrame1(QWidget* parent) : QWidget(parent) {
    setMinimumSize(290, 290);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Created in screen order, which is also the tab order.
    Label1 = PlainLabel(tr("Glossary"), QStringLiteral("Label1"), this);
    QFont heading = Label1->font();
    heading.setFamilies({QStringLiteral("Times New Roman")});
    heading.setStyleHint(QFont::Serif);
    heading.setPixelSize(24);
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setAlignment(Qt::AlignHCenter);

    Label3 = PlainLabel(tr("Search for a term:"), QStringLiteral("Label3"), this);
    searchTerm = new QLineEdit(this);
    searchTerm->setObjectName(QStringLiteral("searchTerm"));
    Label3->setBuddy(searchTerm);

    Terms = new TGlossaryBox(this);
    Terms->setObjectName(QStringLiteral("Terms"));
    NameControl(Terms, tr("Glossary terms"));

    Label2 = PlainLabel(QString(), QStringLiteral("Label2"), this);
    // Keeps its line when empty, so that the boxes below do not jump.
    Label2->setMinimumHeight(Label2->fontMetrics().height());

    Definition = new QTextEdit(this);
    Definition->setObjectName(QStringLiteral("Definition"));
    NameControl(Definition, tr("Definition"));
    Definition->setReadOnly(true);
    Definition->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Button1 = new QPushButton(tr("Close Glossary"), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    auto* search = new QHBoxLayout;
    search->addWidget(Label3);
    search->addWidget(searchTerm, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(search);
    layout->addWidget(Terms, 3);
    layout->addWidget(Label2);
    layout->addWidget(Definition, 2);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    connect(searchTerm, &QLineEdit::textChanged, this, &TViewGlossaryFrame1::searchTermChange);
    connect(Terms, &TGlossaryBox::TermClicked, this, &TViewGlossaryFrame1::TermsClick);
    connect(Button1, &QPushButton::clicked, this, &TViewGlossaryFrame1::Button1Click);
}

void TViewGlossaryFrame1::SetGlossary(const TGlossary* glossary) {
    Source = nullptr;
    Terms->Clear();
    Terms->AddList(glossary);
}

void TViewGlossaryFrame1::SetGlossary(std::function<const TGlossary*()> source) {
    Terms->Clear();
    Source = std::move(source);
}

void TViewGlossaryFrame1::ShowGlossaryView() {
    if (Source) SetGlossary(Source());
    show();
    searchTerm->clear();
    searchTerm->setFocus();
    Terms->SelectIndex(0);
    ShowSelectedEntry();
}

void TViewGlossaryFrame1::ShowSelectedEntry() {
    const TDefinition* entry = Terms->SelectedTerm();
    if (!entry) {
        Label2->clear();
        Definition->clear();
        return;
    }
    const auto orNA = [](std::string_view text) -> std::string {
        return text.empty() ? "N/A" : std::string(text);
    };
    Label2->setText(
        FromBook("Chapter " + orNA(entry->ChapterRef) + ", page(s) " + orNA(entry->PageRef)));
    Definition->setPlainText(FromBook(entry->DefinitionText));
}

void TViewGlossaryFrame1::ShowEntry(int line) {
    Terms->SelectIndex(line);
    TermsClick();
}

void TViewGlossaryFrame1::searchTermChange() {
    // Emptying the search keeps whatever is shown, so that the student can start again.
    if (searchTerm->text().isEmpty()) return;
    Terms->SelectIndex(Terms->FindPrefix(searchTerm->text()));
    ShowSelectedEntry();
}

void TViewGlossaryFrame1::TermsClick() {
    searchTerm->clear();
    ShowSelectedEntry();
}

void TViewGlossaryFrame1::Button1Click() {
    hide();
}

} // namespace quillara::gui
