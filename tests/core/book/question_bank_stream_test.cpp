#include "core/book/book_strings.h"
#include "core/book/question_bank_stream.h"
#include "core/io/book_errors.h"
#include "sample_questions.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quillara {
namespace {

// A bank's questions in the form the file keeps them, with the failure that ended the reading.
struct TReading {
    std::vector<std::string> Records;
    std::string Failure;
};

std::string RecordOf(const TQuestion& question) {
    TByteWriter out;
    WriteQuestion(out, question);
    return out.Take();
}

TReading ReadWhole(const std::string& bytes) {
    TReading reading;
    TByteReader in(bytes, "QUESTION.1");
    try {
        const std::int16_t count = in.ReadInt16("question count");
        for (int i = 0; i < count; ++i)
            reading.Records.push_back(RecordOf(ReadQuestion(in)));
    } catch (const TBookFileError& e) {
        reading.Failure = e.what();
    }
    return reading;
}

// Read as questions, or as fields where they lie in the bytes held.
TReading ReadStreamed(const std::string& bytes, std::size_t pieceSize, bool asFields) {
    TReading reading;
    std::istringstream in(bytes);
    try {
        TQuestionBankStream bank(in, "QUESTION.1", pieceSize);
        if (asFields) {
            while (const auto fields = bank.NextFields())
                reading.Records.push_back(RecordOf(MakeQuestion(*fields)));
        } else {
            while (const auto question = bank.Next())
                reading.Records.push_back(RecordOf(*question));
        }
    } catch (const TBookFileError& e) {
        reading.Failure = e.what();
    }
    return reading;
}

std::vector<TQuestion> MixedQuestions() {
    const TQuestion wordProblem = testing::SampleWordProblem(2);
    const TQuestion oldWordProblem = testing::SampleWordProblem(1);
    TQuestion longChoice;
    longChoice.Text = "Which?\r\nA) " + std::string(3000, 'x') + "\r\nB) two";
    longChoice.Answer = 'B';
    longChoice.ChoiceCount = 2;
    longChoice.Explanation = "Because.";
    longChoice.GlossaryTerms = std::vector<std::string>{"Budget", "Interest"};
    TQuestion oldTrueFalse;
    oldTrueFalse.Kind = qkTrueFalse;
    oldTrueFalse.Answer = 'T';
    oldTrueFalse.Text = "QT! is how records begin";
    oldTrueFalse.RecordVersion = 1;
    return {wordProblem, oldWordProblem, longChoice, oldTrueFalse};
}

// Read in pieces of any size, a bank gives the questions and the failure that reading the whole
// file gives, at the same offset.
TEST(QuestionBankStream, ReadsWhatTheWholeFileReads) {
    const std::string bank = WriteQuestionBank(MixedQuestions());
    TByteWriter unknownVersion;
    unknownVersion.WriteInt16(2);
    unknownVersion.WriteBytes(RecordOf(MixedQuestions()[0]));
    WriteShortString(unknownVersion, "QT!");
    unknownVersion.WriteByte(3);

    std::vector<std::pair<std::string, std::string>> banks = {
        {"whole", bank},
        {"no count", ""},
        {"negative count", std::string("\xFF\xFF", 2) + bank.substr(2)},
        {"count past the records", std::string("\x05\x00", 2) + bank.substr(2)},
        {"unknown version", unknownVersion.Take()},
    };
    for (std::size_t cut = 1; cut < bank.size(); cut += 97)
        banks.emplace_back("cut at " + std::to_string(cut), bank.substr(0, cut));

    for (const auto& [what, bytes] : banks) {
        const TReading whole = ReadWhole(bytes);
        for (std::size_t piece : {std::size_t{1}, std::size_t{5}, std::size_t{1000},
                                  TQuestionBankStream::DefaultPieceSize}) {
            for (bool asFields : {false, true}) {
                SCOPED_TRACE(what + ", pieces of " + std::to_string(piece) +
                             (asFields ? ", fields" : ""));
                const TReading streamed = ReadStreamed(bytes, piece, asFields);
                EXPECT_EQ(streamed.Records, whole.Records);
                EXPECT_EQ(streamed.Failure, whole.Failure);
            }
        }
    }
    EXPECT_EQ(ReadWhole(bank).Records.size(), 4u);
    EXPECT_NE(ReadWhole(bank.substr(0, 500)).Failure.find("at byte"), std::string::npos);
}

} // namespace
} // namespace quillara
