#include "core/book/question.h"

#include "core/book/book_strings.h"
#include "core/io/book_errors.h"

#include <algorithm>

namespace quillara {

TQuestionFields ReadQuestionFields(TByteReader& in) {
    TQuestionFields fields;
    const std::size_t start = in.Position();
    const std::uint8_t length = in.ReadByte("question record");
    const bool marked =
        length <= in.Remaining() && TrimRight(in.ReadBytes(length, "question record")) == "QT!";
    if (marked) {
        if (in.ReadByte("question version") != 2)
            throw TVersionError("Unknown version of the question object");
    } else {
        in.Seek(start);
        fields.RecordVersion = 1;
    }
    fields.Text = ReadLongText(in, "question Text");
    fields.Explanation = ReadLongText(in, "Explanation");
    fields.Answer = static_cast<char>(in.ReadByte("Answer"));
    fields.ChoiceCount = in.ReadByte("ChoiceCount");
    fields.Kind = in.ReadByte("Kind");
    fields.TermCount = in.ReadByte("related term count");
    // Walked once here, so that a bank ending inside a term is reported where it ends.
    const std::size_t termsStart = in.Position();
    for (int i = 0; i < fields.TermCount; ++i)
        ReadShortText(in, "GlossaryTerms");
    const std::size_t termsEnd = in.Position();
    in.Seek(termsStart);
    fields.TermRecords = in.ReadBytes(termsEnd - termsStart, "GlossaryTerms");
    if (fields.Kind == qkWordProblem) {
        fields.Formula = ReadLongText(in, "Formula");
        if (marked) fields.RoundTo = in.ReadExtended("RoundTo");
    }
    return fields;
}

TQuestion MakeQuestion(const TQuestionFields& fields) {
    TQuestion question;
    question.Answer = fields.Answer;
    question.ChoiceCount = fields.ChoiceCount;
    question.Text = fields.Text;
    question.Explanation = fields.Explanation;
    if (fields.TermCount > 0) {
        question.GlossaryTerms.emplace();
        question.GlossaryTerms->reserve(fields.TermCount);
        ForEachRelatedTerm(
            fields, [&](std::string_view term) { question.GlossaryTerms->emplace_back(term); });
    }
    question.Kind = fields.Kind;
    question.Formula = fields.Formula;
    question.RoundTo = fields.RoundTo;
    question.RecordVersion = fields.RecordVersion;
    return question;
}

TQuestion ReadQuestion(TByteReader& in) {
    return MakeQuestion(ReadQuestionFields(in));
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
