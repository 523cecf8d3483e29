#pragma once

#include <climits>
#include <filesystem>
#include <string>

namespace quillara::tool {

// A whole number given on the command line, within [min, max]; UsageError otherwise.
long ParseWholeArgument(const std::string& text, const std::string& what, long min = LONG_MIN,
                        long max = LONG_MAX);

// Writes a file whole through TOutputFile: beside its place first, then renamed into it; raises
// naming the file and the reason when that fails.
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

} // namespace quillara::tool
