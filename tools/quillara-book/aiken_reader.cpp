#include "aiken_reader.h"

#include "markup_text.h"
#include "quiz_file_text.h"

#include <cctype>
#include <optional>

namespace quillara::tool {

namespace {

// The place from A of a choice letter, which teachers write in either case.
std::optional<std::size_t> LetterIndex(char letter) {
    if (letter >= 'A' && letter <= 'Z') return letter - 'A';
    if (letter >= 'a' && letter <= 'z') return letter - 'a';
    return std::nullopt;
}

std::string LetterName(std::size_t index) {
    return std::string(1, static_cast<char>('A' + index));
}

// "A. text" or "a) text"; a choice without text ends at its mark, the line being trimmed.
bool IsChoiceLine(std::string_view line) {
    return line.size() >= 2 && LetterIndex(line[0]) && (line[1] == '.' || line[1] == ')') &&
           (line.size() == 2 || line[2] == ' ' || line[2] == '\t');
}

// "ANSWER:" in any case, as teachers write it.
bool IsAnswerLine(std::string_view line) {
    constexpr std::string_view mark = "ANSWER:";
    if (line.size() < mark.size()) return false;
    for (std::size_t i = 0; i < mark.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(line[i])) != mark[i]) return false;
    return true;
}

class TAikenParser {
public:
    void Line(int number, std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (line.empty()) return;
        try {
            Read(number, line);
        } catch (const TImportParseError& e) {
            // The question is left out with the reason; reading goes on after its answer line.
            TImportedQuestion unread;
            unread.Where = "line " + std::to_string(Open ? Question.Line : number);
            unread.SkipReason = "line " + std::to_string(e.Line) + ": " + e.what();
            unread.Unreadable = true;
            Questions.push_back(std::move(unread));
            Open = false;
            SkippingTo = !IsAnswerLine(line);
        }
    }

    std::vector<TImportedQuestion> Finish() {
        if (Open) {
            TImportedQuestion unread;
            unread.Where = "line " + std::to_string(Question.Line);
            unread.SkipReason = "line " + std::to_string(Question.Line) +
                                ": the question that starts here has no \"ANSWER:\" line";
            unread.Unreadable = true;
            Questions.push_back(std::move(unread));
            Open = false;
        }
        return std::move(Questions);
    }

private:
    void Read(int number, std::string_view line) {
        if (SkippingTo) {
            SkippingTo = !IsAnswerLine(line);
            return;
        }
        if (IsAnswerLine(line)) {
            Answer(number, line);
        } else if (IsChoiceLine(line)) {
            if (!Open) throw TImportParseError(number, 1, "a choice comes before its question");
            if (LetterIndex(line[0]) != Question.Choices.size())
                throw TImportParseError(number, 1,
                                        "choices are lettered in order from A; expected " +
                                            LetterName(Question.Choices.size()));
            // An empty choice is kept for the import to name with its question.
            Question.Choices.push_back({std::string(Trim(line.substr(2))), {}, false});
        } else {
            if (Open && !Question.Choices.empty()) {
                // The open question lacks its answer line; this line starts the next one.
                TImportedQuestion unread;
                unread.Where = "line " + std::to_string(Question.Line);
                unread.SkipReason = "line " + std::to_string(number) + ": expected choice " +
                                    LetterName(Question.Choices.size()) +
                                    " or the question's \"ANSWER:\" line";
                unread.Unreadable = true;
                Questions.push_back(std::move(unread));
                Open = false;
            }
            if (!Open) {
                Open = true;
                Question = {};
                Question.Line = number;
            }
            Question.Text += (Question.Text.empty() ? "" : "\n") + std::string(line);
        }
    }

    void Answer(int number, std::string_view line) {
        if (!Open || Question.Choices.empty())
            throw TImportParseError(number, 1, "an \"ANSWER:\" line without a question's choices");
        std::string_view letter = Trim(line.substr(7));
        // "ANSWER: B)" and "ANSWER: B." name B as well.
        if (letter.size() == 2 && (letter[1] == ')' || letter[1] == '.')) letter.remove_suffix(1);
        const std::size_t index = letter.size() == 1 ? LetterIndex(letter[0]).value_or(99) : 99;
        if (index >= Question.Choices.size())
            throw TImportParseError(number, 9,
                                    "the answer \"" + std::string(letter) +
                                        "\" names none of the question's choices");
        Question.Choices[index].Right = true;

        TImportedQuestion imported;
        imported.Where = "line " + std::to_string(Question.Line);
        imported.Kind = TImportedKind::MultipleChoice;
        imported.Text = TidyLines(Question.Text);
        imported.Choices = std::move(Question.Choices);
        // The letters are the author's: the answer line names one.
        imported.Shuffle = false;
        Questions.push_back(std::move(imported));
        Open = false;
    }

    struct TOpenQuestion {
        int Line = 0;
        std::string Text;
        std::vector<TImportedChoice> Choices;
    };
    bool Open = false;
    // After a question that cannot be read, until its "ANSWER:" line.
    bool SkippingTo = false;
    TOpenQuestion Question;
    std::vector<TImportedQuestion> Questions;
};

} // namespace

std::vector<TImportedQuestion> ReadAiken(std::string_view text) {
    return ReadAikenPiece(text, 1);
}

std::vector<TImportedQuestion> ReadAikenPiece(std::string_view text, int firstLine) {
    TAikenParser parser;
    int number = firstLine - 1;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        parser.Line(++number, text.substr(start, end - start));
        start = end + 1;
    }
    return parser.Finish();
}

} // namespace quillara::tool
