#pragma once

#include "core/book/question.h"

namespace quillara::testing {

// "What is {a} plus {b}?" rounded to 2 places, in the marked layout (version 2) or the unmarked
// one (version 1), which keeps no rounding.
inline TQuestion SampleWordProblem(std::uint8_t recordVersion) {
    TQuestion question;
    question.Kind = qkWordProblem;
    question.Text = "What is {a} plus {b}?";
    question.Formula = "{a}+{b}";
    question.RoundTo = 2;
    question.RecordVersion = recordVersion;
    return question;
}

} // namespace quillara::testing
