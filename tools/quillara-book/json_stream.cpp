#include "json_stream.h"

namespace quillara::tool {

void TJsonStream::Indent(std::size_t depth) {
    for (std::size_t i = 0; i < depth; ++i)
        Out << "  ";
}

void TJsonStream::Next() {
    if (Levels.empty()) return;
    TLevel& level = Levels.back();
    // A container is opened by its first entry, since an empty one prints as {} or [].
    Out << (level.Empty ? (level.IsArray ? "[\n" : "{\n") : ",\n");
    level.Empty = false;
    Indent(Levels.size());
}

void TJsonStream::Open(bool isArray) {
    if (!AfterKey) Next();
    AfterKey = false;
    Levels.push_back({isArray});
}

void TJsonStream::Close(char open, char close) {
    const bool empty = Levels.back().Empty;
    Levels.pop_back();
    if (empty) {
        Out << open << close;
        return;
    }
    Out << '\n';
    Indent(Levels.size());
    Out << close;
}

void TJsonStream::Key(std::string_view key) {
    Next();
    Out << nlohmann::json(key).dump() << ": ";
    AfterKey = true;
}

void TJsonStream::Value(const nlohmann::json& value) {
    if (!AfterKey) Next();
    AfterKey = false;
    // A JSON text holds no raw line break, so each of its lines is indented to where it stands.
    const std::string text = value.dump(2);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        Out.write(text.data() + start, static_cast<std::streamsize>(end + 1 - start));
        Indent(Levels.size());
    }
    Out.write(text.data() + start, static_cast<std::streamsize>(text.size() - start));
}

} // namespace quillara::tool
