#include "gui/reading/view_authors_notes_frame.h"

#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/find_bar.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/readable_measure.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <optional>

namespace quillara::gui {

TViewAuthorsNotesFrame1::TViewAuthorsNotesFrame1(const TStudySession& session, QWidget* parent)
    : QWidget(parent), Session(session) {
    setObjectName(QStringLiteral("ViewAuthorsNotesFrame1"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setMinimumSize(290, 290);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    Label1 = new QLabel(QStringLiteral("Authors Notes"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setPixelSize(24);
    heading.setBold(true);
    Label1->setFont(heading);

    Memo1 = new TPlainTextPage(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    NameControl(Memo1, QStringLiteral("Authors Notes"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Memo1->setFrameStyle(QFrame::Box | QFrame::Plain);
    MarkFocusOn(Memo1, Memo1);
    FindBar = new TFindBar(Memo1, this);

    Button1 = new QPushButton(QStringLiteral("Close Notes"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TViewAuthorsNotesFrame1::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Memo1, 1);
    layout->addWidget(FindBar);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    hide();
}

void TViewAuthorsNotesFrame1::ShowNotes() {
    Memo1->clear();
    Memo1->setReadOnly(true);
    std::optional<QString> failure;
    try {
        Memo1->setPlainText(FromBook(Session.AuthorsNotes()));
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
    }
    show();
    // In the notes, the keys scroll them at once.
    Memo1->setFocus();
    if (failure) TMessageBoxes::Error(this, *failure);
}

void TViewAuthorsNotesFrame1::Button1Click() {
    hide();
    Memo1->clear();
}

} // namespace quillara::gui
