#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillara::tool {

// The src of every <img> tag of an HTML page, in order, as written.
std::vector<std::string> PicturesOfPage(std::string_view html);

} // namespace quillara::tool
