#include "quiz_file_stream.h"

#include "aiken_reader.h"
#include "core/book/book_files.h"
#include "core/text/utf8.h"
#include "core/text/windows1252.h"
#include "gift_reader.h"
#include "moodle_xml_reader.h"
#include "quiz_file_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <stdexcept>

namespace quillara::tool {

namespace {

constexpr std::size_t PieceSize = 64 * 1024;
constexpr std::uint64_t AnySize = std::numeric_limits<std::uint64_t>::max();

std::string_view Read(TBookFileStream& in, std::array<char, PieceSize>& piece) {
    in.read(piece.data(), piece.size());
    return {piece.data(), static_cast<std::size_t>(in.gcount())};
}

// Where the bytes end with the last whole UTF-8 sequence; a sequence cut by the piece's end
// waits for the next piece.
std::size_t WholeSequencesEnd(std::string_view bytes) {
    for (std::size_t back = 1; back <= std::min<std::size_t>(3, bytes.size()); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((c & 0xC0) == 0x80) continue;
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? bytes.size() - back : bytes.size();
    }
    return bytes.size();
}

// UTF-16 bytes into UTF-8, a piece at a time; a surrogate without its pair becomes U+FFFD.
class TUtf16Decoder {
public:
    explicit TUtf16Decoder(bool bigEndian) : BigEndian(bigEndian) {}

    std::string Decode(std::string_view bytes) {
        std::string text;
        Carry.append(bytes);
        std::size_t at = 0;
        for (; at + 1 < Carry.size(); at += 2) {
            const auto first = static_cast<unsigned char>(Carry[at]);
            const auto second = static_cast<unsigned char>(Carry[at + 1]);
            const char16_t unit = BigEndian ? (first << 8 | second) : (second << 8 | first);
            if (High) {
                const char16_t high = *High;
                High.reset();
                if (unit >= 0xDC00 && unit <= 0xDFFF) {
                    AppendUtf8(text, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
                    continue;
                }
                AppendUtf8(text, U'\uFFFD');
            }
            if (unit >= 0xD800 && unit <= 0xDBFF)
                High = unit;
            else
                AppendUtf8(text, unit >= 0xDC00 && unit <= 0xDFFF ? U'\uFFFD' : unit);
        }
        Carry.erase(0, at);
        return text;
    }

    std::string Finish() {
        const bool unpaired = High.has_value() || !Carry.empty();
        High.reset();
        Carry.clear();
        std::string text;
        if (unpaired) AppendUtf8(text, U'\uFFFD');
        return text;
    }

private:
    bool BigEndian;
    std::string Carry;
    std::optional<char16_t> High;
};

// Whether a new question starts for sure after the line: a blank line in GIFT, an "ANSWER:"
// line in Aiken.
bool EndsQuestion(std::string_view line, TQuizFormat format) {
    line = Trim(line);
    if (format == TQuizFormat::Gift) return line.empty();
    std::string start(line.substr(0, 7));
    for (char& c : start)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return start == "ANSWER:";
}

// The text of a GIFT or Aiken file, cut where questions end, each piece read by its format.
class TTextPieces {
public:
    TTextPieces(TQuizFormat format, const std::function<bool(TImportedQuestion&&)>& take)
        : Format(format), Take(take) {}

