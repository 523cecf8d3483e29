#include "core/book/question_text.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <set>

namespace quillara {

std::string DrawnValuesText(const TQuestion& question, const TBookProperties& book,
                            const TVariableValues& values, const TRegionalSettings& regional) {
    std::string shown;
    std::set<std::string_view> named;
    ForEachPlaceholderName(question.Text, [&](std::string_view name) {
        const TVarible* variable = book.FindVariable(name);
        if (!variable || !named.insert(name).second) return;
        shown += (shown.empty() ? "{" : ", {") + std::string(name) +
                 "} = " + variable->DisplayText(values.ValueOf(*variable), regional);
    });
    return shown;
}

std::string ExpandText(const TQuestion& question, const TBookProperties& book,
                       TVariableValues& values, const TRegionalSettings& regional) {
    const std::string& text = question.Text;
    ForEachPlaceholderName(text, [&](std::string_view name) {
        if (const TVarible* variable = book.FindVariable(name)) values.Draw(*variable);
    });

    std::string result;
    std::string name;
    bool collecting = false;
    for (char c : text) {
        if (c == '{') {
            collecting = true;
            name.clear();
        } else if (c == '}' && collecting) {
            collecting = false;
            if (const TVarible* variable = book.FindVariable(name))
                result += variable->DisplayText(values.ValueOf(*variable), regional);
        } else if (collecting) {
            name += c;
        } else {
            // A "}" with no "{" before it is shown as written.
            result += c;
        }
    }
    return result;
}

namespace {
bool IsBreakSpace(char c) {
    return c == ' ' || c == '\r' || c == '\n' || c == 8;
}
} // namespace

bool StartsChoiceLabel(std::string_view text, std::size_t i) {
    if (i == 0 || i + 3 >= text.size()) return false;
    const char c = text[i];
    const bool letter = (c >= 'A' && c <= 'E') || (c >= 'a' && c <= 'e');
    return letter && IsBreakSpace(text[i - 1]) && (text[i + 1] == ')' || text[i + 1] == '.') &&
           (text[i + 2] == ' ' || text[i + 2] == 8);
}

std::string ChoiceLetters(std::string_view text) {
    // A label's letter stands just before a ')' or a '.', rare bytes in a text: the text is
    // searched for those eight bytes at a time, and only where one lies is a label looked for.
    std::string letters;
    constexpr std::uint64_t Ones = 0x0101010101010101ull;
    constexpr std::uint64_t Highs = 0x8080808080808080ull;
    auto has = [](std::uint64_t word, char c) {
        const std::uint64_t x = word ^ (Ones * static_cast<unsigned char>(c));
        return (x - Ones) & ~x & Highs;
    };
    // A label's mark has a letter and a break before it and two bytes after it.
    const std::size_t end = text.size() >= 3 ? text.size() - 2 : 0;
    std::size_t j = 2;
    for (; j + 8 <= end; j += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + j, 8);
        static_assert(std::endian::native == std::endian::little, "byte k is bits 8k to 8k + 7");
        // A flagged byte may be a false one just past a true one, never a missed one.
        for (std::uint64_t marks = has(word, ')') | has(word, '.'); marks != 0;
             marks &= marks - 1) {
            const std::size_t k = j + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
            if (StartsChoiceLabel(text, k - 1)) letters += text[k - 1];
        }
    }
    for (; j < end; ++j)
        if (StartsChoiceLabel(text, j - 1)) letters += text[j - 1];
    return letters;
}

std::string BuildRtf(const TQuestion& question, const std::string& text, int fontSize) {
    std::string out = "{\\rtf1\\ansi \\fs" + std::to_string(fontSize * 2) + "\\pard\\li0\\fi0 ";
    const bool multipleChoice = question.Kind == qkMultipleChoice;
    const std::size_t n = text.size();
    // s[i] of a 1-based text.
    auto s = [&](std::size_t i) { return text[i - 1]; };
    bool firstChoice = true;
    std::size_t i = 1;
    while (i <= n) {
        const char c = s(i);
        if (multipleChoice && StartsChoiceLabel(text, i - 1)) {
            if (firstChoice) {
                out += "\\pard\\li720\\fi-720\\tx360 ";
                firstChoice = false;
            }
            out += "\\par \\tab ";
            out += c;
            out += ")\\tab ";
            i += 2;
            while (i < n && IsBreakSpace(s(i)))
                ++i;
        } else if (c == '\r' && i < n && s(i + 1) == '\n') {
            out += "\r\n\\par ";
            while (i < n && IsBreakSpace(s(i)))
                ++i;
        } else if (c == '{' || c == '}') {
            out += '\\';
            out += c;
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    out += "\r\n}";
    return out;
}

} // namespace quillara
