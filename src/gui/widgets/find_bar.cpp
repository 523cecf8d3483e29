#include "gui/widgets/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quillara::gui {

namespace {

const QColor MatchColour(255, 236, 130);
const QColor CurrentColour(255, 150, 50);

QTextCursor Span(QTextDocument* document, const TDocumentMatch& match) {
    QTextCursor cursor(document);
    cursor.setPosition(match.Begin);
    cursor.setPosition(match.End, QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

TFindBar::TFindBar(QTextEdit* page, QWidget* view) : TFindBar(page, nullptr, view) {}

TFindBar::TFindBar(QPlainTextEdit* page, QWidget* view) : TFindBar(nullptr, page, view) {}

TFindBar::TFindBar(QTextEdit* rich, QPlainTextEdit* plain, QWidget* view)
    : QWidget(view), RichPage(rich), PlainPage(plain),
      Page(rich ? static_cast<QAbstractScrollArea*>(rich) : plain) {
    setObjectName(QStringLiteral("FindBar"));
    auto* label = new QLabel(tr("Find:"), this);
    findText = new QLineEdit(this);
    findText->setObjectName(QStringLiteral("findText"));
    findText->setAccessibleName(tr("Find in the page"));
    findText->setClearButtonEnabled(true);
    label->setBuddy(findText);
    findPrevious = new QPushButton(tr("Previous"), this);
    findPrevious->setObjectName(QStringLiteral("findPrevious"));
    findNext = new QPushButton(tr("Next"), this);
    findNext->setObjectName(QStringLiteral("findNext"));
    findStatus = new QLabel(this);
    findStatus->setObjectName(QStringLiteral("findStatus"));
    findClose = new QToolButton(this);
    findClose->setObjectName(QStringLiteral("findClose"));
    findClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    findClose->setAccessibleName(tr("Close the find bar"));
    findClose->setToolTip(tr("Close (Esc)"));
    findClose->setAutoRaise(true);
    for (QPushButton* button : {findPrevious, findNext})
        button->setAutoDefault(false);

    // The status has a line of its own, so that a narrow view never cuts it.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 2, 0, 2);
    column->setSpacing(2);
    auto* layout = new QHBoxLayout;
    layout->addWidget(label);
    layout->addWidget(findText, 1);
    layout->addWidget(findPrevious);
    layout->addWidget(findNext);
    layout->addWidget(findClose);
    column->addLayout(layout);
    findStatus->setWordWrap(true);
    findStatus->hide();
    column->addWidget(findStatus);

    connect(findText, &QLineEdit::textChanged, this, &TFindBar::Refind);
    connect(findText, &QLineEdit::returnPressed, this, &TFindBar::FindNext);
    findText->installEventFilter(this);
    connect(findNext, &QPushButton::clicked, this, &TFindBar::FindNext);
    connect(findPrevious, &QPushButton::clicked, this, &TFindBar::FindPrevious);
    connect(findClose, &QToolButton::clicked, this, &TFindBar::CloseBar);

    // The view's keys: only the shown view of a window answers them, so views that take turns
    // in one window each keep their own bar.
    connect(new QShortcut(QKeySequence::Find, view), &QShortcut::activated, this,
            &TFindBar::OpenBar);
    connect(new QShortcut(QKeySequence(Qt::Key_F3), view), &QShortcut::activated, this,
            &TFindBar::FindNext);
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), view), &QShortcut::activated, this,
            &TFindBar::FindPrevious);
    // Escape belongs to the bar, and so answers only while it shows.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TFindBar::CloseBar);
    // A new page in the view: the old matches no longer mean anything.
    connect(Document(), &QTextDocument::contentsChanged, this, [this] {
        if (!isHidden()) {
            Current = -1;
            Refind();
        }
    });
    hide();
}

QTextDocument* TFindBar::Document() const {
    return RichPage ? RichPage->document() : PlainPage->document();
}

