#include "aiken_reader.h"

#include "markup_text.h"
#include "quiz_file_text.h"

namespace quillara::tool {

namespace {

bool IsChoiceLine(std::string_view line) {
    return line.size() >= 3 && line[0] >= 'A' && line[0] <= 'Z' &&
           (line[1] == '.' || line[1] == ')') && (line[2] == ' ' || line[2] == '\t');
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
            if (line[0] != 'A' + static_cast<int>(Question.Choices.size()))
                throw TImportParseError(
                    number, 1,
                    "choices are lettered in order from A; expected " +
                        std::string(1, static_cast<char>('A' + Question.Choices.size())));
            Question.Choices.push_back({std::string(Trim(line.substr(3))), {}, false});
        } else {
            if (Open && !Question.Choices.empty())
                throw TImportParseError(Question.Line, 1,
                                        "the question that starts here has no \"ANSWER:\" line");
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
        const std::size_t index =
            letter.size() == 1 ? static_cast<std::size_t>(letter[0] - 'A') : 99;
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
    TAikenParser parser;
    int number = 0;
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
