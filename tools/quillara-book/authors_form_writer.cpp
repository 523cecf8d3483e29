// A book written out in the author's form: what every book has by default is left out, and
// each text, kind and function is written as the author's reader takes it back, byte for byte.
#include "authors_form.h"
#include "book_directory_json.h"
#include "book_source.h"
#include "core/book/book_files.h"
#include "core/text/windows1252.h"
#include "named_parameters.h"

#include <iostream>

namespace quillara::tool {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// One line as a text, several as a list of lines.
ordered_json AuthorText(const json& stored) {
    const std::string text = stored.get<std::string>();
    if (text.find('\n') == std::string::npos) return text;
    ordered_json lines = ordered_json::array();
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start))
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

template <std::size_t N> ordered_json CodeName(long code, const std::array<TNamedCode, N>& names) {
    for (const TNamedCode& named : names)
        if (named.Code == code) return named.Name;
    return code;
}

ordered_json Topic(const json& t) {
    const long attribute = t["TopicAttribute"].get<long>();
    const int version = t["RecordVersion"].get<int>();
    if (version == 1 && attribute == StandardTopicAttribute.Code) return AuthorText(t["Title"]);
    ordered_json out;
    if (!t["Title"].get<std::string>().empty()) out["Title"] = AuthorText(t["Title"]);
    if (attribute != StandardTopicAttribute.Code) out["Attribute"] = attribute;
    if (version != 1) out["RecordVersion"] = version;
    return out;
}

ordered_json Variable(const json& v) {
    ordered_json out = {{"Name", AuthorText(v["Name"])},
                        {"Kind", CodeName(v["Kind"].get<long>(), VariableKindNames)}};
    if (v["Kind"] == 3) {
        out["Choices"] = ordered_json::array();
        for (const json& choice : v["Choices"])
            out["Choices"].push_back(AuthorText(choice));
    } else {
        out["Min"] = v["Min"];
        out["Max"] = v["Max"];
        out["Decimals"] = v["Decimals"];
    }
    if (v["RecordVersion"] != 1) out["RecordVersion"] = v["RecordVersion"];
    return out;
}

// Whether the author's reader takes the text back as it is.
bool ReadsAsWritten(const std::string& declaration) {
    try {
        return PositionalDeclaration(declaration) == declaration;
    } catch (const std::invalid_argument&) {
        return false;
    }
}

ordered_json Function(const json& f) {
    const std::string source = f["Source"].get<std::string>();
    const bool declaration = f["HasDeclaration"].get<bool>();
    std::optional<std::string> named = declaration ? NamedDeclaration(source) : std::nullopt;
    if (!named && declaration && ReadsAsWritten(source)) named = source;
    const bool plain = f["SecondText"] == "" && f["RecordVersion"] == 1;
    if (named && plain && source.find('\n') == std::string::npos) return *named;
    ordered_json out = {{"Formula", AuthorText(named ? *named : source)}};
    if (declaration && !named) out["ParametersByName"] = false;
    if (!declaration) out["HasDeclaration"] = false;
    if (f["SecondText"] != "") out["SecondText"] = AuthorText(f["SecondText"]);
    if (f["RecordVersion"] != 1) out["RecordVersion"] = f["RecordVersion"];
    return out;
}

// A Multiple Choice text whose last lines are its choices, "A) ..." to the choice count, as
// the stem and the choices; none when it is written any other way.
std::optional<std::pair<std::string, std::vector<std::string>>>
SplitChoices(const std::string& text, long count) {
    if (count < 1 || count > 5) return std::nullopt;
    std::vector<std::size_t> starts;
    for (long i = 0; i < count; ++i) {
        const std::string mark = "\r\n" + std::string(1, static_cast<char>('A' + i)) + ") ";
        const std::size_t at = text.find(mark, starts.empty() ? 0 : starts.back() + 1);
        if (at == std::string::npos) return std::nullopt;
        starts.push_back(at);
    }
    std::vector<std::string> choices;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t from = starts[i] + 5;
        const std::size_t to = i + 1 < starts.size() ? starts[i + 1] : text.size();
        choices.push_back(text.substr(from, to - from));
        if (choices.back().find_first_of("\r\n") != std::string::npos) return std::nullopt;
    }
    return std::pair(text.substr(0, starts.front()), choices);
}

