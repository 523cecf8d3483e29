#include "core/text/number_text.h"

#include "core/io/book_errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

using namespace std::string_view_literals;

namespace quillara {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void NotANumber(std::string_view text) {
    throw EConvertError("\"" + std::string(text) + "\" is not a valid number");
}

// snprintf into a string as long as the text needs.
template <typename... Values> std::string Formatted(const char* format, Values... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, values...);
    return text;
}

// Unsigned digits of |value| with '.' as the point, before separators and signs are applied.
// Any number of places is written out in full.
std::string PlainFixed(Extended magnitude, int precision, int digits, bool& scientific) {
    scientific = false;
    if (magnitude == 0) return digits > 0 ? "0." + std::string(digits, '0') : "0";
    // The significant digits, rounded to the precision, and the power of ten of the first.
    const std::string mantissaAndExponent = Formatted("%.*Le", precision - 1, magnitude);
    const auto e = mantissaAndExponent.find('e');
    const int exponent = std::stoi(mantissaAndExponent.substr(e + 1));
    const int integerDigits = exponent + 1;
    if (integerDigits > precision) {
        scientific = true;
        return mantissaAndExponent.substr(0, e) + "E" + (exponent < 0 ? "-" : "+") +
               std::to_string(std::abs(exponent));
    }
    if (integerDigits + digits <= precision) return Formatted("%.*Lf", digits, magnitude);
    // More places are asked for than the precision allows: the rounded significant digits in
    // their places, then zeros.
    std::string significant;
    for (char c : mantissaAndExponent.substr(0, e))
        if (IsDigit(c)) significant += c;
    std::string whole = "0";
    std::string fraction;
    if (integerDigits > 0) {
        whole = significant.substr(0, static_cast<std::size_t>(integerDigits));
        fraction = significant.substr(static_cast<std::size_t>(integerDigits));
    } else {
        fraction = std::string(static_cast<std::size_t>(-integerDigits), '0') + significant;
    }
    fraction.resize(static_cast<std::size_t>(digits), '0');
    return whole + "." + fraction;
}

bool AllZero(const std::string& digits) {
    for (char c : digits)
        if (c >= '1' && c <= '9') return false;
    return true;
}

std::string ApplySeparators(const std::string& plain, const std::string& decimalSeparator,
                            const std::string& thousandSeparator) {
    const auto point = plain.find('.');
    std::string whole = plain.substr(0, point);
    std::string result;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) result += thousandSeparator;
        result += whole[i];
    }
    if (point != std::string::npos) result += decimalSeparator + plain.substr(point + 1);
    return result;
}

} // namespace

namespace {

// The number in `text` written with `separator` as its decimal separator, or nothing.
std::optional<Extended> TryParseNumber(std::string_view text, std::string_view separator) {
    std::string_view rest = text;
    while (!rest.empty() && static_cast<unsigned char>(rest.front()) <= 32)
        rest.remove_prefix(1);
    while (!rest.empty() && static_cast<unsigned char>(rest.back()) <= 32)
        rest.remove_suffix(1);

    std::string normal;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        normal += rest.front();
        rest.remove_prefix(1);
    }
    bool anyDigit = false;
    while (!rest.empty() && IsDigit(rest.front())) {
        normal += rest.front();
        rest.remove_prefix(1);
        anyDigit = true;
    }
    if (!separator.empty() && rest.substr(0, separator.size()) == separator) {
        normal += '.';
        rest.remove_prefix(separator.size());
        while (!rest.empty() && IsDigit(rest.front())) {
            normal += rest.front();
            rest.remove_prefix(1);
            anyDigit = true;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        normal += 'e';
        rest.remove_prefix(1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            normal += rest.front();
            rest.remove_prefix(1);
        }
        if (rest.empty() || !IsDigit(rest.front())) return std::nullopt;
        while (!rest.empty() && IsDigit(rest.front())) {
            normal += rest.front();
            rest.remove_prefix(1);
        }
    }
    if (!rest.empty()) return std::nullopt;

    const char* begin = normal.data() + (normal.front() == '+' ? 1 : 0);
    Extended value = 0;
    const auto [end, error] = std::from_chars(begin, normal.data() + normal.size(), value);
    if (error != std::errc() || end != normal.data() + normal.size()) return std::nullopt;
    return value;
}

} // namespace

Extended ParseNumberText(std::string_view text, const TRegionalSettings& regional) {
    if (const auto value = TryParseNumber(text, regional.DecimalSeparator)) return *value;
    NotANumber(text);
}

Extended ParseStoredNumberText(std::string_view text, const TRegionalSettings& regional,
                               bool* withoutPoint) {
    if (withoutPoint) *withoutPoint = false;
    if (const auto value = TryParseNumber(text, ".")) return *value;
    if (withoutPoint) *withoutPoint = true;
    for (std::string_view separator : {std::string_view(regional.DecimalSeparator), ","sv})
        if (const auto value = TryParseNumber(text, separator)) return *value;
    NotANumber(text);
}

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

