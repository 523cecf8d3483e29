#include "markup_text.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <array>
#include <memory>

namespace quillara::tool {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsBlock(std::string_view name) {
    static constexpr std::array blocks{"p",  "div", "li", "ul", "ol", "h1", "h2", "h3",   "h4",
                                       "h5", "h6",  "tr", "table", "blockquote", "pre", "dd",
                                       "dt", "hr"};
    for (std::string_view block : blocks)
        if (name == block) return true;
    return false;
}

class TPlainTextBuilder {
public:
    void Walk(const xmlNode* node) {
        for (; node; node = node->next) {
            if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
                AddText(reinterpret_cast<const char*>(node->content));
            } else if (node->type == XML_ELEMENT_NODE) {
                const std::string_view name = reinterpret_cast<const char*>(node->name);
                if (name == "br") {
                    Break();
                } else if (name == "img") {
                    xmlChar* alt = xmlGetProp(node, BAD_CAST "alt");
                    if (alt && *alt) AddText("[" + std::string(reinterpret_cast<char*>(alt)) + "]");
                    xmlFree(alt);
                } else if (name == "script" || name == "style") {
                    continue;
                } else {
                    const bool block = IsBlock(name);
                    if (block) Break();
                    if (name == "li") AddText("- ");
                    if (name == "td" || name == "th") AddText(" ");
                    Walk(node->children);
                    if (block) Break();
                }
            }
        }
    }
    std::string Text() const { return TidyLines(Out); }

    void AddText(std::string_view text) {
        for (char c : text) {
            if (IsBlank(c)) {
                PendingSpace = !Out.empty() && Out.back() != '\n';
            } else {
                if (PendingSpace) Out += ' ';
                PendingSpace = false;
                Out += c;
            }
        }
    }
private:
    void Break() {
        PendingSpace = false;
        Out += '\n';
    }

    std::string Out;
    bool PendingSpace = false;
};

struct TDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

// Removes each pair of `mark` around a word run, leaving unpaired marks as written.
std::string DropPairedMarks(std::string text, std::string_view mark) {
    for (std::size_t open = text.find(mark); open != std::string::npos;
         open = text.find(mark, open)) {
        const std::size_t close = text.find(mark, open + mark.size());
        if (close == std::string::npos || close == open + mark.size() ||
            text.find('\n', open) < close)
            break;
        text.erase(close, mark.size());
        text.erase(open, mark.size());
        open = close - mark.size();
    }
    return text;
}

} // namespace

std::string HtmlToPlainText(std::string_view html) {
    if (html.find_first_of("<&") == std::string_view::npos) {
        TPlainTextBuilder builder;
        builder.AddText(html);
        return builder.Text();
    }
    // The HTML parser never reaches the network and keeps quiet about the tag soup that quiz
    // platforms write.
    const std::string wrapped = "<html><body>" + std::string(html) + "</body></html>";
    std::unique_ptr<xmlDoc, TDocFree> doc(
        htmlReadMemory(wrapped.data(), static_cast<int>(wrapped.size()), nullptr, "UTF-8",
                       HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                           HTML_PARSE_NOBLANKS));
    if (!doc) return TidyLines(html);
    TPlainTextBuilder builder;
    builder.Walk(xmlDocGetRootElement(doc.get()));
    return builder.Text();
}

std::string MarkdownToPlainText(std::string_view markdown) {
    std::string text;
    std::size_t start = 0;
    while (start <= markdown.size()) {
        std::size_t end = markdown.find('\n', start);
        if (end == std::string_view::npos) end = markdown.size();
        std::string_view line = markdown.substr(start, end - start);
        const std::size_t hashes = line.find_first_not_of('#');
        if (hashes > 0 && hashes != std::string_view::npos && line[hashes] == ' ')
            line.remove_prefix(hashes + 1);
        text.append(line);
        if (end < markdown.size()) text += '\n';
        start = end + 1;
    }
    // Links keep their words.
    for (std::size_t open = text.find('['); open != std::string::npos;
         open = text.find('[', open + 1)) {
        const std::size_t close = text.find("](", open);
        const std::size_t end = close == std::string::npos ? close : text.find(')', close);
        if (end == std::string::npos || text.find('\n', open) < end) continue;
        text = text.substr(0, open) + text.substr(open + 1, close - open - 1) +
               text.substr(end + 1);
    }
    for (std::string_view mark : {"**", "__", "`"})
        text = DropPairedMarks(std::move(text), mark);
    return TidyLines(text);
}

std::string TidyLines(std::string_view text) {
    std::string out;
    std::size_t emptyLines = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && IsBlank(line.front()))
            line.remove_prefix(1);
        while (!line.empty() && IsBlank(line.back()))
            line.remove_suffix(1);
        if (line.empty()) {
            ++emptyLines;
        } else {
            if (!out.empty()) out += emptyLines > 0 ? "\n\n" : "\n";
            out.append(line);
            emptyLines = 0;
        }
        start = end + 1;
    }
    return out;
}

} // namespace quillara::tool
