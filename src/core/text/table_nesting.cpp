#include "core/text/table_nesting.h"

#include <array>

namespace quillara {

namespace {

constexpr std::array<std::string_view, 7> TableParts = {"tr",    "td",    "th",     "thead",
                                                        "tbody", "tfoot", "caption"};

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool SameName(std::string_view name, std::string_view lower) {
    if (name.size() != lower.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if ((name[i] | 0x20) != lower[i]) return false;
    return true;
}

} // namespace

std::string FlattenDeepTables(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    int depth = 0;
    std::size_t pos = 0;
    while (pos < html.size()) {
        const std::size_t open = html.find('<', pos);
        if (open == std::string_view::npos) break;
        if (html.substr(open, 4) == "<!--") {
            const std::size_t end = html.find("-->", open + 4);
            const std::size_t next = end == std::string_view::npos ? html.size() : end + 3;
            out.append(html.substr(pos, next - pos));
            pos = next;
            continue;
        }
        const std::size_t close = html.find('>', open);
        if (close == std::string_view::npos) break;
        const bool ending = open + 1 < html.size() && html[open + 1] == '/';
        std::size_t nameEnd = open + 1 + (ending ? 1 : 0);
        const std::size_t nameStart = nameEnd;
        while (nameEnd < close && IsNameCharacter(html[nameEnd]))
            ++nameEnd;
        const std::string_view name = html.substr(nameStart, nameEnd - nameStart);

        bool dropped = false;
        if (SameName(name, "table")) {
            if (!ending) ++depth;
            dropped = depth > MaxTableNesting;
            if (ending && depth > 0) --depth;
        } else {
            for (const std::string_view part : TableParts)
                dropped = dropped || (depth > MaxTableNesting && SameName(name, part));
        }
        out.append(html.substr(pos, (dropped ? open : close + 1) - pos));
        pos = close + 1;
    }
    out.append(html.substr(pos));
    return out;
}

} // namespace quillara
