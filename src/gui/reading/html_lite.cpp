#include "gui/reading/html_lite.h"

#include "core/text/table_nesting.h"
#include "gui/reading/page_bounds.h"
#include "gui/widgets/book_picture.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/readable_measure.h"
#include "gui/widgets/text_size.h"

#include <QGuiApplication>
#include <QImage>
#include <QScrollBar>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>

namespace quillara::gui {

namespace {

// What a page gets for a picture it may not have or that cannot be read. A null image would make
// the text engine try the name as a path of its own, outside the book directory.
QImage NoPicture() {
    QImage nothing(1, 1, QImage::Format_ARGB32);
    nothing.fill(Qt::transparent);
    return nothing;
}

bool NamesColours(const QTextFormat& format) {
    return format.hasProperty(QTextFormat::ForegroundBrush) ||
           format.hasProperty(QTextFormat::BackgroundBrush);
}

bool NamesColours(QTextFrame* frame) {
    if (NamesColours(frame->frameFormat())) return true;
    for (QTextFrame* child : frame->childFrames())
        if (NamesColours(child)) return true;
    return false;
}

// Whether the page sets a colour anywhere: of its background, a table, a cell, a paragraph or
// its text.
bool NamesColours(const QTextDocument& page) {
    if (NamesColours(page.rootFrame())) return true;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        if (NamesColours(block.blockFormat()) || NamesColours(block.charFormat())) return true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextCharFormat format = it.fragment().charFormat();
            // A link is given the palette's link colour as it is read: no colour of the page's.
            if (format.isAnchor() && format.foreground() == QGuiApplication::palette().link())
                format.clearForeground();
            if (NamesColours(format)) return true;
        }
    }
    return false;
}

} // namespace

ThtmlLite::ThtmlLite(QWidget* parent) : QTextBrowser(parent) {
    setFrameShape(QFrame::NoFrame);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    KeepReadableMeasureAlways(this);

    DesktopColours = palette();
    DesktopColours.setColor(QPalette::Window, DesktopColours.color(QPalette::Base));
    setPalette(DesktopColours);

    // Pages are written for the fonts of the platform they were authored on; the first installed
    // look-alike stands in, else the desktop's own font of that kind. Qt picks among the families
    // when it first draws, so looking them up costs nothing at start-up.
    QFont body;
    body.setFamilies(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
    body.setStyleHint(QFont::SansSerif);
    body.setPointSize(10);
    setFont(body);
    document()->setDefaultStyleSheet(QStringLiteral(
        "pre, code, tt, kbd, samp { font-family: \"Courier New\", \"Liberation Mono\", "
        "\"DejaVu Sans Mono\", monospace; }"));

    // Selection can also come from outside the mouse and keyboard (Select All of the context menu).
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (NoSelectOn) ClearSelection();
    });
}

void ThtmlLite::SetBookDirectory(const std::filesystem::path& directory) {
    BookDirectory = directory;
}

void ThtmlLite::LoadFromString(const std::string& htmlBytes) {
    // The page is read and bounded in a document that nothing lays out, then copied into the
    // viewer's. It is the viewer's child so that the pictures it names come through
    // loadResource, should anything ask for them early.
    QTextDocument page(this);
    page.setDefaultFont(document()->defaultFont());
    page.setDefaultStyleSheet(document()->defaultStyleSheet());
    page.setHtml(FromBook(FlattenDeepTables(htmlBytes)));
    BoundPageLayout(page);
    // A page that names colours of its own was written for black on white and is shown so;
    // any other takes the desktop's colours.
    QPalette colours = DesktopColours;
    if (NamesColours(page)) {
        colours.setColor(QPalette::Base, Qt::white);
        colours.setColor(QPalette::Window, Qt::white);
        colours.setColor(QPalette::Text, Qt::black);
        colours.setColor(QPalette::Link, Qt::blue);
    }
    setPalette(colours);
    document()->clear();
    QTextCursor(document()).insertFragment(QTextDocumentFragment(&page));
    ShowAtTextSize(this);
    setTextCursor(QTextCursor(document()));
    KeepReadableMeasure(this);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void ThtmlLite::SetNoSelect(bool noSelect) {
    NoSelectOn = noSelect;
    setTextInteractionFlags(noSelect ? Qt::NoTextInteraction : Qt::TextBrowserInteraction);
    if (noSelect) ClearSelection();
    viewport()->update();
}

void ThtmlLite::ClearSelection() {
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) return;
    // Dropping the selection must not scroll the page to where it ended.
    const int top = verticalScrollBar()->value();
    const int left = horizontalScrollBar()->value();
    cursor.clearSelection();
    setTextCursor(cursor);
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
}

QVariant ThtmlLite::loadResource(int type, const QUrl& name) {
    // Style sheets and documents named by a page are not fetched; an empty answer also keeps the
    // text engine from reading the name as a file itself.
    if (type != QTextDocument::ImageResource) return QByteArray();
    if (BookDirectory.empty() || !name.scheme().isEmpty() || !name.host().isEmpty())
        return QVariant::fromValue(NoPicture());
    try {
        // The lookup refuses absolute names and names that climb or link out of the directory;
        // a picture is decoded no larger than the screen can show.
        return QVariant::fromValue(LoadBookPicture(BookDirectory,
                                                   name.path(QUrl::FullyDecoded).toStdString(),
                                                   ScreenRoom(this), devicePixelRatioF()));
    } catch (const std::exception&) {
        // A missing or broken picture leaves its place empty, as it would on any page.
        return QVariant::fromValue(NoPicture());
    }
}

} // namespace quillara::gui
