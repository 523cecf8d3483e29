#pragma once

class QTextDocument;

namespace quillara::gui {

// Keeps what a topic page asks of the text layout within bounds before anything lays it out:
// font sizes within MinFontPoints and MaxFontPoints, spacing, indents, borders, tab stops and
// picture and table sizes within a few inches, and a page that could still grow too tall cut
// where it would pass MaxLayoutHeightPoints, ended with PageCutNote. True when it was cut.
bool BoundPageLayout(QTextDocument& page);

} // namespace quillara::gui
