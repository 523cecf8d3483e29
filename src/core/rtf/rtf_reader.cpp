#include "core/rtf/rtf_reader.h"

#include "core/text/layout_bounds.h"
#include "core/text/utf8.h"
#include "core/text/windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace quillara {

namespace {

// Groups nested deeper than this share the deepest kept state, so hostile nesting costs no more
// than a few hundred saved states.
constexpr std::size_t MaxGroupDepth = 256;
// As many tab stops as a word processor lets a paragraph have.
constexpr std::size_t MaxTabStops = 64;
// 22 inches, the widest page there is: indents and tab stops stay within it.
constexpr int MaxTwips = 31680;
constexpr int MinHalfPoints = static_cast<int>(MinFontPoints * 2);
constexpr int MaxHalfPoints = static_cast<int>(MaxFontPoints * 2);
// Numeric parameters saturate here instead of overflowing.
constexpr std::int64_t MaxParameter = 1'000'000'000;

// Groups whose contents are never shown as text. Newer writers mark their own additions with
// "\*", which hides them too.
constexpr std::array<std::string_view, 17> HiddenDestinations = {
    "colortbl", "fldinst",    "fonttbl", "footer",  "footerf",   "footerl",
    "footerr",  "footnote",   "header",  "headerf", "headerl",   "headerr",
    "info",     "nonshppict", "object",  "pict",    "stylesheet"};

struct TSymbolWord {
    std::string_view Word;
    char32_t Character;
};

// Control words that stand for one character.
constexpr std::array<TSymbolWord, 11> SymbolWords = {{{"tab", U'\t'},
                                                      {"line", U'\n'},
                                                      {"emdash", 0x2014},
                                                      {"endash", 0x2013},
                                                      {"emspace", 0x2003},
                                                      {"enspace", 0x2002},
                                                      {"bullet", 0x2022},
                                                      {"lquote", 0x2018},
                                                      {"rquote", 0x2019},
                                                      {"ldblquote", 0x201C},
                                                      {"rdblquote", 0x201D}}};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Control characters have no place in a question box; tabs and line breaks are layout.
bool IsShown(char32_t c) {
    return c >= 0x20 || c == U'\t' || c == U'\n';
}

struct TParagraphFormat {
    int LeftIndent = 0;
    int FirstIndent = 0;
    std::vector<int> TabStops;
};

// What a group saves on "{" and gets back on "}". The paragraph format is not part of it: it
// lasts until \pard, as the last paragraph of a document usually ends after the closing "}".
struct TGroupState {
    TRtfCharFormat Char;
    // Characters after \uN that stand in for it in readers without Unicode.
    int UnicodeFallback = 1;
    // Inside a destination that is not text.
    bool Hidden = false;
};

struct TControlWord {
    std::string_view Word;
    std::optional<int> Parameter;
};

class TRtfParser {
public:
    explicit TRtfParser(std::string_view rtf) : Rtf(rtf) {}

    TRtfDocument Parse() {
        while (Pos < Rtf.size()) {
            const char c = Rtf[Pos++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
            } else if (c == '\\') {
                ReadControl();
            } else if (c != '\r' && c != '\n') {
                if (SkipFallback()) continue;
                if (!State.Hidden) EmitByte(static_cast<unsigned char>(c));
            }
        }
        FlushHighSurrogate();
        if (!Runs.empty()) EndParagraph();
        return std::move(Document);
    }

private:
    void OpenGroup() {
        FallbackLeft = 0;
        if (Stack.size() >= MaxGroupDepth) {
            ++Overflow;
            return;
        }
        Stack.push_back(State);
    }

    void CloseGroup() {
        FallbackLeft = 0;
        if (Overflow > 0) {
            --Overflow;
        } else if (!Stack.empty()) {
            State = std::move(Stack.back());
            Stack.pop_back();
        }
    }

