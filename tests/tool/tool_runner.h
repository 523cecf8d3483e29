#pragma once

#include <string>
#include <vector>

namespace quillara::testing {

struct ToolResult {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
    // The most memory the program held at once, as the kernel counted it (its peak resident set).
    long PeakKiB = 0;
};

// Runs the program with the arguments, no shell involved, and collects its output. With a time
// limit, an alarm ends the program after that many seconds (an alarm outlives exec), so that a
// program that waits for ever fails its test (ExitCode 128 + SIGALRM) instead of hanging it.
ToolResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      unsigned timeLimitSeconds = 0);

// Runs the built quillara-book.
ToolResult RunTool(const std::vector<std::string>& args, unsigned timeLimitSeconds = 0);

} // namespace quillara::testing
