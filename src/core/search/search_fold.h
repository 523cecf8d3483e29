#pragma once

#include <string>
#include <string_view>

namespace quillara {

// Searches compare text as a reader does: letter case and accents do not matter, typographic
// quotes and dashes equal their plain forms, and any run of white space is one space. A folder
// turns characters into that compared form (UTF-8) one at a time; all it remembers is whether
// the last character it kept was white space.
class TSearchFolder {
public:
    // A new folder drops white space until the first visible character.
    explicit TSearchFolder(bool afterSpace = true) : LastWasSpace(afterSpace) {}

    // Appends the compared form of `c`: nothing for marks and invisible characters, a space for
    // the first of a run of white space.
    void Append(char32_t c, std::string& out);
    // Appends the compared form of a whole UTF-8 text.
    void AppendText(std::string_view text, std::string& out);
    bool AfterSpace() const { return LastWasSpace; }

private:
    bool LastWasSpace;
};

// Whether a byte of folded text belongs to a word: letters, digits and every character beyond
// ASCII that folding keeps. Words are what the book search index looks up.
inline bool IsWordByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b >= 0x80;
}

// The compared form of a whole UTF-8 text, without leading or trailing space.
std::string FoldForSearch(std::string_view text);

} // namespace quillara