ordered_json Question(const json& q) {
    const long kind = q["Kind"].get<long>();
    const std::string text = q["Text"].get<std::string>();
    const long choiceCount = q["ChoiceCount"].get<long>();
    const auto split = kind == 0 ? SplitChoices(text, choiceCount) : std::nullopt;
    ordered_json out = {{"Kind", CodeName(kind, QuestionKindNames)}};
    if (split) {
        if (!split->first.empty()) out["Text"] = AuthorText(split->first);
        out["Choices"] = split->second;
    } else if (!text.empty()) {
        out["Text"] = AuthorText(text);
    }
    const std::string answer = q["Answer"].get<std::string>();
    if (kind == 1 && (answer == "T" || answer == "F"))
        out["Answer"] = answer == "T";
    else if (!answer.empty() && answer != std::string(1, '\0'))
        out["Answer"] = answer;
    if (q["Formula"] != "") out["Formula"] = AuthorText(q["Formula"]);
    if (q["RoundTo"] != 0) out["RoundTo"] = q["RoundTo"];
    if (q["Explanation"] != "") out["Explanation"] = AuthorText(q["Explanation"]);
    if (!q["GlossaryTerms"].is_null()) {
        out["GlossaryTerms"] = ordered_json::array();
        for (const json& term : q["GlossaryTerms"])
            out["GlossaryTerms"].push_back(AuthorText(term));
    }
    if (!split && choiceCount != 0) out["ChoiceCount"] = choiceCount;
    if (q["version"] != 2) out["RecordVersion"] = q["version"];
    return out;
}

ordered_json Chapters(const json& stored) {
    const json& names = stored["book"]["ChapterNames"];
    for (const char* part : {"topics", "questions"})
        for (const auto& [key, value] : stored[part].items())
            if (std::stoul(key) > names.size())
                throw std::runtime_error(
                    std::string(part == std::string("topics") ? "TOPICS." : "QUESTION.") + key +
                    " belongs to no chapter of the book, which has " +
                    std::to_string(names.size()) +
                    "; the author's form holds only the book's chapters (dump without --source "
                    "prints the whole book)");
    ordered_json chapters = ordered_json::array();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string key = std::to_string(i + 1);
        ordered_json chapter = {{"Name", AuthorText(names[i])}};
        if (stored["topics"].contains(key)) {
            chapter["Pages"] = ordered_json::array();
            for (const json& e : stored["topics"][key]["entries"])
                chapter["Pages"].push_back(
                    {{"Topic", AuthorText(e["key"])}, {"Html", AuthorText(e["page"])}});
        }
        if (stored["questions"].contains(key)) {
            chapter["Questions"] = ordered_json::array();
            for (const json& q : stored["questions"][key]["questions"])
                chapter["Questions"].push_back(Question(q));
        }
        chapters.push_back(chapter);
    }
    return chapters;
}

