#include "book_json.h"

#include "core/text/windows1252.h"

namespace quillara::tool {

using nlohmann::json;

namespace {

json Number(Extended value) {
    return static_cast<double>(value);
}

json TextList(const std::optional<std::vector<std::string>>& list) {
    if (!list) return nullptr;
    json array = json::array();
    for (const auto& item : *list)
        array.push_back(Text(item));
    return array;
}

json VariableToJson(const TVarible& v) {
    return {{"Name", Text(v.Name)},
            {"Kind", v.Kind},
            {"Min", Number(v.Min.ToExtended())},
            {"Max", Number(v.Max.ToExtended())},
            {"Decimals", v.Decimals},
            {"Choices", TextList(v.Choices)},
            {"RecordVersion", v.RecordVersion}};
}

json FormulaToJson(const TFormula& f) {
    json nodes = json::array();
    for (const TFormulaNode& node : f.Nodes)
        nodes.push_back({{"NodeKind", node.NodeKind},
                         {"Value", Number(node.Value)},
                         {"Text", Text(node.Text)}});
    return {{"Name", Text(f.Name)},     {"HasDeclaration", f.HasDeclaration},
            {"Source", Text(f.Source)}, {"SecondText", Text(f.SecondText)},
            {"Compiled", f.Compiled},   {"Parameters", TextList(f.Parameters)},
            {"Nodes", nodes},           {"RecordVersion", f.RecordVersion}};
}

} // namespace

json Text(std::string_view bytes) {
    return Windows1252ToUtf8(bytes);
}

json BookToJson(const TBookProperties& book) {
    json topics = json::array();
    for (const TChapterTopic& t : book.Topics)
        topics.push_back({{"Title", Text(t.Title)},
                          {"TopicId", t.TopicId},
                          {"TopicAttribute", t.TopicAttribute},
                          {"RecordVersion", t.RecordVersion}});
    json chapterNames = json::array();
    for (const auto& name : book.ChapterNames)
        chapterNames.push_back(Text(name));
    json variables = json::array();
    for (const auto& v : book.Variables)
        variables.push_back(VariableToJson(*v));
    json expressions = json::array();
    for (const TExpression& e : book.Expressions)
        expressions.push_back({{"FirstText", Text(e.FirstText)},
                               {"SecondText", Text(e.SecondText)},
                               {"RecordVersion", e.RecordVersion}});
    json formulas = json::array();
    for (const auto& f : book.Formulas)
        formulas.push_back(FormulaToJson(*f));

    return {{"version", book.Version},
            {"Text6", Text(book.Text6)},
            {"Text7", Text(book.Text7)},
            {"Title", Text(book.Title)},
            {"Text2", Text(book.Text2)},
            {"Text3", Text(book.Text3)},
            {"Text4", Text(book.Text4)},
            {"Copyright", Text(book.Copyright)},
            {"Topics", topics},
            {"HasGlossary", book.HasGlossary},
            {"HasMatchingQuiz", book.HasMatchingQuiz},
            {"HasAuthorsNotes", book.HasAuthorsNotes},
            {"ReservedFlags", book.ReservedFlags},
            {"ChapterCount", book.ChapterCount},
            {"ChapterNames", chapterNames},
            {"VariableCount", book.VariableCount},
            {"ExpressionCount", book.ExpressionCount},
            {"FormulaCount", book.FormulaCount},
            {"Variables", variables},
            {"Expressions", expressions},
            {"Formulas", formulas},
            {"LoadFailed", book.LoadFailed},
            {"LoadError", Text(book.LoadError)}};
}

json TopicFileToJson(const std::vector<TTopicEntry>& entries) {
    json list = json::array();
    for (const TTopicEntry& e : entries)
        list.push_back({{"key", Text(e.Key)}, {"page", Text(e.Page)}});
    return {{"entries", list}};
}

json QuestionToJson(const TQuestion& q) {
    return {{"version", q.RecordVersion},
            {"Answer", Text(std::string(1, q.Answer))},
            {"ChoiceCount", q.ChoiceCount},
            {"Text", Text(q.Text)},
            {"Explanation", Text(q.Explanation)},
            {"GlossaryTerms", TextList(q.GlossaryTerms)},
            {"Kind", q.Kind},
            {"Formula", Text(q.Formula)},
            {"RoundTo", Number(q.RoundTo)}};
}

json QuestionBankToJson(const std::vector<TQuestion>& questions) {
    json list = json::array();
    for (const TQuestion& q : questions)
        list.push_back(QuestionToJson(q));
    return {{"questions", list}};
}

json GlossaryEntryToJson(const TDefinition& d) {
    return {{"PageRef", Text(d.PageRef)},
            {"DefinitionText", Text(d.DefinitionText)},
            {"Term", Text(d.Term)},
            {"ChapterRef", Text(d.ChapterRef)}};
}

void WriteQuestionJson(TJsonStream& json, const TQuestionFields& fields) {
    // In the order dump sorts the keys.
    json.BeginObject();
    json.Key("Answer");
    json.Text(std::string_view(&fields.Answer, 1));
    json.Key("ChoiceCount");
    json.Unsigned(fields.ChoiceCount);
    json.Key("Explanation");
    json.Text(fields.Explanation);
    json.Key("Formula");
    json.Text(fields.Formula);
    json.Key("GlossaryTerms");
    if (fields.TermCount > 0) {
        json.BeginArray();
        ForEachRelatedTerm(fields, [&json](std::string_view term) { json.Text(term); });
        json.EndArray();
    } else {
        json.Null();
    }
    json.Key("Kind");
    json.Unsigned(fields.Kind);
    json.Key("RoundTo");
    json.Number(static_cast<double>(fields.RoundTo));
    json.Key("Text");
    json.Text(fields.Text);
    json.Key("version");
    json.Unsigned(fields.RecordVersion);
    json.EndObject();
}

void WriteGlossaryEntryJson(TJsonStream& json, const TDefinition& entry) {
    json.BeginObject();
    json.Key("ChapterRef");
    json.Text(entry.ChapterRef);
    json.Key("DefinitionText");
    json.Text(entry.DefinitionText);
    json.Key("PageRef");
    json.Text(entry.PageRef);
    json.Key("Term");
    json.Text(entry.Term);
    json.EndObject();
}

json GlossaryToJson(const std::vector<TDefinition>& entries) {
    json list = json::array();
    for (const TDefinition& d : entries)
        list.push_back(GlossaryEntryToJson(d));
    return {{"entries", list}};
}

json AuthorsNotesToJson(const std::string& text) {
    return {{"text", Text(text)}};
}

} // namespace quillara::tool
