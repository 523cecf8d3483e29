#include "quiz_format.h"

#include "core/text/utf8.h"
#include "core/text/windows1252.h"

#include <algorithm>
#include <cctype>

namespace quillara::tool {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool HasAnswerLine(std::string_view text) {
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
            line.remove_prefix(1);
        // Teachers write "Answer:" and "answer:" too.
        std::string head(line.substr(0, 7));
        for (char& c : head)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (head == "ANSWER:") return true;
        start = end + 1;
    }
    return false;
}

} // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (NextCodePoint(text, pos) == U'\uFFFD' && text.substr(start, 3) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

std::optional<TQuizFormat> QuizFormatNamed(std::string_view name) {
    if (name == "gift") return TQuizFormat::Gift;
    if (name == "moodle-xml") return TQuizFormat::MoodleXml;
    if (name == "aiken") return TQuizFormat::Aiken;
    return std::nullopt;
}

std::string_view QuizFormatName(TQuizFormat format) {
    switch (format) {
    case TQuizFormat::Gift:
        return "gift";
    case TQuizFormat::MoodleXml:
        return "moodle-xml";
    case TQuizFormat::Aiken:
        return "aiken";
    }
    return {};
}

TQuizFormat GuessQuizFormat(const std::filesystem::path& file, std::string_view bytes) {
    if (bytes.starts_with(ByteOrderMark)) bytes.remove_prefix(ByteOrderMark.size());
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && bytes[first] == '<') return TQuizFormat::MoodleXml;
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".xml") return TQuizFormat::MoodleXml;
    if (extension == ".gift") return TQuizFormat::Gift;
    if (HasAnswerLine(bytes) && bytes.find('{') == std::string_view::npos)
        return TQuizFormat::Aiken;
    return TQuizFormat::Gift;
}

std::string QuizFileText(std::string_view bytes, bool& wasWindows1252) {
    if (bytes.starts_with(ByteOrderMark)) bytes.remove_prefix(ByteOrderMark.size());
    wasWindows1252 = !IsUtf8(bytes);
    return wasWindows1252 ? Windows1252ToUtf8(bytes) : std::string(bytes);
}

} // namespace quillara::tool
