#include "core/quiz/attempt_results.h"

namespace quillara {

std::string ResultText(int correct, int answered) {
    return std::to_string(correct) + " of " + std::to_string(answered) + ", " +
           std::to_string(wholePercent(correct, answered)) + "%";
}

std::string AnswerText(const TQuestion& question, const std::string& answer) {
    if (question.Kind != qkTrueFalse) return answer;
    if (answer == "T") return "True";
    if (answer == "F") return "False";
    return answer;
}

} // namespace quillara
