#include "core/book/settings_file.h"

#include "core/book/glossary.h"

namespace quillara {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::map<std::string, std::string> ReadSettingsSection(std::string_view text,
                                                       std::string_view section) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view wanted = Trimmed(section);
    std::map<std::string, std::string> values;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            const std::string_view name =
                line.substr(1, close == std::string_view::npos ? close : close - 1);
            inSection = SameTerm(Trimmed(name), wanted);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        values[UpperAscii(Trimmed(line.substr(0, equals)))] = Trimmed(line.substr(equals + 1));
    }
    return values;
}

bool CanNameSettingsSection(std::string_view title) {
    return title.find_first_of("\r\n") == std::string_view::npos;
}

std::string WriteSettingsSection(std::string_view section,
                                 const std::vector<std::pair<std::string, std::string>>& values) {
    std::string text = "[" + std::string(section) + "]\r\n";
    for (const auto& [key, value] : values)
        text += key + "=" + value + "\r\n";
    return text;
}

} // namespace quillara
