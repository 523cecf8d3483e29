#include "gift_reader.h"

#include "markup_text.h"
#include "quiz_file_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <set>

namespace quillara::tool {

namespace {

// The lines of one question, joined by "\n", with where each of its bytes lies in the file.
class TBlock {
public:
    void AddLine(int lineNumber, std::string_view line) {
        if (!Text.empty()) {
            Text += '\n';
            Places.push_back({Places.back().first, Places.back().second + 1});
        }
        int column = 1;
        for (char c : line) {
            Text += c;
            Places.push_back({lineNumber, column});
            // Columns count characters, not the bytes after a character's first.
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++column;
        }
    }
    bool Empty() const { return Text.empty(); }
    int FirstLine() const { return Places.front().first; }
    std::string Place(std::size_t offset) const {
        const auto& place = offset < Places.size() ? Places[offset] : Places.back();
        return "line " + std::to_string(place.first) + ", column " + std::to_string(place.second);
    }
    [[noreturn]] void Fail(std::size_t offset, const std::string& message) const {
        const auto& place = offset < Places.size() ? Places[offset] : Places.back();
        throw TImportParseError(place.first, place.second, message);
    }

    std::string Text;

private:
    std::vector<std::pair<int, int>> Places;
};

// Where `what` first occurs in text[from, to) outside a backslash escape.
std::size_t FindUnescaped(std::string_view text, std::string_view what, std::size_t from = 0,
                          std::size_t to = std::string_view::npos) {
    to = std::min(to, text.size());
    for (std::size_t i = from; i < to; ++i) {
        if (text[i] == '\\') {
            ++i;
            continue;
        }
        if (text.substr(i, what.size()) == what && i + what.size() <= to) return i;
    }
    return std::string_view::npos;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A backslash before anything but a character GIFT gives a meaning is itself.
        if (text[i] == '\\' && i + 1 < text.size() &&
            std::string_view("~=#{}:\\n").find(text[i + 1]) != std::string_view::npos) {
            ++i;
            out += text[i] == 'n' ? '\n' : text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

enum class TTextFormat { Moodle, Html, Plain, Markdown };

std::string PlainText(std::string_view raw, TTextFormat format) {
    const std::string text = Unescape(Trim(raw));
    switch (format) {
    case TTextFormat::Html:
        return HtmlToPlainText(text);
    case TTextFormat::Markdown:
        return MarkdownToPlainText(text);
    case TTextFormat::Plain:
        return TidyLines(text);
    case TTextFormat::Moodle:
        // The default format keeps the author's line breaks and allows HTML.
        return text.find('<') != std::string::npos ? HtmlToPlainText(text) : TidyLines(text);
    }
    return text;
}

// One part of an answer list: its mark ("=", "~" or "" for the first), weight and texts.
struct TAnswerPart {
    char Mark = 0;
    std::optional<double> Weight;
    std::size_t Offset = 0; // of the answer text within the block
    std::string_view Answer;
    std::string_view Feedback;
};

class TGiftParser {
public:
    explicit TGiftParser(const TBlock& block) : Block(block), Text(block.Text) {}

    TImportedQuestion Parse() {
        std::size_t pos = SkipSpace(0);
        Question.Where = "line " + std::to_string(Block.FirstLine());
        // Some files write the text's format before the title.
        std::optional<TTextFormat> early;
        if (Text.substr(pos).starts_with("[")) {
            early = ReadFormat(pos);
            pos = SkipSpace(pos);
        }
        std::string title;
        if (Text.substr(pos).starts_with("::")) {
            const std::size_t close = FindUnescaped(Text, "::", pos + 2);
            if (close == std::string_view::npos)
                Block.Fail(pos, "the title that starts here has no closing \"::\"");
            title = Unescape(Trim(Text.substr(pos + 2, close - pos - 2)));
            pos = SkipSpace(close + 2);
        }
        Format = ReadFormat(pos);
        if (early && Format == TTextFormat::Moodle) Format = *early;
        Question.Name = title;

        const std::size_t open = FindUnescaped(Text, "{", pos);
        if (open == std::string_view::npos) {
            if (FindUnescaped(Text, "}", pos) != std::string_view::npos)
                Block.Fail(FindUnescaped(Text, "}", pos), "a \"}\" closes no answers");
            Skip("a text without answers, which is no question");
            // Text alone is no sign that the file is GIFT at all.
            Question.Unreadable = true;
            return std::move(Question);
        }
        const std::size_t close = FindUnescaped(Text, "}", open + 1);
        if (close == std::string_view::npos)
            Block.Fail(open, "the answers that start here have no closing \"}\"");
        if (const auto inner = FindUnescaped(Text, "{", open + 1, close);
            inner != std::string_view::npos)
            Block.Fail(inner, "a \"{\" inside answers; write \\{ for a brace");
        const std::string_view tail = Trim(Text.substr(close + 1));
        if (FindUnescaped(tail, "{") != std::string_view::npos) {
            Skip("more than one set of answers in one question");
            return std::move(Question);
        }

        const std::string stem = PlainText(Text.substr(pos, open - pos), Format);
        const std::string after = PlainText(tail, Format);
        // The missing-word form keeps a blank where the answers stood; a question written
        // wholly in its title asks the title.
        Question.Text = after.empty() ? stem : stem + " _____ " + after;
        if (Trim(Question.Text).empty() && !title.empty()) Question.Text = TidyLines(title);
        ReadAnswers(open + 1, close);
        return std::move(Question);
    }

private:
    std::size_t SkipSpace(std::size_t pos) const {
        while (pos < Text.size() && std::isspace(static_cast<unsigned char>(Text[pos])))
            ++pos;
        return pos;
    }

    TTextFormat ReadFormat(std::size_t& pos) const {
        pos = SkipSpace(pos);
        static constexpr std::pair<std::string_view, TTextFormat> formats[] = {
            {"[html]", TTextFormat::Html},
            {"[moodle]", TTextFormat::Moodle},
            {"[plain]", TTextFormat::Plain},
            {"[markdown]", TTextFormat::Markdown}};
        for (const auto& [mark, format] : formats) {
            if (Text.substr(pos).starts_with(mark)) {
                pos += mark.size();
                return format;
            }
        }
        return TTextFormat::Moodle;
    }

    void Skip(std::string reason) {
        Question.Kind = TImportedKind::Unsupported;
        Question.SkipReason = std::move(reason);
    }

    void ReadAnswers(std::size_t begin, std::size_t end) {
        std::size_t bodyEnd = end;
        if (const auto general = FindUnescaped(Text, "####", begin, end);
            general != std::string_view::npos) {
            Question.GeneralFeedback =
                PlainText(Text.substr(general + 4, end - general - 4), Format);
            bodyEnd = general;
        }
        const std::size_t first = SkipSpace(begin);
        const std::string_view body = Trim(Text.substr(begin, bodyEnd - begin));
        if (body.empty()) {
            Skip("an essay question, which has no answer to check");
        } else if (body.front() == '#') {
            ReadNumerical(first + 1, bodyEnd);
        } else if (const auto truth = TruthValue(body)) {
            ReadTrueFalse(*truth, first, bodyEnd);
        } else if (IsMatching(body)) {
            Skip("a matching question");
        } else if (body.front() != '=' && body.front() != '~') {
            Block.Fail(first, "answers start with \"=\", \"~\", \"#\", T or F");
        } else {
            ReadChoices(first, bodyEnd);
        }
    }

    // Pairs "=left -> right" and no wrong answers: an arrow inside a choice's text is text.
    static bool IsMatching(std::string_view body) {
        return FindUnescaped(body, "->") != std::string_view::npos &&
               FindUnescaped(body, "~") == std::string_view::npos;
    }

    // T, TRUE, F or FALSE before any feedback.
    static std::optional<bool> TruthValue(std::string_view body) {
        std::string word(Trim(body.substr(0, FindUnescaped(body, "#"))));
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (word == "T" || word == "TRUE") return true;
        if (word == "F" || word == "FALSE") return false;
        return std::nullopt;
    }

    void ReadTrueFalse(bool truth, std::size_t begin, std::size_t end) {
        Question.Kind = TImportedKind::TrueFalse;
        Question.TrueAnswer = truth;
        // {T#feedback for a wrong answer#feedback for a right one}
        if (const auto hash = FindUnescaped(Text, "#", begin, end);
            hash != std::string_view::npos) {
            const auto second = FindUnescaped(Text, "#", hash + 1, end);
            Question.WrongFeedback =
                PlainText(Text.substr(hash + 1, std::min(second, end) - hash - 1), Format);
        }
    }

    // Whether the part being read has text of its own before `i`, past its weight.
    bool HasTextBefore(const std::vector<TAnswerPart>& parts, std::size_t i) const {
        if (parts.empty()) return false;
        std::size_t from = parts.back().Offset;
        if (from < i && Text[from] == '%') {
            const auto percent = FindUnescaped(Text, "%", from + 1, i);
            if (percent == std::string_view::npos) return false;
            from = percent + 1;
        }
        return !Trim(Text.substr(from, i - from)).empty();
    }

    // The parts of an answer list, each from its "=" or "~" to the next.
    std::vector<TAnswerPart> SplitParts(std::size_t begin, std::size_t end,
                                        std::string_view marks) {
        std::vector<TAnswerPart> parts;
        for (std::size_t i = begin; i < end; ++i) {
            if (Text[i] == '\\') {
                ++i;
                continue;
            }
            if (marks.find(Text[i]) != std::string_view::npos) {
                const bool justMarked = !parts.empty() && parts.back().Offset == i;
                if (justMarked && parts.back().Mark == '~' && Text[i] == '=') {
                    // "~=" is written for a right answer as often as "=".
                    parts.back().Mark = '=';
                    parts.back().Offset = i + 1;
                    continue;
                }
                // "=~5 km", and "x=5" inside a text, are the author's text, not marks.
                const bool glued =
                    i > begin && !std::isspace(static_cast<unsigned char>(Text[i - 1])) &&
                    i + 1 < end && !std::isspace(static_cast<unsigned char>(Text[i + 1])) &&
                    Text[i + 1] != '%' && Text[i - 1] != '}' && !justMarked && Text[i] == '=' &&
                    HasTextBefore(parts, i);
                if ((justMarked && Text[i] == '~') || glued) {
                    if (LiteralNotes.insert(i).second)
                        Question.Notes.push_back(
                            Block.Place(i) + ": an unescaped \"" + std::string(1, Text[i]) +
                            "\" is read as text; write \\" + std::string(1, Text[i]) + " for it");
                    continue;
                }
                TAnswerPart part;
                part.Mark = Text[i];
                part.Offset = i + 1;
                parts.push_back(part);
            } else if (parts.empty() && !std::isspace(static_cast<unsigned char>(Text[i]))) {
                parts.push_back({0, {}, i, {}, {}});
            }
        }
        for (std::size_t k = 0; k < parts.size(); ++k) {
            const std::size_t partEnd = k + 1 < parts.size() ? parts[k + 1].Offset - 1 : end;
            std::size_t from = parts[k].Offset;
            if (Text[from] == '%') {
                const auto percent = FindUnescaped(Text, "%", from + 1, partEnd);
                if (percent == std::string_view::npos)
                    Block.Fail(from, "a weight that starts here has no closing \"%\"");
                parts[k].Weight = QuizNumber(Text.substr(from + 1, percent - from - 1));
                if (!parts[k].Weight) Block.Fail(from + 1, "a weight is a number of percent");
                from = percent + 1;
            }
            const auto hash = FindUnescaped(Text, "#", from, partEnd);
            parts[k].Offset = from;
            parts[k].Answer = Text.substr(from, std::min(hash, partEnd) - from);
            if (hash != std::string_view::npos)
                parts[k].Feedback = Text.substr(hash + 1, partEnd - hash - 1);
        }
        return parts;
    }

    void ReadChoices(std::size_t begin, std::size_t end) {
        const std::vector<TAnswerPart> parts = SplitParts(begin, end, "=~");
        const bool anyWrong = std::any_of(parts.begin(), parts.end(),
                                          [](const TAnswerPart& p) { return p.Mark == '~'; });
        if (!anyWrong) {
            Skip("a short-answer question, whose typed answer a book cannot check");
            return;
        }
        int right = 0;
        bool partial = false;
        std::optional<std::size_t> afterFeedback;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            const TAnswerPart& part = parts[k];
            const double weight = part.Weight.value_or(part.Mark == '=' ? 100 : 0);
            TImportedChoice choice;
            choice.Text = PlainText(part.Answer, Format);
            choice.Feedback = PlainText(part.Feedback, Format);
            choice.Right = weight >= 100;
            right += choice.Right ? 1 : 0;
            partial = partial || (weight > 0 && weight < 100);
            if (choice.Right && k > 0 && !parts[k - 1].Feedback.empty() && !afterFeedback)
                afterFeedback = part.Offset - 1;
            Question.Choices.push_back(std::move(choice));
        }
        Question.Kind = TImportedKind::MultipleChoice;
        if (right > 1 && afterFeedback)
            Skip(Block.Place(*afterFeedback) +
                 ": an unescaped \"=\" in the feedback before it starts another right answer; "
                 "write \\= for an equals sign");
        else if (right > 1)
            Skip("several right answers, which a book's questions do not have");
        else if (right == 0)
            Skip(partial ? "answers with partial credit and none with full credit"
                         : "no right answer");
        else if (partial)
            Question.Notes.push_back(
                "its answers with partial credit are wrong answers in the book");
    }

    // {#answer#feedback =answer#feedback ~#feedback for any other answer}
    void ReadNumerical(std::size_t begin, std::size_t end) {
        Question.Kind = TImportedKind::Numerical;
        const std::vector<TAnswerPart> parts = SplitParts(begin, end, "=~");
        for (const TAnswerPart& part : parts)
            if (part.Mark == '~' && (part.Weight || !Trim(part.Answer).empty()))
                Block.Fail(part.Offset - 1,
                           "in a numerical question \"~\" is followed only by \"#\" and the "
                           "feedback for other answers; write \\~ for a tilde in a text");
        const auto answers = std::count_if(parts.begin(), parts.end(),
                                           [](const TAnswerPart& p) { return p.Mark != '~'; });
        if (answers == 0) Block.Fail(begin, "a numerical question needs its answer after \"#\"");
        const auto full = std::find_if(parts.begin(), parts.end(), [](const TAnswerPart& p) {
            return p.Mark != '~' && p.Weight.value_or(100) >= 100;
        });
        if (full == parts.end()) {
            Skip("no answer with full credit");
            return;
        }
        // "{#5#Good = well done}": an "=" in the feedback starts what reads as another answer.
        for (std::size_t k = 1; k < parts.size(); ++k)
            if (parts[k].Mark == '=' && !parts[k - 1].Feedback.empty() &&
                !IsNumberAnswer(parts[k].Answer))
                Block.Fail(parts[k].Offset - 1, "an unescaped \"=\" in the feedback before it "
                                                "starts another answer; write \\= for an equals "
                                                "sign");
        if (answers > 1) Question.Notes.push_back("only the answer with full credit is kept");
        ReadNumber(*full);
        for (const TAnswerPart& part : parts)
            if (part.Offset != full->Offset && !part.Feedback.empty())
                Question.WrongFeedback +=
                    (Question.WrongFeedback.empty() ? "" : "\n") + PlainText(part.Feedback, Format);
        if (!full->Feedback.empty() && Question.GeneralFeedback.empty())
            Question.GeneralFeedback = PlainText(full->Feedback, Format);
    }

    static bool IsNumberAnswer(std::string_view answer) {
        if (const auto range = answer.find(".."); range != std::string_view::npos)
            return QuizNumber(answer.substr(0, range)) && QuizNumber(answer.substr(range + 2));
        if (const auto colon = answer.find(':'); colon != std::string_view::npos)
            return QuizNumber(answer.substr(0, colon)) && QuizNumber(answer.substr(colon + 1));
        return QuizNumber(answer).has_value();
    }

    // "answer:tolerance", "low..high" or "answer".
    void ReadNumber(const TAnswerPart& part) {
        const std::string_view answer = part.Answer;
        std::optional<double> value, tolerance = 0.0;
        std::string_view written = answer;
        if (const auto range = answer.find(".."); range != std::string_view::npos) {
            const auto low = QuizNumber(answer.substr(0, range));
            const auto high = QuizNumber(answer.substr(range + 2));
            if (low && high) {
                value = (*low + *high) / 2;
                tolerance = std::fabs(*high - *low) / 2;
                written = {};
            }
        } else if (const auto colon = answer.find(':'); colon != std::string_view::npos) {
            value = QuizNumber(answer.substr(0, colon));
            tolerance = QuizNumber(answer.substr(colon + 1));
            written = answer.substr(0, colon);
        } else {
            value = QuizNumber(answer);
        }
        if (!value || !tolerance)
            Block.Fail(part.Offset, "\"" + std::string(Trim(answer)) +
                                        "\" is not a number, a number:tolerance or a low..high" +
                                        (part.Mark == '=' ? "; write \\= for an equals sign in "
                                                            "a feedback"
                                                          : ""));
        char text[64];
        const auto [end, error] = std::to_chars(text, text + sizeof text, *value);
        (void)error;
        Question.Formula.assign(text, end);
        Question.Tolerance = std::fabs(*tolerance);
        // The places the author wrote the answer with, as "3.50" shows two.
        if (!Trim(written).empty()) Question.AnswerDecimals = DecimalsWritten(written);
    }

    const TBlock& Block;
    std::string_view Text;
    std::set<std::size_t> LiteralNotes;
    TTextFormat Format = TTextFormat::Moodle;
    TImportedQuestion Question;
};

bool IsBlankLine(std::string_view line) {
    return Trim(line).empty();
}

// Comments and category lines are left out wherever they stand: a category line written just
// above its first question leaves that question in the block.
bool IsLineLeftOut(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    return trimmed.starts_with("//") || trimmed.starts_with("$CATEGORY:");
}

} // namespace

std::vector<TImportedQuestion> ReadGift(std::string_view text) {
    return ReadGiftPiece(text, 1);
}

std::vector<TImportedQuestion> ReadGiftPiece(std::string_view text, int firstLine) {
    std::vector<TImportedQuestion> questions;
    TBlock block;
    std::string name;
    auto finish = [&] {
        if (block.Empty()) return;
        try {
            questions.push_back(TGiftParser(block).Parse());
        } catch (const TImportParseError& e) {
            // A question that cannot be read is left out; the file goes on after it.
            TImportedQuestion unread;
            unread.Where = "line " + std::to_string(block.FirstLine());
            unread.SkipReason = "line " + std::to_string(e.Line) + ", column " +
                                std::to_string(e.Column) + ": " + e.what();
            unread.Unreadable = true;
            questions.push_back(std::move(unread));
        }
        if (questions.back().Name.empty()) questions.back().Name = name;
        name.clear();
        block = TBlock();
    };
    int lineNumber = firstLine - 1;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNumber;
        if (IsBlankLine(line)) {
            finish();
        } else if (IsLineLeftOut(line)) {
            // "// question: 12  name: Rates", as platforms write above each question.
            const std::string_view trimmed = Trim(line);
            if (const auto at = trimmed.find("name:");
                trimmed.starts_with("// question:") && at != std::string_view::npos)
                name = std::string(Trim(trimmed.substr(at + 5)));
        } else {
            block.AddLine(lineNumber, line);
        }
        start = end + 1;
    }
    finish();
    return questions;
}

} // namespace quillara::tool
