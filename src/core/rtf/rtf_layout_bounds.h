#pragma once

#include "core/rtf/rtf_reader.h"

#include <string_view>

namespace quillara {

// Makes the document quick to lay out: a word longer than MaxUnbrokenCharacters gets a break
// opportunity every so many characters, and the document is cut where, laid out one character
// a line at its runs' sizes, it would pass MaxLayoutHeightPoints, or where it passes
// MaxLayoutCharacters, and ends with a paragraph of the note instead. True when it was cut.
bool BoundForLayout(TRtfDocument& document, std::string_view note);

} // namespace quillara
