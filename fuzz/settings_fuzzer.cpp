// Settings files from arbitrary bytes. The first byte says how many of the next bytes name the
// section looked for; a section written for that name, with a value made of what is left, must
// read back as written.
#include "core/book/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view section = bytes.substr(0, data[0]);
    const std::string_view text = bytes.substr(section.size());
    quillara::ReadSettingsSection(text, section);

    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const bool plain = [&](std::string_view s) {
        return !s.empty() && !blank(s.front()) && !blank(s.back()) &&
               s.find_first_of("\r\n") == std::string_view::npos;
    }(text);
    if (!quillara::CanNameSettingsSection(section) || !plain) return 0;
    const std::string written =
        quillara::WriteSettingsSection(section, {{"Key", std::string(text)}});
    const auto values = quillara::ReadSettingsSection(written, section);
    if (values.size() != 1 || values.begin()->second != text) std::abort();
    return 0;
}
