#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillara::tool {

// A question as a quiz file holds it, before it becomes a question of the book. Texts are
// UTF-8 plain text: the readers have already turned HTML and Markdown into what a question shows.
enum class TImportedKind { TrueFalse, MultipleChoice, Numerical, Calculated, Unsupported };

struct TImportedChoice {
    std::string Text;
    std::string Feedback;
    bool Right = false;
};

// A figure of a calculated question, drawn between Min and Max (both included) with Decimals
// places.
struct TImportedVariable {
    std::string Name;
    double Min = 0;
    double Max = 0;
    int Decimals = 0;
    // Anything but a uniform draw is noted, as the book draws uniformly.
    bool Uniform = true;
};

enum class TToleranceKind { Absolute, Relative };

struct TImportedQuestion {
    // Where the question lies in its file, as reports name it: "line 12" or "question \"Rates\"
    // (line 40)".
    std::string Where;
    // The name the file gives the question, when it gives one.
    std::string Name;
    TImportedKind Kind = TImportedKind::Unsupported;
    // Why the question cannot come into a book; set for Unsupported.
    std::string SkipReason;
    // Whether the question could not be read as its format writes questions at all (in GIFT,
    // text without answers too): a file of nothing else is none of the format's.
    bool Unreadable = false;
    std::string Text;
    std::string GeneralFeedback;

    // Multiple Choice, in the file's order.
    std::vector<TImportedChoice> Choices;
    // Whether the file leaves the order of the choices to chance; the book keeps the order the
    // import gives them.
    bool Shuffle = true;

    // True/False.
    bool TrueAnswer = false;
    std::string WrongFeedback;

    // Numerical (Formula is a number, as to_chars writes it) and Calculated (a formula over the
    // variables, as the quiz file writes it).
    std::string Formula;
    double Tolerance = 0;
    TToleranceKind ToleranceKind = TToleranceKind::Absolute;
    // The places the file shows the answer with, when it says.
    std::optional<int> AnswerDecimals;
    std::vector<TImportedVariable> Variables;
    // Facts worth telling the author that do not stop the question, one sentence each.
    std::vector<std::string> Notes;
};

// A file that cannot be read as its format at all, with the place where reading stopped.
class TImportParseError : public std::runtime_error {
public:
    TImportParseError(int line, int column, const std::string& message)
        : std::runtime_error(message), Line(line), Column(column) {}
    int Line;
    int Column;
};

} // namespace quillara::tool
