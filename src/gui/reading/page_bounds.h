#pragma once

class QTextDocument;

namespace quillara::gui {

// Keeps what a topic page asks of the text layout within bounds before anything lays it out:
// font sizes within MinFontPoints and MaxFontPoints, spacing, indents, borders and picture
// and table sizes within a few inches, a page that could still grow too tall cut where it
// would pass MaxLayoutHeightPoints or MaxLayoutCharacters and ended with PageCutNote, and words
// longer than MaxUnbrokenCharacters given a place to break. True when the page was cut.
bool BoundPageLayout(QTextDocument& page);

} // namespace quillara::gui