ordered_json Book(const json& stored, const std::optional<json>& settings) {
    const json& book = stored["book"];
    ordered_json out;
    for (const auto& [name, storedName] : BookTextNames)
        if (name == "Title" || book[storedName] != "")
            out[std::string(name)] = AuthorText(book[storedName]);
    if (book["version"] != DefaultBookFileVersion) out["BookFileVersion"] = book["version"];
    const bool hasGlossary = book["HasGlossary"].get<bool>();
    if (hasGlossary != stored.contains("glossary")) out["HasGlossary"] = hasGlossary;
    if (book["HasMatchingQuiz"] != hasGlossary) out["HasMatchingQuiz"] = book["HasMatchingQuiz"];
    if (book["HasAuthorsNotes"] != stored.contains("authors"))
        out["HasAuthorsNotes"] = book["HasAuthorsNotes"];
    if (book["ReservedFlags"] != json::array({false, false, false, false}))
        out["ReservedFlags"] = book["ReservedFlags"];
    if (settings) out["Settings"] = *settings;

    out["Topics"] = ordered_json::array();
    for (const json& t : book["Topics"])
        out["Topics"].push_back(Topic(t));
    out["Variables"] = ordered_json::array();
    for (const json& v : book["Variables"])
        out["Variables"].push_back(Variable(v));
    out["Functions"] = ordered_json::array();
    for (const json& f : book["Formulas"])
        out["Functions"].push_back(Function(f));
    if (!book["Expressions"].empty()) {
        for (const json& e : book["Expressions"]) {
            ordered_json expression = {{"FirstText", AuthorText(e["FirstText"])},
                                       {"SecondText", AuthorText(e["SecondText"])}};
            if (e["RecordVersion"] != 2) expression["RecordVersion"] = e["RecordVersion"];
            out["Expressions"].push_back(expression);
        }
    }
    out["Chapters"] = Chapters(stored);
    if (stored.contains("glossary")) {
        out["Glossary"] = ordered_json::array();
        for (const json& d : stored["glossary"]["entries"]) {
            ordered_json entry = {{"Term", AuthorText(d["Term"])}};
            for (const auto& [name, storedName] :
                 {std::pair{"Definition", "DefinitionText"}, std::pair{"Page", "PageRef"},
                  std::pair{"Chapters", "ChapterRef"}})
                if (d[storedName] != "") entry[name] = AuthorText(d[storedName]);
            out["Glossary"].push_back(entry);
        }
    }
    if (stored.contains("authors")) out["AuthorsNotes"] = AuthorText(stored["authors"]["text"]);
    out["Pictures"] = stored["pictures"];
    return out;
}

// The book's section of its settings file as the author's Settings, when building them gives
// the same file back; a file holding anything else is not carried, and the author is told.
std::optional<json> BookSettings(const std::filesystem::path& dir, const std::string& title) {
    constexpr const char* name = "WQUILLARA.INI";
    if (!FindBookFile(dir, name)) return std::nullopt;
    const std::string bytes = ReadBookFile(dir, name, 1 << 20);
    json settings = json::object();
    const std::string head = "[" + title + "]\r\n";
    for (std::size_t at = bytes.starts_with(head) ? head.size() : bytes.size();
         at < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", at);
        const std::size_t equals = bytes.find('=', at);
        if (end == std::string::npos || equals > end) break;
        settings[Windows1252ToUtf8(bytes.substr(at, equals - at))] =
            Windows1252ToUtf8(bytes.substr(equals + 1, end - equals - 1));
        at = end + 2;
    }
    // As build writes them: in the order of their keys, each a setting the author's form has.
    std::string rebuilt = head;
    bool known = true;
    for (const auto& [key, value] : settings.items()) {
        rebuilt +=
            Utf8ToWindows1252(key) + "=" + Utf8ToWindows1252(value.get<std::string>()) + "\r\n";
        known =
            known && (key == "Program Directory" || key == "Save Directory" || key == "Currency");
    }
    if (rebuilt == bytes && known) return settings;
    std::cerr << "quillara-book: warning: " << name
              << " is left out: it holds more than the book's own settings\n";
    return std::nullopt;
}

} // namespace

ordered_json AuthorsFormOfDirectory(const std::filesystem::path& dir,
                                    const std::optional<std::filesystem::path>& manifestFolder) {
    const json stored = BookDirectoryToJson(dir, manifestFolder);
    return Book(stored,
                BookSettings(dir, Utf8ToWindows1252(stored["book"]["Title"].get<std::string>())));
}

} // namespace quillara::tool
