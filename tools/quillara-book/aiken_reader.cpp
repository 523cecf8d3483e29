#include "aiken_reader.h"

#include "markup_text.h"
#include "quiz_file_text.h"

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

class TAikenParser {
public:
    void Line(int number, std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (line.empty()) return;
        if (line.starts_with("ANSWER:")) {
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
            if (Open && !Question.Choices.empty())
                throw TImportParseError(number, 1,
                                        "expected choice " + LetterName(Question.Choices.size()) +
                                            " or the \"ANSWER:\" line of the question on line " +
                                            std::to_string(Question.Line));
            if (!Open) {
                Open = true;
                Question = {};
                Question.Line = number;
            }
            Question.Text += (Question.Text.empty() ? "" : "\n") + std::string(line);
        }
    }

    std::vector<TImportedQuestion> Finish() {
        if (Open)
            throw TImportParseError(Question.Line, 1,
                                    "the question that starts here has no \"ANSWER:\" line");
        return std::move(Questions);
    }

private:
    void Answer(int number, std::string_view line) {
        if (!Open || Question.Choices.empty())
            throw TImportParseError(number, 1, "an \"ANSWER:\" line without a question's choices");
        const std::string_view letter = Trim(line.substr(7));
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
        Questions.push_back(std::move(imported));
        Open = false;
    }

    struct TOpenQuestion {
        int Line = 0;
        std::string Text;
        std::vector<TImportedChoice> Choices;
    };
    bool Open = false;
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
