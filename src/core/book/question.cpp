#include "book/question.h"

#include "book/book_strings.h"
#include "io/book_errors.h"

#include <algorithm>

namespace quillara {

TQuestion ReadQuestion(TByteReader& in) {
    TQuestion question;
    const std::size_t start = in.Position();
    const std::uint8_t length = in.ReadByte("question record");
    const bool marked =
        length <= in.Remaining() && TrimRight(in.ReadBytes(length, "question record")) == "QT!";
    if (marked) {
        if (in.ReadByte("question version") != 2)
            throw TVersionError("Unknown version of the question object");
    } else {
        in.Seek(start);
        question.RecordVersion = 1;
    }
    question.Text = ReadLongString(in, "question Text");
    question.Explanation = ReadLongString(in, "Explanation");
    question.Answer = static_cast<char>(in.ReadByte("Answer"));
    question.ChoiceCount = in.ReadByte("ChoiceCount");
    question.Kind = in.ReadByte("Kind");
    const std::uint8_t termCount = in.ReadByte("related term count");
    if (termCount > 0) {
        question.GlossaryTerms.emplace();
        question.GlossaryTerms->reserve(std::min<std::size_t>(termCount, in.Remaining()));
        for (int i = 0; i < termCount; ++i)
            question.GlossaryTerms->push_back(ReadShortString(in, "GlossaryTerms"));
    }
    if (question.Kind == qkWordProblem) {
        question.Formula = ReadLongString(in, "Formula");
        if (marked) question.RoundTo = in.ReadExtended("RoundTo");
    }
    return question;
}

void WriteQuestion(TByteWriter& out, const TQuestion& question) {
    if (question.RecordVersion != 1) {
        WriteShortString(out, "QT!");
        out.WriteByte(question.RecordVersion);
    }
    WriteLongString(out, question.Text);
    WriteLongString(out, question.Explanation);
    out.WriteByte(static_cast<std::uint8_t>(question.Answer));
    out.WriteByte(question.ChoiceCount);
    out.WriteByte(question.Kind);
    const std::size_t terms =
        question.GlossaryTerms ? std::min<std::size_t>(question.GlossaryTerms->size(), 255) : 0;
    out.WriteByte(static_cast<std::uint8_t>(terms));
    for (std::size_t i = 0; i < terms; ++i)
        WriteShortString(out, (*question.GlossaryTerms)[i]);
    if (question.Kind == qkWordProblem) {
        WriteLongString(out, question.Formula);
        if (question.RecordVersion != 1) out.WriteExtended(question.RoundTo);
    }
}

std::string QuestionBankName(int chapter) {
    return "QUESTION." + std::to_string(chapter);
}

std::vector<TQuestion> ReadQuestionBank(TByteReader& in) {
    std::vector<TQuestion> questions;
    const std::int16_t count = in.ReadInt16("question count");
    // A record takes at least its two text lengths and four bytes, so the bytes left bound the
    // room a damaged count can claim.
    questions.reserve(std::min<std::size_t>(std::max<int>(count, 0), in.Remaining() / 8));
    for (int i = 0; i < count; ++i)
        questions.push_back(ReadQuestion(in));
    return questions;
}

std::string WriteQuestionBank(const std::vector<TQuestion>& questions) {
    TByteWriter out;
    const std::size_t count = std::min<std::size_t>(questions.size(), INT16_MAX);
    out.WriteInt16(static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        WriteQuestion(out, questions[i]);
    return out.Take();
}

} // namespace quillara
