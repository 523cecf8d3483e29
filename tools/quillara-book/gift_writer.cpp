#include "gift_writer.h"

#include "quiz_file_text.h"

namespace quillara::tool {

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (std::string_view("~=#{}:\\").find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

std::string Feedback(const std::string& general) {
    return general.empty() ? "" : "####" + Escaped(general);
}

} // namespace

std::string WriteGift(const std::vector<TImportedQuestion>& questions) {
    std::string out;
    std::size_t number = 0;
    for (const TImportedQuestion& q : questions) {
        // Named as a platform lists it, from the question's own text; the book's texts are
        // plain: "<" is a character, not a tag.
        out +=
            "::" + Escaped(QuestionName(q.Text, ++number)) + "::[plain]" + Escaped(q.Text) + " {";
        switch (q.Kind) {
        case TImportedKind::TrueFalse:
            out += q.TrueAnswer ? "T" : "F";
            break;
        case TImportedKind::MultipleChoice:
            for (const TImportedChoice& choice : q.Choices)
                out += std::string("\n") + (choice.Right ? "=" : "~") + Escaped(choice.Text);
            out += "\n";
            break;
        case TImportedKind::Numerical:
            out += "#" + q.Formula + ":" + QuizNumberText(q.Tolerance);
            break;
        default:
            break;
        }
        out += Feedback(q.GeneralFeedback) + "}\n\n";
    }
    return out;
}

} // namespace quillara::tool
