#include "core/formula/formula.h"

#include <algorithm>
#include <charconv>

namespace quillara {

namespace {

const std::string CallMarker = "**";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsValidFunctionName(std::string_view name) {
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return IsLetter(c) || c == '_'; });
}

Extended ParseNumberRun(std::string_view run) {
    Extended value = 0;
    const auto [end, error] =
        std::from_chars(run.data(), run.data() + run.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != run.data() + run.size())
        throw EFormulaSyntaxError("\"" + std::string(run) + "\" is not a valid number");
    return value;
}

void Fail(std::vector<std::string>* messages, const char* message) {
    if (messages) messages->emplace_back(message);
}

} // namespace

TFormula::TFormula(bool hasDeclaration, std::string source, std::string secondText,
                   std::uint8_t recordVersion)
    : HasDeclaration(hasDeclaration), SecondText(std::move(secondText)),
      Parameters(std::vector<std::string>{}), Source(std::move(source)),
      RecordVersion(recordVersion) {
    std::vector<std::string> discarded;
    Compile(&discarded);
}

TFormula::TFormula(int formCode) : HasDeclaration(formCode == 1) {}

bool TFormula::Compile(std::vector<std::string>* messages) {
    ++CompileCount;
    Nodes.clear();
    Compiled = false; // stays false when the parse raises
    CompiledSource.reset();
    const bool failed = HasDeclaration ? ParseDeclaration(messages) : ParseExpression(Source);
    Compiled = !failed;
    CompiledSource = Source;
    CompiledAsDeclaration = HasDeclaration;
    return Compiled;
}

bool TFormula::IsCompiledAsIs() const {
    return CompiledSource && *CompiledSource == Source && CompiledAsDeclaration == HasDeclaration;
}

bool TFormula::CompileIfChanged(std::vector<std::string>* messages) {
    if (IsCompiledAsIs()) return Compiled;
    return Compile(messages);
}

bool TFormula::ParseDeclaration(std::vector<std::string>* messages) {
    const auto equals = Source.find('=');
    if (equals == std::string::npos) {
        Fail(messages, Source.empty() ? "The formula entered is blank."
                                      : "The formula entered does not have a declaration, or is "
                                        "missing an assignment (=).");
        return true;
    }
    // Blanks before the "=" are layout, not part of the parameter list.
    std::string_view head = std::string_view(Source).substr(0, equals);
    while (!head.empty() && static_cast<unsigned char>(head.back()) <= 32)
        head.remove_suffix(1);
    const std::string_view body = std::string_view(Source).substr(equals + 1);

    const auto open = head.find('(');
    if (open == std::string_view::npos) {
        Fail(messages, "Expecting \"(\" after function name as start of the paramater list.");
        return true;
    }
    Name = std::string(head.substr(0, open));
    if (!IsValidFunctionName(Name)) {
        Name.clear();
        Fail(messages, "Function names can only contain letters and underscores.");
        return true;
    }
    std::string_view rest = head.substr(open + 1);
    if (rest.find('(') != std::string_view::npos) {
        Fail(messages, "Too many \"(\" found in the function declaration.");
        return true;
    }
    const auto close = rest.find(')');
    if (close == std::string_view::npos || close != rest.size() - 1) {
        Fail(messages, "A \")\" was expected to end the paramater declaration, and no other "
                       "parens can be in the function declaration.");
        return true;
    }
    rest.remove_suffix(1);

    Parameters.emplace();
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        std::string_view parameter = rest;
        if (comma != std::string_view::npos) {
            parameter = rest.substr(0, comma);
            rest = rest.substr(comma + 1, 255);
        } else {
            rest = {};
        }
        Parameters->push_back("{" + std::string(parameter) + "}");
    }
    return ParseExpression(body);
}

bool TFormula::ParseExpression(std::string_view text) {
    bool failed = false;
    std::vector<std::string> stack;
    auto pop = [&] {
        Nodes.push_back({nkOperator, 0, std::move(stack.back())});
        stack.pop_back();
    };
    auto popWhileTopIn = [&](std::initializer_list<std::string_view> operators) {
        while (!stack.empty() &&
               std::find(operators.begin(), operators.end(), stack.back()) != operators.end())
            pop();
    };

    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '(') {
            stack.emplace_back("(");
            ++i;
        } else if (c == ')') {
            while (!stack.empty() && stack.back() != "(")
                pop();
            if (stack.empty()) throw EFormulaSyntaxError("A \")\" has no matching \"(\"");
            stack.pop_back();
            if (stack.size() > 1 && stack.back() == CallMarker) {
                stack.pop_back();
                Nodes.push_back({nkCall, 0, std::move(stack.back())});
                stack.pop_back();
            }
            ++i;
        } else if (c == '^') {
            popWhileTopIn({"^"});
            stack.emplace_back("^");
            ++i;
        } else if (c == '*' || c == '/') {
            popWhileTopIn({"^", "*", "/"});
            stack.emplace_back(1, c);
            ++i;
        } else if (c == '+' || c == '-') {
            popWhileTopIn({"+", "-", "^", "*", "/"});
            stack.emplace_back(1, c);
            ++i;
        } else if (IsDigit(c) || c == '.') {
            std::size_t end = i;
            while (end < text.size() && (IsDigit(text[end]) || text[end] == '.'))
                ++end;
            Nodes.push_back({nkNumber, ParseNumberRun(text.substr(i, end - i)), {}});
            i = end;
        } else if (IsLetter(c)) {
            std::size_t end = i;
            while (end < text.size() &&
                   (IsLetter(text[end]) || IsDigit(text[end]) || text[end] == '_'))
                ++end;
            stack.emplace_back(text.substr(i, end - i));
            stack.push_back(CallMarker);
            i = end;
        } else if (c == '{') {
            if (i + 2 < text.size() && IsDigit(text[i + 1]) && text[i + 2] == '}') {
                Nodes.push_back({nkArgument, static_cast<Extended>(text[i + 1] - '0'), {}});
                i += 3;
            } else {
                const auto close = text.find('}', i);
                if (close == std::string_view::npos)
                    throw EFormulaSyntaxError("A \"{\" has no matching \"}\"");
                Nodes.push_back({nkVariable, 0, std::string(text.substr(i, close - i + 1))});
                i = close + 1;
            }
        } else if (c == ' ' || c == ',') {
            ++i;
        } else {
            failed = true;
            ++i;
        }
    }
    while (!stack.empty())
        pop();
    return failed;
}

} // namespace quillara
