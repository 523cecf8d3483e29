#pragma once

#include <string>
#include <vector>

namespace quillara::testing {

struct ToolResult {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// Runs the built quillara-book with the arguments, no shell involved, and collects its output.
ToolResult RunTool(const std::vector<std::string>& args);

} // namespace quillara::testing