    // The characters after \uN that stand in for it are dropped, whatever they are.
    bool SkipFallback() {
        if (FallbackLeft == 0) return false;
        --FallbackLeft;
        return true;
    }

    void ReadControl() {
        if (Pos >= Rtf.size()) return;
        const char c = Rtf[Pos];
        if (IsLetter(c)) {
            const TControlWord word = ReadControlWord();
            // Binary data is skipped whatever the state, or its bytes would be read as RTF.
            if (word.Word == "bin") {
                if (word.Parameter && *word.Parameter > 0)
                    Pos += std::min(static_cast<std::size_t>(*word.Parameter), Rtf.size() - Pos);
                return;
            }
            if (SkipFallback() || State.Hidden) return;
            ApplyWord(word);
            return;
        }
        ++Pos;
        if (c == '\'') {
            const int byte = ReadHexByte();
            if (SkipFallback() || State.Hidden || byte < 0) return;
            EmitByte(static_cast<unsigned char>(byte));
            return;
        }
        if (SkipFallback() || State.Hidden) return;
        switch (c) {
        case '{':
        case '}':
        case '\\':
            EmitByte(static_cast<unsigned char>(c));
            break;
        case '~':
            EmitCodePoint(0x00A0);
            break;
        case '_':
            EmitCodePoint(0x2011);
            break;
        case '*':
            State.Hidden = true;
            break;
        case '\r':
        case '\n':
            EndParagraph();
            break;
        default:
            // An optional hyphen and the other symbols show nothing.
            break;
        }
    }

    TControlWord ReadControlWord() {
        const std::size_t start = Pos;
        while (Pos < Rtf.size() && IsLetter(Rtf[Pos]))
            ++Pos;
        TControlWord word{Rtf.substr(start, Pos - start), std::nullopt};
        const bool negative = Pos + 1 < Rtf.size() && Rtf[Pos] == '-' && IsDigit(Rtf[Pos + 1]);
        if (negative) ++Pos;
        if (Pos < Rtf.size() && IsDigit(Rtf[Pos])) {
            std::int64_t value = 0;
            while (Pos < Rtf.size() && IsDigit(Rtf[Pos]))
                value = std::min(value * 10 + (Rtf[Pos++] - '0'), MaxParameter);
            word.Parameter = static_cast<int>(negative ? -value : value);
        }
        if (Pos < Rtf.size() && Rtf[Pos] == ' ') ++Pos;
        return word;
    }

    // The two hex digits of \'hh, or -1 when they are not there.
    int ReadHexByte() {
        int value = 0;
        for (int k = 0; k < 2; ++k) {
            if (Pos >= Rtf.size()) return -1;
            const int digit = HexDigit(Rtf[Pos]);
            if (digit < 0) return -1;
            value = value * 16 + digit;
            ++Pos;
        }
        return value;
    }

    void ApplyWord(const TControlWord& control) {
        const std::string_view word = control.Word;
        const std::optional<int> parameter = control.Parameter;
        TRtfCharFormat& format = State.Char;
        const bool on = parameter.value_or(1) != 0;
        if (word == "par") {
            EndParagraph();
        } else if (word == "pard") {
            Paragraph = {};
        } else if (word == "li") {
            Paragraph.LeftIndent = std::clamp(parameter.value_or(0), -MaxTwips, MaxTwips);
        } else if (word == "fi") {
            Paragraph.FirstIndent = std::clamp(parameter.value_or(0), -MaxTwips, MaxTwips);
        } else if (word == "tx") {
            if (parameter) AddTabStop(Paragraph.TabStops, *parameter);
        } else if (word == "plain") {
            format = {};
        } else if (word == "fs") {
            format.HalfPoints = std::clamp(parameter.value_or(24), MinHalfPoints, MaxHalfPoints);
        } else if (word == "b") {
            format.Bold = on;
        } else if (word == "i") {
            format.Italic = on;
        } else if (word == "ul") {
            format.Underline = on;
        } else if (word == "ulnone") {
            format.Underline = false;
        } else if (word == "uc") {
            State.UnicodeFallback = std::max(parameter.value_or(1), 0);
        } else if (word == "u") {
            if (!parameter) return;
            // Writers give characters above 32767 as negative 16-bit numbers.
            const int value = *parameter < 0 ? *parameter + 65536 : *parameter;
            EmitCodePoint(value >= 0 && value <= 0x10FFFF ? static_cast<char32_t>(value) : 0xFFFD);
            FallbackLeft = State.UnicodeFallback;
        } else if (std::ranges::find(HiddenDestinations, word) != HiddenDestinations.end()) {
            State.Hidden = true;
        } else {
            const auto symbol = std::ranges::find(SymbolWords, word, &TSymbolWord::Word);
            if (symbol != SymbolWords.end()) EmitCodePoint(symbol->Character);
        }
    }

