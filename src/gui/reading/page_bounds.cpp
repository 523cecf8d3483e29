#include "gui/reading/page_bounds.h"

#include "core/text/layout_bounds.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <vector>

namespace quillara::gui {

namespace {

// Page layouts count in pixels of 96 to the inch, 72 points to the inch.
constexpr qreal PointsPerPixel = 0.75;
// Margins, paddings, borders, indents and spacing between letters, words and cells.
constexpr qreal MaxSpacingPixels = 192;
// Each level of a nested list or quotation indents by 40 pixels.
constexpr int MaxIndentLevels = 10;
// The sides of a picture and the fixed sizes of a table or a column; an unsized picture counts
// as this tall, as it is shown no larger than the screen.
constexpr qreal MaxObjectPixels = 2048;
// The tallest line a block may ask for, as a multiple of its font's.
constexpr qreal MaxLineHeightPercent = 300;

qreal Bounded(qreal value, qreal low, qreal high) {
    return value >= low ? std::min(value, high) : low;
}

// A double-valued property bounded, if the format has it.
void BoundProperty(QTextFormat& format, int property, qreal low, qreal high) {
    if (format.hasProperty(property))
        format.setProperty(property, Bounded(format.property(property).toReal(), low, high));
}

QTextLength BoundedLength(const QTextLength& length) {
    switch (length.type()) {
    case QTextLength::FixedLength:
        return QTextLength(QTextLength::FixedLength,
                           Bounded(length.rawValue(), 0, MaxObjectPixels));
    case QTextLength::PercentageLength:
        return QTextLength(QTextLength::PercentageLength, Bounded(length.rawValue(), 0, 100));
    default:
        return length;
    }
}

QTextCharFormat BoundedChar(QTextCharFormat format) {
    BoundProperty(format, QTextFormat::FontPointSize, MinFontPoints, MaxFontPoints);
    if (format.hasProperty(QTextFormat::FontPixelSize))
        format.setProperty(
            QTextFormat::FontPixelSize,
            qRound(Bounded(format.intProperty(QTextFormat::FontPixelSize),
                           MinFontPoints / PointsPerPixel, MaxFontPoints / PointsPerPixel)));
    BoundProperty(format, QTextFormat::FontWordSpacing, -MaxSpacingPixels, MaxSpacingPixels);
    if (format.hasProperty(QTextFormat::FontLetterSpacing)) {
        const bool percent = format.fontLetterSpacingType() == QFont::PercentageSpacing;
        BoundProperty(format, QTextFormat::FontLetterSpacing, percent ? 0 : -MaxSpacingPixels,
                      percent ? 400 : MaxSpacingPixels);
    }
    BoundProperty(format, QTextFormat::ImageWidth, 0, MaxObjectPixels);
    BoundProperty(format, QTextFormat::ImageHeight, 0, MaxObjectPixels);
    for (const int padding :
         {QTextFormat::TableCellTopPadding, QTextFormat::TableCellBottomPadding,
          QTextFormat::TableCellLeftPadding, QTextFormat::TableCellRightPadding})
        BoundProperty(format, padding, 0, MaxSpacingPixels);
    return format;
}

QTextBlockFormat BoundedBlock(QTextBlockFormat format) {
    for (const int margin : {QTextFormat::BlockTopMargin, QTextFormat::BlockBottomMargin,
                             QTextFormat::BlockLeftMargin, QTextFormat::BlockRightMargin})
        BoundProperty(format, margin, 0, MaxSpacingPixels);
    BoundProperty(format, QTextFormat::TextIndent, -MaxSpacingPixels, MaxSpacingPixels);
    if (format.hasProperty(QTextFormat::BlockIndent))
        format.setIndent(std::clamp(format.indent(), 0, MaxIndentLevels));
    if (format.hasProperty(QTextFormat::LineHeight)) {
        const bool proportional = format.lineHeightType() == QTextBlockFormat::ProportionalHeight;
        format.setLineHeight(Bounded(format.lineHeight(), 0,
                                     proportional
                                         ? MaxLineHeightPercent
                                         : MaxFontPoints / PointsPerPixel * MaxLineSpacing),
                             format.lineHeightType());
    }
    return format;
}

QTextFrameFormat BoundedFrame(QTextFrameFormat format) {
    for (const int side :
         {QTextFormat::FrameBorder, QTextFormat::FramePadding, QTextFormat::FrameTopMargin,
          QTextFormat::FrameBottomMargin, QTextFormat::FrameLeftMargin,
          QTextFormat::FrameRightMargin, QTextFormat::FrameMargin, QTextFormat::TableCellSpacing,
          QTextFormat::TableCellPadding})
        BoundProperty(format, side, 0, MaxSpacingPixels);
    if (format.hasProperty(QTextFormat::FrameWidth)) format.setWidth(BoundedLength(format.width()));
    if (format.hasProperty(QTextFormat::FrameHeight))
        format.setHeight(BoundedLength(format.height()));
    if (format.hasProperty(QTextFormat::TableColumnWidthConstraints)) {
        QTextTableFormat table = format.toTableFormat();
        QList<QTextLength> widths = table.columnWidthConstraints();
        for (QTextLength& width : widths)
            width = BoundedLength(width);
        table.setColumnWidthConstraints(widths);
        format = table;
    }
    return format;
}

void BoundFrames(QTextFrame* frame) {
    frame->setFrameFormat(BoundedFrame(frame->frameFormat()));
    for (QTextFrame* child : frame->childFrames())
        BoundFrames(child);
}

// The height in points of a line of text in that format, at its worst.
qreal LineHeight(const QTextCharFormat& format, const QTextBlockFormat& block, qreal pagePoints) {
    qreal points = pagePoints;
    // Relative sizes (<font size>, headings) win over the others, and the layout keeps them
    // within 0.7 and 2.4 times the page's font.
    if (format.hasProperty(QTextFormat::FontSizeAdjustment))
        points = pagePoints * 2.4;
    else if (format.hasProperty(QTextFormat::FontPointSize))
        points = format.fontPointSize();
    else if (format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * PointsPerPixel;
    qreal line = WorstLineHeightPoints(points);
    if (block.lineHeightType() == QTextBlockFormat::ProportionalHeight)
        line *= std::max<qreal>(block.lineHeight(), 100) / 100;
    else if (block.lineHeightType() != QTextBlockFormat::SingleHeight)
        line = std::max(line, block.lineHeight() * PointsPerPixel);
    return line;
}

// What the frames around a block add to its height, in points: a table row's spacing, padding
// and borders above and below, and those of every table around that one.
qreal FramesAround(const QTextBlock& block) {
    qreal pixels = 0;
    for (const QTextFrame* frame = QTextCursor(block).currentFrame(); frame != nullptr;
         frame = frame->parentFrame()) {
        const QTextFrameFormat format = frame->frameFormat();
        pixels +=
            2 * (format.border() + format.padding() + format.topMargin() + format.bottomMargin());
        if (format.isTableFormat()) {
            const QTextTableFormat table = format.toTableFormat();
            pixels += 2 * (table.cellSpacing() + table.cellPadding());
        }
    }
    return pixels * PointsPerPixel;
}

struct TChange {
    int Start;
    int End;
    QTextCharFormat Format;
};

struct TBlockChange {
    int Position;
    QTextBlockFormat Format;
    QTextCharFormat Mark;
};

// Moves the cursor out of every table it is in, to just before the outermost one.
void LeaveTables(QTextCursor& cursor) {
    while (const QTextTable* table = cursor.currentTable()) {
        const int before = table->firstPosition() - 1;
        if (before >= cursor.position()) break;
        cursor.setPosition(before);
    }
}

// The first position whose character would take the page, one character a line, past the
// height the layout can take, or past MaxLayoutCharacters; -1 when the whole page is within
// them.
int CutPosition(const QTextDocument& page) {
    const qreal pagePoints = page.defaultFont().pointSizeF();
    qreal height = 0;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        height += (format.topMargin() + format.bottomMargin()) * PointsPerPixel +
                  FramesAround(block) + LineHeight(block.charFormat(), format, pagePoints);
        if (height > MaxLayoutHeightPoints || block.position() >= MaxLayoutCharacters)
            return block.position();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat chars = fragment.charFormat();
            qreal each = LineHeight(chars, format, pagePoints);
            if (chars.isImageFormat()) {
                const QTextImageFormat image = chars.toImageFormat();
                each =
                    std::max(each, (image.hasProperty(QTextFormat::ImageHeight) ? image.height()
                                                                                : MaxObjectPixels) *
                                       PointsPerPixel);
            }
            const int fits =
                static_cast<int>(std::min<qreal>((MaxLayoutHeightPoints - height) / each,
                                                 MaxLayoutCharacters - fragment.position()));
            if (fragment.length() > fits) return fragment.position() + std::max(fits, 0);
            height += each * fragment.length();
        }
    }
    return -1;
}

// Gives every word longer than MaxUnbrokenCharacters a break opportunity every so many
// characters.
void BreakLongWords(QTextDocument& page) {
    std::vector<int> breaks;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        int unbroken = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isSpace()) {
                unbroken = 0;
            } else if (!text[i].isLowSurrogate() && ++unbroken > MaxUnbrokenCharacters) {
                breaks.push_back(block.position() + static_cast<int>(i));
                unbroken = 1;
            }
        }
    }
    QTextCursor cursor(&page);
    for (auto at = breaks.rbegin(); at != breaks.rend(); ++at) {
        cursor.setPosition(*at);
        cursor.insertText(QString(QChar(ZeroWidthSpace)));
    }
}

} // namespace

