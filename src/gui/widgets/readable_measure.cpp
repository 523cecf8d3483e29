#include "gui/widgets/readable_measure.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <algorithm>

namespace quillara::gui {

namespace {

class TMeasureKeeper : public QObject {
public:
    explicit TMeasureKeeper(QTextEdit* view) : QObject(view), View(view) {
        setObjectName(QStringLiteral("ReadableMeasureKeeper"));
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) KeepReadableMeasure(View);
        return false;
    }

private:
    QTextEdit* View;
};

} // namespace

int ReadableMeasure(const QFont& font) {
    return 80 * QFontMetrics(font).averageCharWidth();
}

int ReadableMeasure(const QTextEdit* view) {
    return ReadableMeasure(view->document()->defaultFont());
}

void KeepReadableMeasure(QTextEdit* view) {
    const int side = std::max(0, (view->viewport()->width() - ReadableMeasure(view)) / 2);
    QTextFrame* root = view->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    if (format.leftMargin() == side && format.rightMargin() == side) return;
    format.setLeftMargin(side);
    format.setRightMargin(side);
    root->setFrameFormat(format);
}

void KeepReadableMeasureAlways(QTextEdit* view) {
    new TMeasureKeeper(view);
    KeepReadableMeasure(view);
}

bool KeepsReadableMeasure(const QTextEdit* view) {
    return view->findChild<QObject*>(QStringLiteral("ReadableMeasureKeeper"),
                                     Qt::FindDirectChildrenOnly) != nullptr;
}

void TPlainTextPage::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const int bar = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
    const int measure = ReadableMeasure(document()->defaultFont());
    const int side = std::max(0, (contentsRect().width() - bar - measure) / 2);
    if (viewportMargins() != QMargins(side, 0, side, 0)) setViewportMargins(side, 0, side, 0);
}

} // namespace quillara::gui
