// Book titles from arbitrary bytes, made into the folder of the student's own score file.
// Whatever the title, the folder is one new name under the data folder: no separator, not
// hidden, not "." or "..", no longer than a file name may be, and whole UTF-8.
#include "core/scores/score_place.h"
#include "core/text/utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string title(reinterpret_cast<const char*>(data), size);
    const std::string base = "/data/quillara/";
    const std::string folder = quillara::UserScoresDirectory(title, "/data", nullptr);
    if (!folder.starts_with(base) || !folder.ends_with("/")) __builtin_trap();
    const std::string name = folder.substr(base.size(), folder.size() - base.size() - 1);
    if (name.empty() || name.size() > 255 || name.front() == '.' ||
        name.find('/') != std::string::npos || name.find('\0') != std::string::npos)
        __builtin_trap();
    // Windows-1252 maps no byte to U+FFFD, so one here is a broken sequence.
    for (std::size_t at = 0; at < name.size();)
        if (quillara::NextCodePoint(name, at) == U'\uFFFD') __builtin_trap();
    return 0;
}
