#pragma once

#include <string>
#include <string_view>

namespace quillara {

// Book texts are stored in Windows-1252. The five unassigned bytes map to the C1 controls of the
// same value, so every byte converts and converts back.
std::string Windows1252ToUtf8(std::string_view bytes);
// Characters with no Windows-1252 byte become '?'.
std::string Utf8ToWindows1252(std::string_view utf8);

} // namespace quillara
