#include "gui/widgets/rtf_document.h"

#include "core/rtf/rtf_layout_bounds.h"
#include "core/text/layout_bounds.h"
#include "gui/widgets/text_size.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace quillara::gui {

namespace {

constexpr qreal TwipsPerInch = 1440;
// Between the tab stops a paragraph sets, a tab goes to the next half inch.
constexpr int DefaultTabTwips = 720;

// A document without a paint device of its own measures points and tab stops at the screen's
// logical DPI, so indents are measured there too to line up with them.
qreal LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchX()) : 96;
}

qreal Pixels(int twips, qreal dpi) {
    return twips * dpi / TwipsPerInch;
}

QTextCharFormat CharFormat(const TRtfCharFormat& format) {
    QTextCharFormat out;
    out.setFontWeight(format.Bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(format.Italic);
    out.setFontUnderline(format.Underline);
    out.setFontPointSize(format.HalfPoints / 2.0);
    return out;
}

QTextBlockFormat BlockFormat(const TRtfParagraph& paragraph, qreal dpi) {
    // The box has no margin to draw into: a line that would start left of it starts at its edge.
    const int left = std::max(paragraph.LeftIndent, 0);
    const int first = std::max(paragraph.LeftIndent + paragraph.FirstIndent, 0);
    std::vector<int> stops = paragraph.TabStops;
    // A hanging indent is also a tab stop, so that the text after a choice's label starts where
    // its wrapped lines do.
    if (first < left && !std::ranges::binary_search(stops, left))
        stops.insert(std::ranges::lower_bound(stops, left), left);
    QList<QTextOption::Tab> tabs;
    for (int stop : stops)
        tabs.append(QTextOption::Tab(Pixels(stop, dpi), QTextOption::LeftTab));

    QTextBlockFormat out;
    out.setLeftMargin(Pixels(left, dpi));
    out.setTextIndent(Pixels(first - left, dpi));
    out.setTabPositions(tabs);
    return out;
}

QString RunText(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    // A '\n' would start a new block; in a run it breaks the line inside its paragraph.
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

} // namespace

void FillTextDocument(QTextDocument& document, const TRtfDocument& rtf) {
    document.clear();
    const qreal dpi = LogicalDpi();
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(Pixels(DefaultTabTwips, dpi));
    document.setDefaultTextOption(option);

    QTextCursor cursor(&document);
    bool first = true;
    for (const TRtfParagraph& paragraph : rtf.Paragraphs) {
        const QTextBlockFormat block = BlockFormat(paragraph, dpi);
        const QTextCharFormat mark = CharFormat(paragraph.Mark);
        // A cleared document still has one empty block, which takes the first paragraph.
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        for (const TRtfRun& run : paragraph.Runs)
            cursor.insertText(RunText(run.Text), CharFormat(run.Format));
    }
}

void LoadRtf(QTextEdit* box, std::string_view rtf) {
    TRtfDocument document = ReadRtf(rtf);
    BoundForLayout(document, QuestionCutNote);
    FillTextDocument(*box->document(), document);
    ShowAtTextSize(box);
    box->moveCursor(QTextCursor::Start);
}

} // namespace quillara::gui
