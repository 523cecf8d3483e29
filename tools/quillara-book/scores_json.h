#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace quillara::tool {

// {"scores": [{"date", "description", "details": [{"chapter", "correct", "incorrect"}]}]}, in
// file order, the descriptions in UTF-8. A file that ends inside a record raises the reader's
// error.
nlohmann::json ScoresToJson(std::string_view bytes, const std::string& fileName);

} // namespace quillara::tool
