#include "markup_text.h"

#include <array>
#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#include <memory>

namespace quillara::tool {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsBlock(std::string_view name) {
    static constexpr std::array blocks{"p",     "div",        "li",  "ul", "ol", "h1",
                                       "h2",    "h3",         "h4",  "h5", "h6", "tr",
                                       "table", "blockquote", "pre", "dd", "dt", "hr"};
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
                    PendingSpace = false;
                    Out += '\n';
                } else if (name == "img") {
                    xmlChar* alt = xmlGetProp(node, BAD_CAST "alt");
                    if (alt && *alt) AddText("[" + std::string(reinterpret_cast<char*>(alt)) + "]");
                    xmlFree(alt);
                } else if (name == "script" || name == "style") {
                    continue;
                } else {
                    const bool block = IsBlock(name);
                    if (block) EndLine();
                    if (name == "li") AddText("- ");
                    if (name == "td" || name == "th") AddText(" ");
                    Walk(node->children);
                    if (block) EndLine();
                    // Paragraphs stand apart, as a browser shows them.
                    if (name == "p") Out += '\n';
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
    // Ends the line unless it is already ended: blocks, one in another, break once.
    void EndLine() {
        PendingSpace = false;
        if (!Out.empty() && Out.back() != '\n') Out += '\n';
    }

    std::string Out;
    bool PendingSpace = false;
};

struct TDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

// Each pair of `mark` on one line removed, the words between kept; a mark without its pair
// stays as written. One pass, however many marks the text holds.
std::string DropPairedMarks(std::string_view line, std::string_view mark) {
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = line.find(mark, pos);
        const std::size_t close =
            open == std::string_view::npos ? open : line.find(mark, open + mark.size());
        if (close == std::string_view::npos) break;
        out.append(line.substr(pos, open - pos));
        out.append(line.substr(open + mark.size(), close - open - mark.size()));
        pos = close + mark.size();
    }
    out.append(line.substr(pos));
    return out;
}

// [words](address) as its words.
std::string DropLinkAddresses(std::string_view line) {
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = line.find('[', pos);
        const std::size_t middle = open == std::string_view::npos ? open : line.find("](", open);
        const std::size_t close =
            middle == std::string_view::npos ? middle : line.find(')', middle + 2);
        if (close == std::string_view::npos) break;
        out.append(line.substr(pos, open - pos));
        out.append(line.substr(open + 1, middle - open - 1));
        pos = close + 1;
    }
    out.append(line.substr(pos));
    return out;
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
    std::unique_ptr<xmlDoc, TDocFree> doc(htmlReadMemory(
        wrapped.data(), static_cast<int>(wrapped.size()), nullptr, "UTF-8",
        HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NOBLANKS));
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
        std::string plain = DropLinkAddresses(line);
        for (std::string_view mark : {"**", "__", "`"})
            plain = DropPairedMarks(plain, mark);
        text += plain;
        if (end < markdown.size()) text += '\n';
        start = end + 1;
    }
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
