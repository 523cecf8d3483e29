#include "named_parameters.h"

#include "core/formula/formula.h"

#include <algorithm>
#include <vector>

namespace quillara::tool {

namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsNameCharacter(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

// A name the formula reader takes as one word: a letter, then letters, digits and "_".
bool IsPlainName(std::string_view name) {
    return !name.empty() && IsLetter(name[0]) &&
           std::all_of(name.begin(), name.end(), IsNameCharacter);
}

// The parameters' names as the formula reader splits the head, without their braces and the
// blanks around them; none when the text is no declaration with a parameter list.
std::optional<std::vector<std::string>> ParameterNames(std::string_view declaration) {
    TFormula formula(1);
    formula.Source = declaration;
    try {
        formula.Compile(nullptr);
    } catch (const EFormulaSyntaxError&) {
        // The head was read before the body failed.
    }
    if (!formula.Parameters) return std::nullopt;
    std::vector<std::string> names;
    for (const std::string& braced : *formula.Parameters) {
        std::string_view name = std::string_view(braced).substr(1, braced.size() - 2);
        while (!name.empty() && static_cast<unsigned char>(name.front()) <= 32)
            name.remove_prefix(1);
        while (!name.empty() && static_cast<unsigned char>(name.back()) <= 32)
            name.remove_suffix(1);
        names.emplace_back(name);
    }
    return names;
}

// Rewrites the words and the braced parts of a body as the formula reader splits it: numbers
// and words are runs, a brace runs to the next "}".
template <typename Word, typename Braced>
std::string RewriteBody(std::string_view body, Word word, Braced braced) {
    std::string out;
    for (std::size_t i = 0; i < body.size();) {
        std::size_t end = i + 1;
        if (body[i] == '{') {
            end = std::min(body.find('}', i), body.size() - 1) + 1;
            out += braced(body.substr(i, end - i));
        } else if (IsLetter(body[i])) {
            while (end < body.size() && IsNameCharacter(body[end]))
                ++end;
            out += word(body.substr(i, end - i));
        } else {
            out += body[i];
        }
        i = end;
    }
    return out;
}

} // namespace

std::string PositionalDeclaration(std::string_view named) {
    const auto names = ParameterNames(named);
    const std::size_t equals = named.find('=');
    if (!names || equals == std::string_view::npos) return std::string(named);
    const auto word = [&](std::string_view name) {
        const auto found = std::find(names->begin(), names->end(), name);
        if (found == names->end()) return std::string(name);
        if (std::find(found + 1, names->end(), name) != names->end())
            throw std::invalid_argument("two parameters are named \"" + std::string(name) +
                                        "\"; give each its own name");
        const auto place = found - names->begin() + 1;
        if (place > 9)
            throw std::invalid_argument("the body can use the first nine parameters, not \"" +
                                        std::string(name) + "\", the " + std::to_string(place) +
                                        "th");
        return "{" + std::to_string(place) + "}";
    };
    const auto keep = [](std::string_view text) { return std::string(text); };
    return std::string(named.substr(0, equals + 1)) +
           RewriteBody(named.substr(equals + 1), word, keep);
}

std::optional<std::string> NamedDeclaration(std::string_view positional) {
    const auto names = ParameterNames(positional);
    const std::size_t equals = positional.find('=');
    if (!names || equals == std::string_view::npos) return std::nullopt;
    const auto keep = [](std::string_view text) { return std::string(text); };
    const auto braced = [&](std::string_view text) {
        const bool place = text.size() == 3 && text[1] >= '1' && text[1] <= '9' && text[2] == '}';
        const std::size_t index = place ? static_cast<std::size_t>(text[1] - '1') : names->size();
        return index < names->size() && IsPlainName((*names)[index]) ? (*names)[index]
                                                                     : std::string(text);
    };
    std::string named = std::string(positional.substr(0, equals + 1)) +
                        RewriteBody(positional.substr(equals + 1), keep, braced);
    try {
        if (PositionalDeclaration(named) == positional) return named;
    } catch (const std::invalid_argument&) {
    }
    return std::nullopt;
}

} // namespace quillara::tool
