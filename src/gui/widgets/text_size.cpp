#include "gui/widgets/text_size.h"

#include "gui/widgets/readable_measure.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <cmath>

namespace quillara::gui {

namespace {

constexpr std::array Steps{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

// Each named size as it was written, kept beside the size shown, so that scaling never drifts.
constexpr int WrittenPoints = QTextFormat::UserProperty + 0x5153;
constexpr int WrittenPixels = QTextFormat::UserProperty + 0x5154;

// The view's font as it was before it followed the text size.
constexpr const char* WrittenFontProperty = "QuillaraWrittenFont";

} // namespace

TTextSize& TTextSize::Instance() {
    static TTextSize* size = new TTextSize;
    return *size;
}

void TTextSize::SetPercent(int percent) {
    percent = std::clamp(percent, Smallest, Largest);
    if (percent == Current) return;
    Current = percent;
    emit Changed(Current);
}

int TTextSize::StepAbove(int percent) {
    const auto* step = std::upper_bound(Steps.begin(), Steps.end(), percent);
    return step == Steps.end() ? Largest : *step;
}

int TTextSize::StepBelow(int percent) {
    const auto* step = std::lower_bound(Steps.begin(), Steps.end(), percent);
    return step == Steps.begin() ? Smallest : *(step - 1);
}

void TTextSize::Larger() {
    SetPercent(StepAbove(Current));
}

void TTextSize::Smaller() {
    SetPercent(StepBelow(Current));
}

void ScaleDocumentSizes(QTextDocument& document, int percent) {
    const double factor = percent / 100.0;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            const QTextCharFormat format = fragment.charFormat();
            // At the written size, a size never scaled is already right: such a document is
            // left exactly as it was made.
            if (percent == TTextSize::Normal && !format.hasProperty(WrittenPoints) &&
                !format.hasProperty(WrittenPixels))
                continue;
            QTextCharFormat change;
            if (format.hasProperty(QTextFormat::FontPointSize)) {
                const double written = format.hasProperty(WrittenPoints)
                                           ? format.doubleProperty(WrittenPoints)
                                           : format.fontPointSize();
                change.setProperty(WrittenPoints, written);
                change.setFontPointSize(written * factor);
            } else if (format.hasProperty(QTextFormat::FontPixelSize)) {
                const int written = format.hasProperty(WrittenPixels)
                                        ? format.intProperty(WrittenPixels)
                                        : format.intProperty(QTextFormat::FontPixelSize);
                change.setProperty(WrittenPixels, written);
                change.setProperty(QTextFormat::FontPixelSize,
                                   std::max(1, int(std::lround(written * factor))));
            } else {
                continue;
            }
            if (format.doubleProperty(QTextFormat::FontPointSize) ==
                    change.doubleProperty(QTextFormat::FontPointSize) &&
                format.intProperty(QTextFormat::FontPixelSize) ==
                    change.intProperty(QTextFormat::FontPixelSize) &&
                format.hasProperty(WrittenPoints) == change.hasProperty(WrittenPoints) &&
                format.hasProperty(WrittenPixels) == change.hasProperty(WrittenPixels))
                continue;
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(change);
        }
    }
    cursor.endEditBlock();
}

void ShowAtTextSize(QWidget* view) {
    const QVariant written = view->property(WrittenFontProperty);
    if (!written.isValid()) return;
    const int percent = TTextSize::Instance().Percent();
    QFont font = written.value<QFont>();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    else
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * percent / 100.0))));
    if (view->font() != font) view->setFont(font);
    if (auto* rich = qobject_cast<QTextEdit*>(view)) {
        ScaleDocumentSizes(*rich->document(), percent);
        // About 80 characters a line at the new size.
        if (KeepsReadableMeasure(rich)) KeepReadableMeasure(rich);
    }
    // A plain text page measures its column as it is laid out again.
    if (auto* plain = qobject_cast<QPlainTextEdit*>(view))
        QCoreApplication::postEvent(plain, new QResizeEvent(plain->size(), plain->size()));
}

void FollowTextSize(QWidget* view) {
    if (view->property(WrittenFontProperty).isValid()) return;
    view->setProperty(WrittenFontProperty, view->font());
    QObject::connect(&TTextSize::Instance(), &TTextSize::Changed, view,
                     [view] { ShowAtTextSize(view); });
    ShowAtTextSize(view);
}

} // namespace quillara::gui
