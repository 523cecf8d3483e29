#include "gui/reading/view_authors_notes_frame.h"

#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/find_bar.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/readable_measure.h"
#include "gui/widgets/text_size.h"

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

    Heading = new QLabel(tr("Authors Notes"), this);
    Heading->setObjectName(QStringLiteral("Label1"));
    Heading->setAlignment(Qt::AlignCenter);
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setPixelSize(24);
    heading.setBold(true);
    Heading->setFont(heading);

    NotesText = new TPlainTextPage(this);
    NotesText->setObjectName(QStringLiteral("Memo1"));
    NameControl(NotesText, tr("Authors Notes"));
    NotesText->setReadOnly(true);
    FollowTextSize(NotesText);
    NotesText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    NotesText->setFrameStyle(QFrame::Box | QFrame::Plain);
    MarkFocusOn(NotesText, NotesText);
    FindBar = new TFindBar(NotesText, this);

    CloseButton = new QPushButton(tr("Close Notes"), this);
    CloseButton->setObjectName(QStringLiteral("Button1"));
    connect(CloseButton, &QPushButton::clicked, this, &TViewAuthorsNotesFrame1::CloseClicked);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading);
    layout->addWidget(NotesText, 1);
    layout->addWidget(FindBar);
    layout->addWidget(CloseButton, 0, Qt::AlignHCenter);
    hide();
}

void TViewAuthorsNotesFrame1::ShowNotes() {
    NotesText->clear();
    NotesText->setReadOnly(true);
    std::optional<QString> failure;
    try {
        NotesText->setPlainText(FromBookBreakable(Session.AuthorsNotes()));
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
    }
    show();
    // In the notes, the keys scroll them at once.
    NotesText->setFocus();
    if (failure) TMessageBoxes::Error(this, *failure);
}

void TViewAuthorsNotesFrame1::CloseClicked() {
    hide();
    NotesText->clear();
}

} // namespace quillara::gui
