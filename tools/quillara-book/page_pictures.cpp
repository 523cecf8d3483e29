#include "page_pictures.h"

#include "core/book/glossary.h"

namespace quillara::tool {

std::vector<std::string> PicturesOfPage(std::string_view html) {
    const std::string upper = UpperAscii(html);
    std::vector<std::string> pictures;
    for (std::size_t tag = upper.find("<IMG"); tag != std::string::npos;
         tag = upper.find("<IMG", tag + 4)) {
        const std::size_t end = upper.find('>', tag);
        const std::size_t src = upper.find("SRC", tag);
        if (src == std::string::npos || (end != std::string::npos && src > end)) continue;
        std::size_t at = src + 3;
        while (at < upper.size() &&
               (upper[at] == ' ' || upper[at] == '\t' || upper[at] == '\r' || upper[at] == '\n'))
            ++at;
        if (at >= upper.size() || upper[at] != '=') continue;
        ++at;
        while (at < upper.size() &&
               (upper[at] == ' ' || upper[at] == '\t' || upper[at] == '\r' || upper[at] == '\n'))
            ++at;
        if (at >= upper.size()) break;
        const char quote = html[at] == '"' || html[at] == '\'' ? html[at] : '\0';
        if (quote) ++at;
        std::size_t stop = at;
        while (stop < html.size() &&
               (quote ? html[stop] != quote : html[stop] != ' ' && html[stop] != '>'))
            ++stop;
        pictures.emplace_back(html.substr(at, stop - at));
    }
    return pictures;
}

} // namespace quillara::tool
