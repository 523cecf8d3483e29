#pragma once
// What the quiz file reader tests expect of one question read, and the check of it.
#include "imported_question.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillara::testing {

struct ExpectedImport {
    tool::TImportedKind Kind;
    std::string Where;
    std::string Text;
    // Multiple Choice: each choice's text, "=" before the right one and "#feedback" after it
    // when it has one; True/False: "T" or "F";
    // Numerical and Calculated: the formula.
    std::vector<std::string> Answers;
    std::string GeneralFeedback = {};
    std::string WrongFeedback = {};
    // Unsupported: the start of the reason.
    std::string SkipReason = {};
};

inline void ExpectImported(const tool::TImportedQuestion& got, const ExpectedImport& want) {
    EXPECT_EQ(got.Kind, want.Kind) << got.SkipReason;
    EXPECT_EQ(got.Where, want.Where);
    EXPECT_EQ(got.Text, want.Text);
    std::vector<std::string> answers;
    switch (got.Kind) {
    case tool::TImportedKind::TrueFalse:
        answers.push_back(got.TrueAnswer ? "T" : "F");
        break;
    case tool::TImportedKind::Numerical:
    case tool::TImportedKind::Calculated:
        answers.push_back(got.Formula);
        break;
    default:
        for (const tool::TImportedChoice& choice : got.Choices)
            answers.push_back((choice.Right ? "=" : "") + choice.Text +
                              (choice.Feedback.empty() ? "" : "#" + choice.Feedback));
    }
    EXPECT_EQ(answers, want.Answers);
    EXPECT_EQ(got.GeneralFeedback, want.GeneralFeedback);
    EXPECT_EQ(got.WrongFeedback, want.WrongFeedback);
    EXPECT_TRUE(got.SkipReason.starts_with(want.SkipReason)) << got.SkipReason;
    EXPECT_EQ(got.SkipReason.empty(), want.SkipReason.empty()) << got.SkipReason;
}

// Every question the reader reads from the file, each as expected and in order.
template <typename TReader>
void ExpectEachRead(TReader read, const std::string& file,
                    const std::vector<ExpectedImport>& expected) {
    const std::vector<tool::TImportedQuestion> got = read(file);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i + 1);
        ExpectImported(got[i], expected[i]);
    }
}

// The place and message of the parse error a reader raises, or a failure when it raises none.
template <typename TReader, typename TText>
void ExpectParseError(TReader read, const TText& text, int line, int column,
                      const std::string& message) {
    try {
        // A reader that goes on past a question it cannot read names the place in the reason
        // it leaves the question out for: "line 3, column 6: ..." (or "line 3: ..." where
        // lines alone tell).
        for (const tool::TImportedQuestion& question : read(text)) {
            if (!question.Unreadable) continue;
            const std::string place = "line " + std::to_string(line);
            const std::string& reason = question.SkipReason;
            EXPECT_TRUE(reason.starts_with(place + ", column " + std::to_string(column) + ": ") ||
                        reason.starts_with(place + ": "))
                << reason;
            EXPECT_NE(reason.find(message), std::string::npos) << reason;
            return;
        }
        ADD_FAILURE() << "read without error";
    } catch (const tool::TImportParseError& e) {
        EXPECT_EQ(e.Line, line);
        EXPECT_EQ(e.Column, column);
        EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
}

// A file a reader refuses, with the place and the message it gives.
struct RefusedFile {
    std::string File;
    int Line;
    int Column;
    const char* Message;
};

template <typename TReader>
void ExpectEachRefused(TReader read, const std::vector<RefusedFile>& files) {
    for (const RefusedFile& file : files) {
        SCOPED_TRACE(file.File.substr(0, 80));
        ExpectParseError(read, std::string_view(file.File), file.Line, file.Column, file.Message);
    }
}

} // namespace quillara::testing