    // False once `take` asked to stop.
    bool Add(std::string_view text, bool last) {
        Pending.append(text);
        std::size_t end = 0;
        for (std::size_t newline; (newline = Pending.find('\n', Scanned)) != std::string::npos;) {
            const std::string_view line(Pending.data() + Scanned, newline - Scanned);
            Scanned = newline + 1;
            if (EndsQuestion(line, Format)) end = Scanned;
        }
        if (last) end = Pending.size();
        if (end == 0) {
            if (Pending.size() > MaxQuizQuestionText)
                throw std::runtime_error("line " + std::to_string(Line) +
                                         ": a question longer than a question bank can hold");
            return true;
        }
        const std::string_view piece = std::string_view(Pending).substr(0, end);
        const auto questions =
            Format == TQuizFormat::Gift ? ReadGiftPiece(piece, Line) : ReadAikenPiece(piece, Line);
        Line += static_cast<int>(std::count(piece.begin(), piece.end(), '\n'));
        Pending.erase(0, end);
        Scanned -= std::min(Scanned, end);
        for (TImportedQuestion question : questions)
            if (!Take(std::move(question))) return false;
        return true;
    }

private:
    TQuizFormat Format;
    const std::function<bool(TImportedQuestion&&)>& Take;
    std::string Pending;
    // Where the first line of Pending not yet looked at begins.
    std::size_t Scanned = 0;
    int Line = 1;
};

} // namespace

TQuizFileEncoding QuizFileEncoding(const std::filesystem::path& file) {
    TBookFileStream in(file, AnySize);
    std::array<char, PieceSize> piece;
    std::string_view bytes = Read(in, piece);
    if (bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
        bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        throw std::runtime_error("the file is in UTF-32, which quiz files are not written in; "
                                 "save it as UTF-8");
    if (bytes.starts_with("\xFF\xFE")) return TQuizFileEncoding::Utf16LittleEndian;
    if (bytes.starts_with("\xFE\xFF")) return TQuizFileEncoding::Utf16BigEndian;
    bool utf8 = true;
    std::string carry;
    while (!bytes.empty()) {
        if (bytes.find('\0') != std::string_view::npos)
            throw std::runtime_error("the file holds NUL bytes, as UTF-16 or UTF-32 without a "
                                     "byte-order mark would; save it as UTF-8");
        if (utf8) {
            carry.append(bytes);
            const std::size_t whole = WholeSequencesEnd(carry);
            utf8 = IsUtf8(std::string_view(carry).substr(0, whole));
            carry.erase(0, whole);
        }
        bytes = Read(in, piece);
    }
    return utf8 && carry.empty() ? TQuizFileEncoding::Utf8 : TQuizFileEncoding::Windows1252;
}

std::string QuizFileStart(const std::filesystem::path& file) {
    TBookFileStream in(file, AnySize);
    std::array<char, PieceSize> piece;
    const std::string_view bytes = Read(in, piece);
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        TUtf16Decoder decoder(bytes.starts_with("\xFE\xFF"));
        return decoder.Decode(bytes.substr(2));
    }
    return std::string(bytes);
}

void ReadQuizFileQuestions(const std::filesystem::path& file, TQuizFormat format,
                           TQuizFileEncoding encoding,
                           const std::function<bool(TImportedQuestion&&)>& take) {
    TBookFileStream in(file, AnySize);
    std::array<char, PieceSize> piece;
    if (format == TQuizFormat::MoodleXml) {
        TMoodleXmlReader reader(take);
        for (bool last = false; !last;) {
            const std::string_view bytes = Read(in, piece);
            last = bytes.size() < piece.size();
            if (!reader.Feed(bytes, last)) return;
        }
        return;
    }

    TTextPieces pieces(format, take);
    const bool utf16 = encoding == TQuizFileEncoding::Utf16LittleEndian ||
                       encoding == TQuizFileEncoding::Utf16BigEndian;
    TUtf16Decoder decoder(encoding == TQuizFileEncoding::Utf16BigEndian);
    bool first = true;
    for (bool last = false; !last;) {
        std::string_view bytes = Read(in, piece);
        last = bytes.size() < piece.size();
        if (first) {
            if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
            if (utf16) bytes.remove_prefix(std::min<std::size_t>(2, bytes.size()));
            first = false;
        }
        std::string text;
        if (utf16)
            text = decoder.Decode(bytes) + (last ? decoder.Finish() : std::string());
        else if (encoding == TQuizFileEncoding::Windows1252)
            text = Windows1252ToUtf8(bytes);
        else
            text = bytes;
        if (!pieces.Add(text, last)) return;
    }
}

} // namespace quillara::tool