    static void AddTabStop(std::vector<int>& stops, int twips) {
        if (twips <= 0) return;
        twips = std::min(twips, MaxTwips);
        const auto at = std::ranges::lower_bound(stops, twips);
        if ((at != stops.end() && *at == twips) || stops.size() >= MaxTabStops) return;
        stops.insert(at, twips);
    }

    void EndParagraph() {
        FlushHighSurrogate();
        TRtfParagraph paragraph;
        paragraph.LeftIndent = Paragraph.LeftIndent;
        paragraph.FirstIndent = Paragraph.FirstIndent;
        paragraph.TabStops = Paragraph.TabStops;
        paragraph.Runs = std::move(Runs);
        paragraph.Mark = State.Char;
        Document.Paragraphs.push_back(std::move(paragraph));
        Runs.clear();
    }

    // Text bytes and \'hh are Windows-1252.
    void EmitByte(unsigned char byte) {
        if (!IsShown(byte)) return;
        const char c = static_cast<char>(byte);
        Emit(Windows1252ToUtf8(std::string_view(&c, 1)));
    }

    // Characters beyond the 16-bit range come as a pair of \uN surrogates; one without its
    // partner becomes U+FFFD instead of invalid UTF-8.
    void EmitCodePoint(char32_t c) {
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (low && PendingHigh != 0) {
            c = 0x10000 + ((PendingHigh - 0xD800) << 10) + (c - 0xDC00);
            PendingHigh = 0;
        } else if (high) {
            FlushHighSurrogate();
            PendingHigh = c;
            return;
        } else if (low) {
            c = 0xFFFD;
        }
        // Unicode's own line and paragraph separators break the line, not the paragraph.
        if (c == 0x2028 || c == 0x2029) c = U'\n';
        if (!IsShown(c)) return;
        std::string utf8;
        AppendUtf8(utf8, c);
        Emit(utf8);
    }

    void FlushHighSurrogate() {
        if (PendingHigh == 0) return;
        PendingHigh = 0;
        std::string utf8;
        AppendUtf8(utf8, 0xFFFD);
        AppendToRun(utf8);
    }

    void Emit(std::string_view utf8) {
        FlushHighSurrogate();
        AppendToRun(utf8);
    }

    void AppendToRun(std::string_view utf8) {
        if (Runs.empty() || !(Runs.back().Format == State.Char))
            Runs.push_back({std::string(), State.Char});
        Runs.back().Text += utf8;
    }

    std::string_view Rtf;
    std::size_t Pos = 0;
    TGroupState State;
    TParagraphFormat Paragraph;
    std::vector<TGroupState> Stack;
    // "{" met beyond MaxGroupDepth and not yet closed.
    std::size_t Overflow = 0;
    int FallbackLeft = 0;
    char32_t PendingHigh = 0;
    std::vector<TRtfRun> Runs;
    TRtfDocument Document;
};

} // namespace

TRtfDocument ReadRtf(std::string_view rtf) {
    return TRtfParser(rtf).Parse();
}

} // namespace quillara
