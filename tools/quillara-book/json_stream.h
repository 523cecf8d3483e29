#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>
#include <vector>

namespace quillara::tool {

// Writes JSON exactly as nlohmann::json's dump(2) prints it, a member or an element at a time,
// so that a document of any size is never held whole. Objects must be given their keys in the
// order dump sorts them.
class TJsonStream {
public:
    explicit TJsonStream(std::ostream& out) : Out(out) {}

    void BeginObject() { Open(false); }
    void EndObject() { Close('{', '}'); }
    void BeginArray() { Open(true); }
    void EndArray() { Close('[', ']'); }
    // The next member's key; its value follows.
    void Key(std::string_view key);
    // A whole value: the top one, an element, or the value of the key given last.
    void Value(const nlohmann::json& value);

private:
    struct TLevel {
        bool IsArray;
        bool Empty = true;
    };
    void Open(bool isArray);
    void Close(char open, char close);
    // Before an element or a key: ends the line of the one before, or opens the container.
    void Next();
    void Indent(std::size_t depth);

    std::ostream& Out;
    std::vector<TLevel> Levels;
    // A key was written and its value is yet to come.
    bool AfterKey = false;
};

} // namespace quillara::tool
