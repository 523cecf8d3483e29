#pragma once

#include "core/book/question.h"
#include "core/scores/score.h"

#include <string>
#include <vector>

namespace quillara {

// A question whose first answer was wrong, as the results after an attempt show it.
struct TMissedAnswer {
    TQuestion Question;
    // The text as the student saw it, its placeholders filled with the values drawn then.
    std::string ShownText;
    // The first answer given: "T", "B", or the number typed.
    std::string Given;
    // The right answer: "F", "A", or a word problem's expected value for the values drawn.
    std::string Right;
};

// What an ended quiz or test shows: the score, per chapter for a test, and what was missed.
struct TAttemptResults {
    std::string Title;
    bool IsQuiz = true;
    int Correct = 0;
    int Answered = 0;
    std::vector<TScoreDetail> Chapters;
    std::vector<TMissedAnswer> Missed;
    // Questions of the attempt left unanswered when it was ended early.
    int Unasked = 0;
    // Whether the missed questions can be asked again (the matching quiz's cannot).
    bool OffersRetake = true;
};

// "7 of 10, 70%": the whole percent truncated, as the score history counts it.
std::string ResultText(int correct, int answered);

// "True" and "False" for a True/False answer letter; any other answer as it is.
std::string AnswerText(const TQuestion& question, const std::string& answer);

} // namespace quillara
