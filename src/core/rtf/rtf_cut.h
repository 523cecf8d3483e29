#pragma once

#include "rtf/rtf_reader.h"

#include <string_view>

namespace quillara {

// Cuts the document where, laid out one character a line at its runs' sizes, it would pass
// MaxLayoutHeightPoints, and ends it with a paragraph of the note instead. A document within
// that height is left as it is. True when it was cut.
bool CutToLayoutHeight(TRtfDocument& document, std::string_view note);

} // namespace quillara
