#pragma once

#include <QFont>

namespace quillara::gui {

// The serif face of the program's headings; the nearest serif where Times New Roman is missing.
QFont HeadingFont(int pixelSize);

} // namespace quillara::gui
