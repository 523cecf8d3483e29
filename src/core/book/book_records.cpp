#include "core/book/book_records.h"

#include "core/book/book_strings.h"
#include "core/text/number_text.h"

namespace quillara {

namespace {

// A record that may start with its marker: reads the first short string and, when it is not the
// marker, moves back so the record is read in its oldest layout.
bool StartsWithMarker(TByteReader& in, std::string_view marker, std::string_view field) {
    const std::size_t start = in.Position();
    const std::uint8_t length = in.ReadByte(field);
    const std::string_view text = TrimRight(in.ReadBytes(length, field));
    if (text.substr(0, 10) == marker) return true;
    in.Seek(start);
    return false;
}

TReal48 ReadBound(TByteReader& in, const char* field, const TRegionalSettings& regional,
                  bool& withoutPoint) {
    bool thisWithoutPoint = false;
    const Extended value =
        ParseStoredNumberText(ReadLongString(in, field), regional, &thisWithoutPoint);
    withoutPoint = withoutPoint || thisWithoutPoint;
    return TReal48::FromExtended(value);
}

} // namespace

TChapterTopic ReadTopicRecord(TByteReader& in, std::int32_t topicId) {
    TChapterTopic topic;
    const bool marked = StartsWithMarker(in, "CTI", "topic record");
    topic.TopicId = topicId;
    if (marked) {
        topic.RecordVersion = in.ReadByte("topic record version");
        if (topic.RecordVersion == 1) {
            topic.Title = ReadShortString(in, "topic Title");
            topic.TopicAttribute = in.ReadUInt16("TopicAttribute");
        }
    } else {
        topic.RecordVersion = 0;
        topic.Title = ReadShortString(in, "topic Title");
        topic.TopicAttribute = 2;
    }
    return topic;
}

void WriteTopicRecord(TByteWriter& out, const TChapterTopic& topic) {
    if (topic.RecordVersion == 0) {
        WriteShortString(out, topic.Title);
        return;
    }
    WriteShortString(out, "CTI");
    out.WriteByte(topic.RecordVersion);
    if (topic.RecordVersion == 1) {
        WriteShortString(out, topic.Title);
        out.WriteUInt16(topic.TopicAttribute);
    }
}

std::unique_ptr<TVarible> ReadVariableRecord(TByteReader& in, const TRegionalSettings& regional) {
    std::uint8_t version = 0;
    if (StartsWithMarker(in, "VAR", "variable record")) {
        version = in.ReadByte("variable record version");
        if (version != 1) {
            auto unknown = std::make_unique<TVarible>("", 0, TReal48{}, TReal48{}, 0, std::nullopt);
            unknown->RecordVersion = version;
            return unknown;
        }
    }
    std::string name = ReadShortString(in, "variable Name");
    const std::int16_t kind = in.ReadInt16("variable Kind");
    std::optional<std::vector<std::string>> choices;
    TReal48 min, max;
    std::int16_t decimals = 0;
    bool boundsWithoutPoint = false;
    if (kind == vkChoice) {
        const std::uint8_t count = in.ReadByte("variable choice count");
        choices.emplace();
        for (int i = 0; i < count; ++i)
            choices->push_back(ReadShortString(in, "variable Choices"));
    } else if (version == 1) {
        min = ReadBound(in, "variable Min", regional, boundsWithoutPoint);
        max = ReadBound(in, "variable Max", regional, boundsWithoutPoint);
        decimals = in.ReadInt16("variable Decimals");
    } else {
        auto readReal = [&](const char* field) {
            TReal48 value;
            const std::string_view bytes = in.ReadBytes(6, field);
            for (int i = 0; i < 6; ++i)
                value.Bytes[i] = static_cast<std::uint8_t>(bytes[i]);
            return value;
        };
        min = readReal("variable Min");
        max = readReal("variable Max");
        decimals = in.ReadInt16("variable Decimals");
    }
    auto variable =
        std::make_unique<TVarible>(std::move(name), kind, min, max, decimals, std::move(choices));
    variable->RecordVersion = version;
    variable->BoundsWithoutPoint = boundsWithoutPoint;
    return variable;
}

void WriteVariableRecord(TByteWriter& out, const TVarible& variable,
                         const TRegionalSettings& regional) {
    if (variable.RecordVersion != 0) {
        WriteShortString(out, "VAR");
        out.WriteByte(variable.RecordVersion);
        if (variable.RecordVersion != 1) return;
    }
    WriteShortString(out, variable.Name);
    out.WriteInt16(variable.Kind);
    if (variable.Kind == vkChoice) {
        const std::size_t count =
            variable.Choices ? std::min<std::size_t>(variable.Choices->size(), 255) : 0;
        out.WriteByte(static_cast<std::uint8_t>(count));
        for (std::size_t i = 0; i < count; ++i)
            WriteShortString(out, (*variable.Choices)[i]);
        return;
    }
    if (variable.RecordVersion == 1) {
        WriteLongString(out,
                        FormatShortest(static_cast<double>(variable.Min.ToExtended()), regional));
        WriteLongString(out,
                        FormatShortest(static_cast<double>(variable.Max.ToExtended()), regional));
    } else {
        for (const TReal48& bound : {variable.Min, variable.Max})
            out.WriteBytes(std::string_view(reinterpret_cast<const char*>(bound.Bytes.data()), 6));
    }
    out.WriteInt16(variable.Decimals);
}

TExpression ReadExpressionRecord(TByteReader& in) {
    TExpression expression;
    expression.RecordVersion = in.ReadByte("expression record version");
    expression.FirstText = ReadLongString(in, "expression FirstText");
    if (expression.RecordVersion >= 2)
        expression.SecondText = ReadLongString(in, "expression SecondText");
    return expression;
}

void WriteExpressionRecord(TByteWriter& out, const TExpression& expression) {
    out.WriteByte(expression.RecordVersion);
    WriteLongString(out, expression.FirstText);
    if (expression.RecordVersion >= 2) WriteLongString(out, expression.SecondText);
}

std::unique_ptr<TFormula> ReadFormulaRecord(TByteReader& in) {
    const std::uint8_t version = in.ReadByte("formula record version");
    if (version == 0) return std::make_unique<TFormula>(true, "", "", version);
    const bool hasDeclaration = in.ReadByte("formula HasDeclaration") != 0;
    std::string source = ReadLongString(in, "formula Source");
    std::string secondText = ReadLongString(in, "formula SecondText");
    return std::make_unique<TFormula>(hasDeclaration, std::move(source), std::move(secondText),
                                      version);
}

void WriteFormulaRecord(TByteWriter& out, const TFormula& formula) {
    out.WriteByte(formula.RecordVersion);
    if (formula.RecordVersion == 0) return;
    out.WriteByte(formula.HasDeclaration ? 1 : 0);
    WriteLongString(out, formula.Source);
    WriteLongString(out, formula.SecondText);
}

} // namespace quillara
