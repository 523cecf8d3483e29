#pragma once

#include "core/rtf/rtf_reader.h"

#include <string_view>

class QTextDocument;
class QTextEdit;

namespace quillara::gui {

// Replaces the document's contents with the paragraphs of the model: indents, tab stops, bold,
// italic, underline and point size as the RTF gave them.
void FillTextDocument(QTextDocument& document, const TRtfDocument& rtf);

// Shows the question box's RTF in the box, scrolled to its start; a question too long to lay
// out quickly is shown cut, with a note saying so.
void LoadRtf(QTextEdit* box, std::string_view rtf);

} // namespace quillara::gui
