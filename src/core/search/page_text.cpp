#include "core/search/page_text.h"

#include "core/search/html_entities.h"
#include "core/text/utf8.h"
#include "core/text/windows1252.h"

#include <algorithm>
#include <array>

namespace quillara {

namespace {

// Elements that start a line of their own, or stand between words like a picture does.
constexpr std::array<std::string_view, 31> Separating = {
    "address", "blockquote", "body", "br",    "caption", "center", "dd", "div",
    "dl",      "dt",         "h1",   "h2",    "h3",      "h4",     "h5", "h6",
    "head",    "hr",         "html", "img",   "li",      "ol",     "p",  "pre",
    "table",   "tbody",      "td",   "tfoot", "th",      "thead",  "tr"};

// Elements whose content nobody reads on the page.
constexpr std::array<std::string_view, 3> Unseen = {"script", "style", "title"};

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Collects visible text with white space collapsed; nothing leads or trails.
class TCollapsedText {
public:
    void Space() { SpacePending = !Text.empty(); }
    void Append(std::string_view bytes) {
        if (SpacePending) Text += ' ';
        SpacePending = false;
        Text += bytes;
    }
    void Append(char32_t c) {
        if (SpacePending) Text += ' ';
        SpacePending = false;
        AppendUtf8(Text, c);
    }
    std::string Take() { return std::move(Text); }

private:
    std::string Text;
    bool SpacePending = false;
};

class TPageReader {
public:
    explicit TPageReader(std::string_view utf8) : Html(utf8) {}

    std::string Read() {
        while (Pos < Html.size()) {
            const char c = Html[Pos];
            if (c == '<' && StartsMarkup())
                Markup();
            else if (c == '&')
                Entity();
            else if (IsAsciiSpace(c))
                ++Pos, Out.Space();
            else
                Out.Append(TakeRun());
        }
        return Out.Take();
    }

private:
    // Plain text up to the next markup, entity or white space, taken whole; at least one byte.
    std::string_view TakeRun() {
        const std::size_t start = Pos++;
        while (Pos < Html.size() && Html[Pos] != '<' && Html[Pos] != '&' &&
               !IsAsciiSpace(Html[Pos]))
            ++Pos;
        return Html.substr(start, Pos - start);
    }

    bool StartsMarkup() const {
        if (Pos + 1 >= Html.size()) return false;
        const char next = Html[Pos + 1];
        return IsAsciiLetter(next) || next == '/' || next == '!' || next == '?';
    }

    void SkipPast(std::string_view end) {
        const std::size_t found = Html.find(end, Pos);
        Pos = found == std::string_view::npos ? Html.size() : found + end.size();
    }

    std::string TagName() {
        std::string name;
        while (Pos < Html.size() &&
               (IsAsciiLetter(Html[Pos]) || (Html[Pos] >= '0' && Html[Pos] <= '9')))
            name += Lower(Html[Pos++]);
        return name;
    }

    // Past the closing '>', over attribute values in quotes that may hold one.
    void SkipTagRest() {
        char quote = 0;
        for (; Pos < Html.size(); ++Pos) {
            const char c = Html[Pos];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                ++Pos;
                return;
            }
        }
    }

    // Past the end tag of an unseen element, whatever letter case it is written in.
    void SkipContentOf(const std::string& name) {
        while (Pos < Html.size()) {
            SkipPast("</");
            const std::size_t start = Pos;
            if (TagName() == name) {
                SkipTagRest();
                return;
            }
            Pos = start;
        }
    }

    void Markup() {
        if (Html.substr(Pos, 4) == "<!--") {
            Pos += 4;
            SkipPast("-->");
            return;
        }
        ++Pos;
        const bool closing = Html[Pos] == '/';
        if (closing || Html[Pos] == '!' || Html[Pos] == '?') ++Pos;
        const std::string name = TagName();
        SkipTagRest();
        const bool selfClosed = Pos >= 2 && Html[Pos - 2] == '/';
        if (std::find(Separating.begin(), Separating.end(), name) != Separating.end()) Out.Space();
        if (!closing && !selfClosed &&
            std::find(Unseen.begin(), Unseen.end(), name) != Unseen.end())
            SkipContentOf(name);
    }

    // "&name;", "&#decimal;" or "&#xhex;" with the ';' within nine characters and no white space
    // before it, as the page viewer reads them; anything else is a plain '&'.
    void Entity() {
        const std::size_t start = Pos + 1;
        std::size_t end = start;
        while (end < Html.size() && end - start < 9 && Html[end] != ';' && !IsAsciiSpace(Html[end]))
            ++end;
        if (end < Html.size() && Html[end] == ';' && end > start) {
            if (const auto c = Resolve(Html.substr(start, end - start))) {
                Out.Append(*c);
                Pos = end + 1;
                return;
            }
        }
        Out.Append("&");
        ++Pos;
    }

    static std::optional<char32_t> Resolve(std::string_view name) {
        if (const auto named = NamedEntity(name)) return named;
        if (name.size() < 2 || name[0] != '#') return std::nullopt;
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty()) return std::nullopt;
        char32_t value = 0;
        for (const char d : digits) {
            const int digit = d >= '0' && d <= '9'   ? d - '0'
                              : !hex                 ? -1
                              : d >= 'a' && d <= 'f' ? d - 'a' + 10
                              : d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                     : -1;
            if (digit < 0) return std::nullopt;
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        }
        // Pages written on Windows number its characters 128 to 159 by their Windows-1252 bytes.
        if (value >= 0x80 && value <= 0x9F) {
            std::size_t pos = 0;
            return NextCodePoint(Windows1252ToUtf8(std::string(1, static_cast<char>(value))), pos);
        }
        if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) return 0xFFFD;
        return value;
    }

    std::string_view Html;
    std::size_t Pos = 0;
    TCollapsedText Out;
};

} // namespace

std::string PageText(std::string_view html) {
    const std::string utf8 = Windows1252ToUtf8(html);
    return TPageReader(utf8).Read();
}

std::string PlainText(std::string_view text) {
    TCollapsedText out;
    const std::string utf8 = Windows1252ToUtf8(text);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (IsAsciiSpace(utf8[i]))
            out.Space();
        else
            out.Append(std::string_view(utf8).substr(i, 1));
    }
    return out.Take();
}

} // namespace quillara
