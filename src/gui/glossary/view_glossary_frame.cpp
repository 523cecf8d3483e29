#include "gui/glossary/view_glossary_frame.h"

#include "gui/glossary/glossary_box.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/text_size.h"

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
    white.setColor(QPalette::Window, white.color(QPalette::Base));
    white.setColor(QPalette::WindowText, white.color(QPalette::Text));
    setPalette(white);
    setAutoFillBackground(true);

    // Created in screen order, which is also the tab order.
    Heading = PlainLabel(tr("Glossary"), QStringLiteral("Label1"), this);
    QFont heading = Heading->font();
    heading.setFamilies({QStringLiteral("Times New Roman")});
    heading.setStyleHint(QFont::Serif);
    heading.setPixelSize(24);
    heading.setBold(true);
    Heading->setFont(heading);
    Heading->setAlignment(Qt::AlignHCenter);

    SearchLabel = PlainLabel(tr("Search for a term:"), QStringLiteral("Label3"), this);
    searchTerm = new QLineEdit(this);
    searchTerm->setObjectName(QStringLiteral("searchTerm"));
    SearchLabel->setBuddy(searchTerm);

    Terms = new TGlossaryBox(this);
    Terms->setObjectName(QStringLiteral("Terms"));
    NameControl(Terms, tr("Glossary terms"));

    PagesLabel = PlainLabel(QString(), QStringLiteral("Label2"), this);
    // Keeps its line when empty, so that the boxes below do not jump.
    PagesLabel->setMinimumHeight(PagesLabel->fontMetrics().height());

    Definition = new QTextEdit(this);
    Definition->setObjectName(QStringLiteral("Definition"));
    NameControl(Definition, tr("Definition"));
    Definition->setReadOnly(true);
    FollowTextSize(Definition);
    Definition->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    CloseButton = new QPushButton(tr("Close Glossary"), this);
    CloseButton->setObjectName(QStringLiteral("Button1"));

    auto* search = new QHBoxLayout;
    search->addWidget(SearchLabel);
    search->addWidget(searchTerm, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading);
    layout->addLayout(search);
    layout->addWidget(Terms, 3);
    layout->addWidget(PagesLabel);
    layout->addWidget(Definition, 2);
    layout->addWidget(CloseButton, 0, Qt::AlignHCenter);

    connect(searchTerm, &QLineEdit::textChanged, this, &TViewGlossaryFrame1::searchTermChange);
    connect(Terms, &TGlossaryBox::TermClicked, this, &TViewGlossaryFrame1::TermsClick);
    connect(CloseButton, &QPushButton::clicked, this, &TViewGlossaryFrame1::CloseClicked);
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
        PagesLabel->clear();
        Definition->clear();
        return;
    }
    const auto orNA = [](std::string_view text) {
        return text.empty() ? tr("N/A") : FromBook(text);
    };
    PagesLabel->setText(
        tr("Chapter %1, page(s) %2").arg(orNA(entry->ChapterRef), orNA(entry->PageRef)));
    Definition->setPlainText(FromBookBreakable(entry->DefinitionText));
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

void TViewGlossaryFrame1::CloseClicked() {
    hide();
}

} // namespace quillara::gui