// The number written with `decimal` as its decimal separator and, where its whole part has
// them, `group` between each three digits counted from the separator; nothing otherwise.
std::optional<Extended> TryParseGrouped(std::string_view text, std::string_view decimal,
                                        std::string_view group) {
    if (group.empty() || group == decimal || text.find(group) == std::string_view::npos)
        return TryParseNumber(text, decimal);
    const std::size_t decimalAt = decimal.empty() ? std::string_view::npos : text.find(decimal);
    const std::size_t wholeEnd = std::min(decimalAt, text.find_first_of("eE"));
    std::string_view whole = TrimBlanks(text.substr(0, wholeEnd));
    std::string joined;
    if (!whole.empty() && (whole.front() == '+' || whole.front() == '-')) {
        joined += whole.front();
        whole.remove_prefix(1);
    }
    for (bool first = true;; first = false) {
        const std::size_t end = whole.find(group);
        const std::string_view digits = whole.substr(0, end);
        const bool sized = first ? !digits.empty() && digits.size() <= 3 : digits.size() == 3;
        if (!sized || !std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
        joined += digits;
        if (end == std::string_view::npos) break;
        whole.remove_prefix(end + group.size());
    }
    if (wholeEnd != std::string_view::npos) joined += text.substr(wholeEnd);
    return TryParseNumber(joined, decimal);
}

} // namespace

TTypedNumber ParseTypedNumberText(std::string_view text, const TRegionalSettings& regional) {
    std::string typed(TrimBlanks(text));
    // A non-breaking space groups thousands where a space does.
    std::replace(typed.begin(), typed.end(), '\xA0', ' ');
    const std::string& symbol = regional.CurrencySymbol;
    if (!symbol.empty() && typed.starts_with(symbol)) typed.erase(0, symbol.size());
    if (!symbol.empty() && typed.ends_with(symbol)) typed.erase(typed.size() - symbol.size());

    std::vector<std::pair<std::string_view, std::string_view>> forms;
    if (const auto& money = regional.MoneySeparators)
        forms.emplace_back(money->Decimal, money->Thousand);
    forms.emplace_back(regional.DecimalSeparator, regional.ThousandSeparator);
    forms.emplace_back("."sv, ""sv);
    std::optional<TTypedNumber> read;
    for (const auto& [decimal, group] : forms) {
        const auto value = TryParseGrouped(typed, decimal, group);
        if (!value) continue;
        if (!read)
            read = TTypedNumber{*value, false};
        else if (*value != read->Value)
            read->OtherReading = true;
    }
    if (!read) NotANumber(text);
    return *read;
}

std::string FormatFixed(Extended value, int precision, int digits,
                        const TRegionalSettings& regional) {
    if (digits < 0) digits = 0;
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    bool scientific = false;
    const std::string plain = PlainFixed(std::fabs(value), precision, digits, scientific);
    std::string text = scientific ? plain : ApplySeparators(plain, regional.DecimalSeparator, "");
    if (scientific) {
        const auto point = text.find('.');
        if (point != std::string::npos) text.replace(point, 1, regional.DecimalSeparator);
    }
    const bool negative = value < 0 && !AllZero(plain);
    return negative ? "-" + text : text;
}

std::string FormatCurrency(Extended value, int digits, const TRegionalSettings& regional) {
    if (digits < 0) digits = 0;
    bool scientific = false;
    const std::string plain = std::isfinite(value)
                                  ? PlainFixed(std::fabs(value), 18, digits, scientific)
                                  : (std::isnan(value) ? "NAN" : "INF");
    const auto& money = regional.MoneySeparators;
    const std::string n =
        scientific ? plain
                   : ApplySeparators(plain, money ? money->Decimal : regional.DecimalSeparator,
                                     money ? money->Thousand : regional.ThousandSeparator);
    const std::string& s = regional.CurrencySymbol;
    if (!(value < 0) || AllZero(plain)) {
        switch (regional.CurrencyFormat) {
        case 1:
            return n + s;
        case 2:
            return s + " " + n;
        case 3:
            return n + " " + s;
        default:
            return s + n;
        }
    }
    switch (regional.NegativeCurrencyFormat) {
    case 1:
        return "-" + s + n;
    case 2:
        return s + "-" + n;
    case 3:
        return s + n + "-";
    case 4:
        return "(" + n + s + ")";
    case 5:
        return "-" + n + s;
    case 6:
        return n + "-" + s;
    case 7:
        return n + s + "-";
    case 8:
        return "-" + n + " " + s;
    case 9:
        return "-" + s + " " + n;
    case 10:
        return n + " " + s + "-";
    case 11:
        return s + " " + n + "-";
    case 12:
        return s + " -" + n;
    case 13:
        return n + "- " + s;
    case 14:
        return "(" + s + " " + n + ")";
    case 15:
        return "(" + n + " " + s + ")";
    default:
        return "(" + s + n + ")";
    }
}

std::string FormatGeneral(double value, int precision, const TRegionalSettings& regional) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    char buffer[64];
    // Adding 0 turns -0 into 0.
    std::snprintf(buffer, sizeof buffer, "%.*G", std::clamp(precision, 1, 17), value + 0.0);
    std::string text = buffer;
    const auto e = text.find('E');
    if (e != std::string::npos) {
        // printf pads the exponent to two digits; the general format writes it as it is.
        const auto digits = text.find_first_not_of('0', e + 2);
        text.erase(e + 2, digits - (e + 2));
    }
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, regional.DecimalSeparator);
    return text;
}

std::string FormatShortest(double value, const TRegionalSettings& regional) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, error == std::errc() ? end : buffer);
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, regional.DecimalSeparator);
    return text;
}

} // namespace quillara
