#include "tool_io.h"

#include "commands.h"
#include "output_file.h"

#include <charconv>

namespace quillara::tool {

TRegionalSettings ToolRegionalSettings() {
    return TRegionalSettings{};
}

long ParseWholeArgument(const std::string& text, const std::string& what, long min, long max) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        const std::string range =
            min == LONG_MIN ? std::string()
                            : " from " + std::to_string(min) + " to " + std::to_string(max);
        throw UsageError(what + " must be a whole number" + range + ", not \"" + text + "\"");
    }
    return value;
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    TOutputFile file(path);
    file.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.Commit();
}

} // namespace quillara::tool
