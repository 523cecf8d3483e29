#include "core/search/search_fold.h"

#include "core/text/utf8.h"

#include <array>
#include <utility>

namespace quillara {

namespace {

// U+00C0 to U+00FF without case or accent; an empty entry keeps the character (the
// multiplication and division signs).
constexpr std::array<const char*, 64> Latin1Letters = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// U+0100 to U+017F run by run: each base letter comes in upper and lower case with a series of
// accents.
constexpr std::array<std::pair<int, const char*>, 22> LatinExtendedRuns = {{
    {6, "a"}, {8, "c"},  {4, "d"},  {10, "e"}, {8, "g"}, {4, "h"},  {10, "i"}, {2, "ij"},
    {2, "j"}, {3, "k"},  {10, "l"}, {9, "n"},  {6, "o"}, {2, "oe"}, {6, "r"},  {8, "s"},
    {6, "t"}, {12, "u"}, {2, "w"},  {3, "y"},  {6, "z"}, {1, "s"},
}};

const char* LatinExtended(char32_t c) {
    int offset = static_cast<int>(c - 0x100);
    for (const auto& [count, letters] : LatinExtendedRuns) {
        if (offset < count) return letters;
        offset -= count;
    }
    return nullptr;
}

bool IsSpace(char32_t c) {
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 ||
           c == 0xFFFC; // a picture stands between the words around it
}

bool IsInvisible(char32_t c) {
    return c == 0xAD || (c >= 0x300 && c <= 0x36F) || (c >= 0x200B && c <= 0x200F) || c == 0x2060 ||
           c == 0xFE0E || c == 0xFE0F || c == 0xFEFF;
}

// Greek capitals and letters with tonos or dialytika, to the plain small letter.
char32_t Greek(char32_t c) {
    switch (c) {
    case 0x386:
    case 0x3AC:
        return 0x3B1;
    case 0x388:
    case 0x3AD:
        return 0x3B5;
    case 0x389:
    case 0x3AE:
        return 0x3B7;
    case 0x38A:
    case 0x3AF:
    case 0x3AA:
    case 0x3CA:
    case 0x390:
        return 0x3B9;
    case 0x38C:
    case 0x3CC:
        return 0x3BF;
    case 0x38E:
    case 0x3CD:
    case 0x3AB:
    case 0x3CB:
    case 0x3B0:
        return 0x3C5;
    case 0x38F:
    case 0x3CE:
        return 0x3C9;
    case 0x3C2:
        return 0x3C3; // final sigma
    default:
        return c >= 0x391 && c <= 0x3A9 ? c + 0x20 : c;
    }
}

char32_t Cyrillic(char32_t c) {
    if (c == 0x401 || c == 0x451) return 0x435; // yo reads as ye
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    return c;
}

const char* Punctuation(char32_t c) {
    if ((c >= 0x2010 && c <= 0x2015) || c == 0x2212) return "-";
    if ((c >= 0x2018 && c <= 0x201B) || c == 0x2032 || c == 0x2BC) return "'";
    if ((c >= 0x201C && c <= 0x201F) || c == 0x2033) return "\"";
    if (c == 0x2026) return "...";
    switch (c) {
    case 0xFB00:
        return "ff";
    case 0xFB01:
        return "fi";
    case 0xFB02:
        return "fl";
    case 0xFB03:
        return "ffi";
    case 0xFB04:
        return "ffl";
    default:
        return nullptr;
    }
}

} // namespace

void TSearchFolder::Append(char32_t c, std::string& out) {
    if (c < 0x80 && !IsSpace(c)) {
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        LastWasSpace = false;
        return;
    }
    if (IsSpace(c)) {
        if (!LastWasSpace) out += ' ';
        LastWasSpace = true;
        return;
    }
    if (IsInvisible(c)) return;
    LastWasSpace = false;
    const char* letters = nullptr;
    if (c >= 0xC0 && c <= 0xFF)
        letters = Latin1Letters[c - 0xC0];
    else if (c >= 0x100 && c <= 0x17F)
        letters = LatinExtended(c);
    else if (c == 0x192) // the florin sign of Windows-1252 is a small f with a hook
        letters = "f";
    else
        letters = Punctuation(c);
    if (letters && *letters) {
        out += letters;
        return;
    }
    AppendUtf8(out, Cyrillic(Greek(c)));
}

void TSearchFolder::AppendText(std::string_view text, std::string& out) {
    for (std::size_t pos = 0; pos < text.size();) {
        // Printable ASCII, most of any book, needs no decoding.
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte > 0x20 && byte < 0x7F) {
            out += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
            LastWasSpace = false;
            ++pos;
        } else {
            Append(NextCodePoint(text, pos), out);
        }
    }
}

std::string FoldForSearch(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    TSearchFolder folder;
    folder.AppendText(text, folded);
    if (!folded.empty() && folded.back() == ' ') folded.pop_back();
    return folded;
}

} // namespace quillara
