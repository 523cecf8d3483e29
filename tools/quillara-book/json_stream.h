#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quillara::tool {

// Writes JSON exactly as nlohmann::json's dump(2) prints it, a member or an element at a time,
// so that a document of any size is never held whole. Objects must be given their keys in the
// order dump sorts them. What is written gathers in a buffer that goes to the stream in large
// pieces, when the document ends, on Flush and when the writer goes.
class TJsonStream {
public:
    explicit TJsonStream(std::ostream& out) : Out(out) {}
    ~TJsonStream() { Flush(); }
    TJsonStream(const TJsonStream&) = delete;
    TJsonStream& operator=(const TJsonStream&) = delete;

    void BeginObject() { Open(false); }
    void EndObject() { Close('{', '}'); }
    void BeginArray() { Open(true); }
    void EndArray() { Close('[', ']'); }
    // The next member's key; its value follows.
    void Key(std::string_view key);
    // A whole value: the top one, an element, or the value of the key given last.
    void Value(const nlohmann::json& value);
    // Scalars written as the value of that json would be, without making one: stored
    // Windows-1252 bytes as a UTF-8 string (as book_json's Text), a number, null.
    void Text(std::string_view windows1252);
    void Unsigned(std::uint64_t value);
    void Number(double value);
    void Null();

    void Flush();

private:
    struct TLevel {
        bool IsArray;
        bool Empty = true;
    };
    void Open(bool isArray);
    void Close(char open, char close);
    // Before an element or a key: ends the line of the one before, or opens the container.
    void Next();
    void BeforeValue();
    void Indent(std::size_t depth);

    std::ostream& Out;
    std::string Buffer;
    std::vector<TLevel> Levels;
    // A key was written and its value is yet to come.
    bool AfterKey = false;
};

} // namespace quillara::tool
