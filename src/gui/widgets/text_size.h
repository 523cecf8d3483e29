#pragma once

#include <QObject>

class QTextDocument;
class QWidget;

namespace quillara::gui {

// The size of the text of pages, questions, the glossary and help, in percent of the size each
// is written at: one setting for the whole program, from 50% to 300%, in the steps a browser's
// zoom takes.
class TTextSize : public QObject {
    Q_OBJECT

public:
    static constexpr int Smallest = 50;
    static constexpr int Normal = 100;
    static constexpr int Largest = 300;

    static TTextSize& Instance();

    int Percent() const { return Current; }
    // Any percent is taken, kept within Smallest and Largest.
    void SetPercent(int percent);
    void Larger();
    void Smaller();
    void Reset() { SetPercent(Normal); }

    // The step above and below a percent, which need not be a step itself.
    static int StepAbove(int percent);
    static int StepBelow(int percent);

signals:
    void Changed(int percent);

private:
    int Current = Normal;
};

// Shows the view's text at the program's text size from now on: its own font, and in a rich text
// view every size that its document names, are scaled from the sizes they were written at.
// Pictures keep their size. Content put in later with sizes of its own is scaled by
// ShowAtTextSize.
void FollowTextSize(QWidget* view);
// Scales what was put in the view since, when the view follows the text size; nothing otherwise.
// Each size is scaled from the one it was written at, so calling it again changes nothing.
void ShowAtTextSize(QWidget* view);
// The document's named sizes at `percent` of those they were written at.
void ScaleDocumentSizes(QTextDocument& document, int percent);

} // namespace quillara::gui
