#include "quiz_file_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace quillara::tool {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::optional<double> QuizNumber(std::string_view text) {
    text = Trim(text);
    if (text.starts_with('+')) text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

int DecimalsWritten(std::string_view number) {
    number = Trim(number);
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos) return 0;
    const std::string_view decimals = number.substr(point + 1);
    return static_cast<int>(std::min(decimals.size(), decimals.find_first_not_of("0123456789")));
}

std::string QuizNumberText(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : "0";
}

std::string QuestionName(const std::string& text, std::size_t number) {
    std::string name(Trim(text.substr(0, text.find('\n'))));
    if (name.size() > 60) {
        name.resize(60);
        // Not inside a character of several bytes.
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80)
            name.pop_back();
        if (!name.empty()) name.pop_back();
        name += "...";
    }
    return name.empty() ? "Question " + std::to_string(number) : name;
}

} // namespace quillara::tool
