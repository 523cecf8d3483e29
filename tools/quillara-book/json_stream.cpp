#include "json_stream.h"

#include "core/text/windows1252.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace quillara::tool {

namespace {

// What the buffer may hold before it goes to the stream.
constexpr std::size_t PieceSize = 64 * 1024;

// Each stored byte as it stands inside a JSON string: Windows-1252 decoded to UTF-8, then escaped
// as dump escapes (the short escapes, \u00xx for the other controls below a space).
struct TByteForms {
    std::array<std::string, 256> Form;
    // Bytes written as they are.
    std::array<bool, 256> Plain{};

    TByteForms() {
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            std::string& form = Form[static_cast<std::size_t>(b)];
            switch (b) {
            case '"':
                form = "\\\"";
                break;
            case '\\':
                form = "\\\\";
                break;
            case '\b':
                form = "\\b";
                break;
            case '\t':
                form = "\\t";
                break;
            case '\n':
                form = "\\n";
                break;
            case '\f':
                form = "\\f";
                break;
            case '\r':
                form = "\\r";
                break;
            default:
                if (b < 0x20) {
                    std::array<char, 8> hex{};
                    std::snprintf(hex.data(), hex.size(), "\\u%04x", b);
                    form = hex.data();
                } else {
                    form = Windows1252ToUtf8(std::string_view(&byte, 1));
                }
            }
            Plain[static_cast<std::size_t>(b)] = form.size() == 1 && form[0] == byte;
        }
    }
};

const TByteForms& ByteForms() {
    static const TByteForms forms;
    return forms;
}

// `text` as a quoted JSON string; `utf8` when it is UTF-8 already (a key), Windows-1252 otherwise.
void AppendString(std::string& out, std::string_view text, bool utf8) {
    const TByteForms& forms = ByteForms();
    out += '"';
    std::size_t run = 0; // start of the bytes written as they are
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (forms.Plain[b] || (utf8 && b >= 0x80)) continue;
        out.append(text.data() + run, i - run);
        out += forms.Form[b];
        run = i + 1;
    }
    out.append(text.data() + run, text.size() - run);
    out += '"';
}

} // namespace

void TJsonStream::Flush() {
    if (Buffer.empty()) return;
    Out.write(Buffer.data(), static_cast<std::streamsize>(Buffer.size()));
    Buffer.clear();
}

void TJsonStream::Indent(std::size_t depth) {
    Buffer.append(2 * depth, ' ');
}

void TJsonStream::Next() {
    if (Buffer.size() >= PieceSize) Flush();
    if (Levels.empty()) return;
    TLevel& level = Levels.back();
    // A container is opened by its first entry, since an empty one prints as {} or [].
    Buffer += level.Empty ? (level.IsArray ? "[\n" : "{\n") : ",\n";
    level.Empty = false;
    Indent(Levels.size());
}

void TJsonStream::BeforeValue() {
    if (!AfterKey) Next();
    AfterKey = false;
}

void TJsonStream::Open(bool isArray) {
    BeforeValue();
    Levels.push_back({isArray});
}

void TJsonStream::Close(char open, char close) {
    const bool empty = Levels.back().Empty;
    Levels.pop_back();
    if (empty) {
        Buffer += open;
        Buffer += close;
    } else {
        Buffer += '\n';
        Indent(Levels.size());
        Buffer += close;
    }
    if (Levels.empty()) Flush();
}

void TJsonStream::Key(std::string_view key) {
    Next();
    AppendString(Buffer, key, true);
    Buffer += ": ";
    AfterKey = true;
}

void TJsonStream::Value(const nlohmann::json& value) {
    BeforeValue();
    // A JSON text holds no raw line break, so each of its lines is indented to where it stands.
    const std::string text = value.dump(2);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        Buffer.append(text, start, end + 1 - start);
        Indent(Levels.size());
    }
    Buffer.append(text, start, text.size() - start);
    if (Levels.empty()) Flush();
}

void TJsonStream::Text(std::string_view windows1252) {
    BeforeValue();
    AppendString(Buffer, windows1252, false);
}

void TJsonStream::Unsigned(std::uint64_t value) {
    BeforeValue();
    Buffer += std::to_string(value);
}

void TJsonStream::Number(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        Buffer += "null";
        return;
    }
    std::array<char, 64> digits{};
    char* end = nlohmann::detail::to_chars(digits.data(), digits.data() + digits.size(), value);
    Buffer.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

void TJsonStream::Null() {
    BeforeValue();
    Buffer += "null";
}

} // namespace quillara::tool