void TFindBar::OpenBar() {
    show();
    findText->setFocus(Qt::ShortcutFocusReason);
    findText->selectAll();
    if (Found.empty()) Refind();
}

// With the bar closed, both open it on its last text at the first match from where the student
// reads.
void TFindBar::FindNext() {
    if (isHidden())
        OpenBar();
    else
        Step(1);
}

void TFindBar::FindPrevious() {
    if (isHidden())
        OpenBar();
    else
        Step(-1);
}

void TFindBar::CloseBar() {
    hide();
    Found.clear();
    Current = -1;
    if (RichPage) RichPage->setExtraSelections({});
    if (PlainPage) PlainPage->setExtraSelections({});
    Page->setFocus(Qt::OtherFocusReason);
}

void TFindBar::ShowMatch(const QString& text, std::size_t ordinal) {
    show();
    {
        const QSignalBlocker quiet(findText);
        findText->setText(text);
    }
    Found = FindInDocument(*Document(), text);
    Current = Found.empty() ? -1 : static_cast<int>(std::min(ordinal, Found.size() - 1));
    ShowCurrent();
}

void TFindBar::Refind() {
    // Typing more keeps the match the student is at; a fresh search starts where they read.
    const int from = Current >= 0 && Current < static_cast<int>(Found.size())
                         ? Found[static_cast<std::size_t>(Current)].Begin
                         : (RichPage ? RichPage->cursorForPosition({0, 0})
                                     : PlainPage->cursorForPosition({0, 0}))
                               .position();
    Found = FindInDocument(*Document(), findText->text());
    const auto first = std::find_if(Found.begin(), Found.end(),
                                    [from](const TDocumentMatch& m) { return m.Begin >= from; });
    Current = Found.empty()          ? -1
              : first == Found.end() ? 0
                                     : static_cast<int>(first - Found.begin());
    ShowCurrent();
}

void TFindBar::Step(int direction) {
    if (Found.empty()) return;
    const int count = static_cast<int>(Found.size());
    const int next = Current + direction;
    QString note;
    if (next >= count)
        note = tr("from the top");
    else if (next < 0)
        note = tr("from the bottom");
    Current = (next + count) % count;
    ShowCurrent(note);
}

void TFindBar::ShowCurrent(const QString& note) {
    QTextDocument* document = Document();
    QList<QTextEdit::ExtraSelection> marks;
    marks.reserve(static_cast<qsizetype>(Found.size()));
    for (std::size_t i = 0; i < Found.size(); ++i) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = Span(document, Found[i]);
        mark.format.setBackground(static_cast<int>(i) == Current ? CurrentColour : MatchColour);
        marks.append(mark);
    }
    if (RichPage) RichPage->setExtraSelections(marks);
    if (PlainPage) PlainPage->setExtraSelections(marks);

    if (findText->text().isEmpty())
        findStatus->clear();
    else if (Current < 0)
        findStatus->setText(tr("No matches"));
    else
        findStatus->setText(note.isEmpty()
                                ? tr("%1 of %2").arg(Current + 1).arg(Found.size())
                                : tr("%1 of %2, %3").arg(Current + 1).arg(Found.size()).arg(note));
    findStatus->setVisible(!findStatus->text().isEmpty());
    if (Current < 0) return;

    // The match is brought into the middle of the page unless it shows already.
    QTextCursor at(document);
    at.setPosition(Found[static_cast<std::size_t>(Current)].Begin);
    const QRect viewport = Page->viewport()->rect();
    if (RichPage) {
        const QRect place = RichPage->cursorRect(at);
        if (!viewport.contains(place)) {
            QScrollBar* bar = RichPage->verticalScrollBar();
            bar->setValue(bar->value() + place.center().y() - viewport.height() / 2);
        }
    } else {
        PlainPage->setTextCursor(at);
        if (!viewport.contains(PlainPage->cursorRect(at))) PlainPage->centerCursor();
    }
}

bool TFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == findText && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ShiftModifier)) {
            FindPrevious();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillara::gui