bool BoundPageLayout(QTextDocument& page) {
    BoundFrames(page.rootFrame());

    // Formats are gathered first and set afterwards: setting one may merge the fragments that
    // are being walked.
    std::vector<TBlockChange> blocks;
    std::vector<TChange> chars;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        const TBlockChange bounded{block.position(), BoundedBlock(block.blockFormat()),
                                   BoundedChar(block.charFormat())};
        if (bounded.Format != block.blockFormat() || bounded.Mark != block.charFormat())
            blocks.push_back(bounded);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = BoundedChar(fragment.charFormat());
            if (format != fragment.charFormat())
                chars.push_back(
                    {fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    QTextCursor cursor(&page);
    for (const TBlockChange& change : blocks) {
        cursor.setPosition(change.Position);
        cursor.setBlockFormat(change.Format);
        cursor.setBlockCharFormat(change.Mark);
    }
    for (const TChange& change : chars) {
        cursor.setPosition(change.Start);
        cursor.setPosition(change.End, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.Format);
    }

    const int cut = CutPosition(page);
    if (cut >= 0) {
        // The cursor cannot split a table: a cut inside one takes the whole table.
        cursor.setPosition(cut);
        LeaveTables(cursor);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertText(QString::fromUtf8(PageCutNote.data(), qsizetype(PageCutNote.size())));
    }
    BreakLongWords(page);
    return cut >= 0;
}

} // namespace quillara::gui
