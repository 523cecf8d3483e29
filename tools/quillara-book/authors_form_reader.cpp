// The author's form read into the stored form, member by member, so that every fault names the
// member as the author wrote it.
#include "authors_form.h"
#include "book_source.h"
#include "core/text/utf8.h"
#include "core/text/windows1252.h"
#include "named_parameters.h"

#include <algorithm>
#include <span>

namespace quillara::tool {

using nlohmann::json;
using Pointer = json::json_pointer;

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A line break typed "\n" is stored "\r\n"; one typed "\r\n" already is.
std::string StoredLineBreaks(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

// A member of the author's source and where it is: "/Chapters/2/Questions/3/Kind".
class TAuthorNode {
public:
    TAuthorNode(const json& value, std::string path) : Value(value), Path(std::move(path)) {}

    bool Has(const std::string& key) const {
        return Value.is_object() && Value.contains(key) && !Value[key].is_null();
    }
    TAuthorNode At(const std::string& key) const {
        if (!Has(key)) Fail("missing " + Quoted(key));
        return {Value[key], Path + "/" + key};
    }
    // Lists count from 1, as authors count.
    TAuthorNode At(std::size_t index) const {
        return {Value[index], Path + "/" + std::to_string(index + 1)};
    }
    std::size_t Size() const { return Value.size(); }

    // An object whose members are all among `known`; "//" members are notes.
    const TAuthorNode& Members(std::initializer_list<std::string_view> known) const {
        if (!Value.is_object()) Fail("expected an object { ... }");
        for (const auto& [key, value] : Value.items())
            if (key != "//" && std::find(known.begin(), known.end(), key) == known.end()) {
                std::string names;
                for (std::string_view name : known)
                    names += (names.empty() ? "" : ", ") + Quoted(name);
                TAuthorNode(value, Path + "/" + key)
                    .Fail("there is no such member here; the members are " + names);
            }
        return *this;
    }
    const TAuthorNode& List() const {
        if (!Value.is_array()) Fail("expected a list [ ... ]");
        return *this;
    }

    std::string String() const {
        if (!Value.is_string()) Fail("expected a text in quotes");
        return Value.get<std::string>();
    }
    // A text as a string whose "\n" are line breaks, or a list of lines, each kept as written.
    // Only a page may hold characters the book's texts cannot (it refers to them in HTML).
    std::string Text(bool anyCharacter = false) const {
        std::string text;
        if (Value.is_array()) {
            for (std::size_t i = 0; i < Size(); ++i)
                text += (i ? "\r\n" : "") + At(i).String();
        } else {
            if (!Value.is_string()) Fail("expected a text in quotes, or a list of lines");
            text = StoredLineBreaks(Value.get<std::string>());
        }
        if (!anyCharacter) RequireWindows1252(text);
        return text;
    }
    std::string Line() const {
        const std::string text = String();
        if (text.find_first_of("\r\n") != std::string::npos) Fail("expected one line");
        RequireWindows1252(text);
        return text;
    }
    bool Flag() const {
        if (!Value.is_boolean()) Fail("expected true or false");
        return Value.get<bool>();
    }
    double Number() const {
        if (!Value.is_number()) Fail("expected a number");
        return Value.get<double>();
    }
    long Whole(long min, long max) const {
        if (!Value.is_number_integer()) Fail("expected a whole number");
        const long value = Value.get<long>();
        if (value < min || value > max)
            Fail("expected " + std::to_string(min) + " to " + std::to_string(max));
        return value;
    }
    // A code written by its name; a number only for a code that has no name.
    long Code(std::span<const TNamedCode> names, long min, long max) const {
        std::string known;
        for (const TNamedCode& named : names)
            known += (known.empty() ? "" : ", ") + Quoted(named.Name);
        if (Value.is_string()) {
            for (const TNamedCode& named : names)
                if (SameName(named.Name, Value.get<std::string>())) return named.Code;
            Fail("unknown name " + Quoted(Value.get<std::string>()) + "; write one of " + known);
        }
        if (!Value.is_number_integer()) Fail("expected one of " + known);
        const long code = Whole(min, max);
        for (const TNamedCode& named : names)
            if (named.Code == code)
                Fail("write " + Quoted(named.Name) + " for " + std::to_string(code));
        return code;
    }

    [[noreturn]] void Fail(const std::string& message) const {
        // The author's member path already counts lists from 1: it is the place as written.
        const std::string place = Path.empty() ? "/" : Path;
        throw SourceError(place, message, place);
    }

    const json& Value;
    std::string Path;

private:
    void RequireWindows1252(const std::string& utf8) const {
        if (Windows1252ToUtf8(Utf8ToWindows1252(utf8)) == utf8) return;
        for (std::size_t at = 0; at < utf8.size();) {
            const std::size_t start = at;
            NextCodePoint(utf8, at);
            const std::string one = utf8.substr(start, at - start);
            if (Windows1252ToUtf8(Utf8ToWindows1252(one)) != one)
                Fail("a book stores its texts in Windows-1252, which has no " + Quoted(one) +
                     "; write it without that character (CH3COOH for CH\u2083COOH, <= for "
                     "\u2264)");
        }
    }
};

// The stored form of one author's source, with where each stored member came from, so that a
// fault the stored form's builder finds names the author's member.
class TStoredForm {
public:
    explicit TStoredForm(const json& source) {
        const TAuthorNode root(source, "");
        root.Members({"Title",       "Subtitle",        "Edition",         "Copyright",
                      "HiddenText4", "HiddenText6",     "HiddenText7",     "BookFileVersion",
                      "HasGlossary", "HasMatchingQuiz", "HasAuthorsNotes", "ReservedFlags",
                      "Settings",    "Topics",          "Variables",       "Functions",
                      "Expressions", "Chapters",        "Glossary",        "AuthorsNotes",
                      "Pictures"});
        json& book = Json["book"];
        book["version"] = root.Has("BookFileVersion") ? root.At("BookFileVersion").Whole(0, 5)
                                                      : DefaultBookFileVersion;
        for (const auto& [name, stored] : BookTextNames)
            book[stored] = root.Has(std::string(name)) ? root.At(std::string(name)).Text() : "";
        const auto flag = [&](const std::string& key, bool fallback) {
            return root.Has(key) ? root.At(key).Flag() : fallback;
        };
        book["HasGlossary"] = flag("HasGlossary", root.Has("Glossary"));
        book["HasMatchingQuiz"] = flag("HasMatchingQuiz", book["HasGlossary"].get<bool>());
        book["HasAuthorsNotes"] = flag("HasAuthorsNotes", root.Has("AuthorsNotes"));
        if (root.Has("ReservedFlags")) {
            const TAuthorNode flags = root.At("ReservedFlags");
            if (!flags.Value.is_array() || flags.Size() != 4)
                flags.Fail("expected a list of four flags, true or false");
            for (std::size_t i = 0; i < 4; ++i)
                book["ReservedFlags"].push_back(flags.At(i).Flag());
        }
        Each(root, "Topics",
             [&](const TAuthorNode& t, std::size_t) { book["Topics"].push_back(Topic(t)); });
        Each(root, "Variables", [&](const TAuthorNode& v, std::size_t i) {
            book["Variables"].push_back(Variable(v));
            Place(Pointer("/book/Variables") / i, v);
        });
        Each(root, "Functions", [&](const TAuthorNode& f, std::size_t i) {
            book["Formulas"].push_back(Function(f));
            const TAuthorNode source = f.Has("Formula") ? f.At("Formula") : f;
            Place(Pointer("/book/Formulas") / i, f);
            Place(Pointer("/book/Formulas") / i / "Source", source);
        });
        Each(root, "Expressions", [&](const TAuthorNode& e, std::size_t) {
            e.Members({"FirstText", "SecondText", "RecordVersion"});
            book["Expressions"].push_back(
                {{"FirstText", e.Has("FirstText") ? e.At("FirstText").Text() : ""},
                 {"SecondText", e.Has("SecondText") ? e.At("SecondText").Text() : ""},
                 {"RecordVersion",
                  e.Has("RecordVersion") ? e.At("RecordVersion").Whole(0, 255) : 2}});
        });
        book["ChapterNames"] = json::array();
        if (root.Has("Chapters")) {
            const TAuthorNode chapters = root.At("Chapters").List();
            if (chapters.Size() > 255) chapters.Fail("a book has at most 255 chapters");
            for (std::size_t i = 0; i < chapters.Size(); ++i)
                Chapter(chapters.At(i), i + 1);
        }
        if (root.Has("Glossary")) {
            Place(Pointer("/glossary/entries"), root.At("Glossary"));
            json& entries = Json["glossary"]["entries"] = json::array();
            Each(root, "Glossary", [&](const TAuthorNode& d, std::size_t) {
                d.Members({"Term", "Definition", "Page", "Chapters"});
                const auto text = [&](const std::string& key) {
                    return d.Has(key) ? d.At(key).Text() : "";
                };
                entries.push_back({{"Term", d.At("Term").Text()},
                                   {"DefinitionText", text("Definition")},
                                   {"PageRef", text("Page")},
                                   {"ChapterRef", text("Chapters")}});
            });
        }
        if (root.Has("AuthorsNotes")) {
            const TAuthorNode notes = root.At("AuthorsNotes");
            if (notes.Value.is_object()) {
                notes.Members({"File"});
                Json["authors"]["textFile"] = notes.At("File").String();
                Place(Pointer("/authors/textFile"), notes.At("File"));
            } else {
                Json["authors"]["text"] = notes.Text();
            }
        }
        if (root.Has("Settings")) {
            const TAuthorNode settings = root.At("Settings");
            settings.Members({"Program Directory", "Save Directory", "Currency"});
            for (const auto& [key, value] : settings.Value.items())
                if (key != "//") Json["settings"][key] = settings.At(key).Line();
            Place(Pointer("/settings"), settings);
        }
        if (root.Has("Pictures")) {
            const TAuthorNode pictures = root.At("Pictures");
            if (!pictures.Value.is_object()) pictures.Fail("expected an object { ... }");
            for (const auto& [name, value] : pictures.Value.items())
                if (name != "//") Json["pictures"][name] = pictures.At(name).String();
            Place(Pointer("/pictures"), pictures);
        }
    }

    // The author's member of a stored pointer: the one recorded for it or for the nearest member
    // that holds it.
    std::optional<std::string> AuthorPlace(const std::string& stored) const {
        std::string best = "/", rest = stored;
        std::size_t bestLength = 0;
        for (const auto& [pointer, author] : Places)
            if (pointer.size() >= bestLength &&
                (stored == pointer || stored.starts_with(pointer + "/"))) {
                best = author;
                rest = stored.substr(pointer.size());
                bestLength = pointer.size();
            }
        if (!bestLength) return std::nullopt;
        return best + rest;
    }

    json Json = json::object();

private:
    void Place(const Pointer& stored, const TAuthorNode& author) {
        Places.emplace_back(stored.to_string(), author.Path);
    }

    template <typename Visit>
    static void Each(const TAuthorNode& parent, const std::string& key, Visit visit) {
        if (!parent.Has(key)) return;
        const TAuthorNode list = parent.At(key).List();
        for (std::size_t i = 0; i < list.Size(); ++i)
            visit(list.At(i), i);
    }

    static json Topic(const TAuthorNode& t) {
        if (t.Value.is_string())
            return {{"Title", t.Text()}, {"TopicAttribute", StandardTopicAttribute.Code}};
        t.Members({"Title", "Attribute", "RecordVersion"});
        return {
            {"Title", t.Has("Title") ? t.At("Title").Text() : ""},
            {"TopicAttribute",
             t.Has("Attribute")
                 ? t.At("Attribute").Code(std::span(&StandardTopicAttribute, 1), 0, 65535)
                 : StandardTopicAttribute.Code},
            {"RecordVersion", t.Has("RecordVersion") ? t.At("RecordVersion").Whole(0, 255) : 1}};
    }

    static json Variable(const TAuthorNode& v) {
        v.Members({"Name", "Kind", "Min", "Max", "Decimals", "Choices", "RecordVersion"});
        const long kind = v.Has("Kind") ? v.At("Kind").Code(VariableKindNames, -32768, 32767) : 2;
        json out = {
            {"Name", v.At("Name").Text()},
            {"Kind", kind},
            {"RecordVersion", v.Has("RecordVersion") ? v.At("RecordVersion").Whole(0, 255) : 1}};
        if (kind == 3) {
            for (const char* bound : {"Min", "Max", "Decimals"})
                if (v.Has(bound))
                    v.At(bound).Fail(
                        "a variable of Kind \"choice\" draws from its Choices and has no " +
                        std::string(bound));
            const TAuthorNode choices = v.At("Choices").List();
            out["Choices"] = json::array();
            for (std::size_t i = 0; i < choices.Size(); ++i)
                out["Choices"].push_back(choices.At(i).Text());
            return out;
        }
        if (v.Has("Choices"))
            v.At("Choices").Fail("only a variable of Kind \"choice\" has Choices");
        out["Min"] = v.Has("Min") ? v.At("Min").Number() : 0.0;
        out["Max"] = v.Has("Max") ? v.At("Max").Number() : 0.0;
        out["Decimals"] = v.Has("Decimals") ? v.At("Decimals").Whole(-32768, 32767) : 0;
        return out;
    }

    static json Function(const TAuthorNode& f) {
        const auto positional = [](const TAuthorNode& at, bool byName) {
            const std::string text = at.Text();
            if (!byName) return text;
            try {
                return PositionalDeclaration(text);
            } catch (const std::invalid_argument& e) {
                at.Fail(e.what());
            }
        };
        if (f.Value.is_string())
            return {{"HasDeclaration", true},
                    {"Source", positional(f, true)},
                    {"SecondText", ""},
                    {"RecordVersion", 1}};
        f.Members({"Formula", "ParametersByName", "HasDeclaration", "SecondText", "RecordVersion"});
        const bool declaration = f.Has("HasDeclaration") ? f.At("HasDeclaration").Flag() : true;
        const bool byName = f.Has("ParametersByName") ? f.At("ParametersByName").Flag() : true;
        return {
            {"HasDeclaration", declaration},
            {"Source", f.Has("Formula") ? positional(f.At("Formula"), declaration && byName) : ""},
            {"SecondText", f.Has("SecondText") ? f.At("SecondText").Text() : ""},
            {"RecordVersion", f.Has("RecordVersion") ? f.At("RecordVersion").Whole(0, 255) : 1}};
    }

    void Chapter(const TAuthorNode& c, std::size_t chapter) {
        c.Members({"Name", "Pages", "Questions"});
        Json["book"]["ChapterNames"].push_back(c.At("Name").Text());
        const std::string key = std::to_string(chapter);
        if (c.Has("Pages")) {
            json& entries = Json["topics"][key]["entries"] = json::array();
            Each(c, "Pages", [&](const TAuthorNode& p, std::size_t i) {
                p.Members({"Topic", "File", "Html"});
                if (p.Has("File") == p.Has("Html"))
                    p.Fail("a page has its HTML in \"Html\" or in the file named by \"File\"");
                json entry = {{"key", p.At("Topic").Text()}};
                if (p.Has("File"))
                    entry["pageFile"] = p.At("File").String();
                else
                    entry["page"] = p.At("Html").Text(true);
                entries.push_back(entry);
                const Pointer stored = Pointer("/topics") / key / "entries" / i;
                Place(stored, p);
                if (p.Has("File")) Place(stored / "pageFile", p.At("File"));
            });
        }
        if (c.Has("Questions")) {
            Place(Pointer("/questions") / key / "questions", c.At("Questions"));
            json& questions = Json["questions"][key]["questions"] = json::array();
            Each(c, "Questions",
                 [&](const TAuthorNode& q, std::size_t) { questions.push_back(Question(q)); });
        }
    }

    static json Question(const TAuthorNode& q) {
        q.Members({"Kind", "Text", "Choices", "ChoiceCount", "Answer", "Explanation",
                   "GlossaryTerms", "Formula", "RoundTo", "RecordVersion"});
        const long kind = q.At("Kind").Code(QuestionKindNames, 0, 255);
        std::string text = q.Has("Text") ? q.At("Text").Text() : "";
        long choiceCount = q.Has("ChoiceCount") ? q.At("ChoiceCount").Whole(0, 255) : 0;
        if (q.Has("Choices")) {
            const TAuthorNode choices = q.At("Choices").List();
            if (kind != 0) choices.Fail("only a Multiple Choice question has Choices");
            if (q.Has("ChoiceCount"))
                q.At("ChoiceCount").Fail("leave ChoiceCount out: it is the number of Choices");
            if (choices.Size() < 2 || choices.Size() > 5)
                choices.Fail("a question has two to five choices, A to E");
            for (std::size_t i = 0; i < choices.Size(); ++i)
                text += "\r\n" + std::string(1, static_cast<char>('A' + i)) + ") " +
                        choices.At(i).Line();
            choiceCount = static_cast<long>(choices.Size());
        }
        std::string answer;
        if (q.Has("Answer")) {
            const TAuthorNode a = q.At("Answer");
            if (a.Value.is_boolean()) {
                if (kind != 1) a.Fail("true or false answers a True/False question; give a letter");
                answer = a.Flag() ? "T" : "F";
            } else {
                answer = a.Line();
                if (Utf8ToWindows1252(answer).size() != 1)
                    a.Fail("expected one letter, or true or false for a True/False question");
            }
        }
        json terms = nullptr;
        if (q.Has("GlossaryTerms")) {
            const TAuthorNode list = q.At("GlossaryTerms").List();
            terms = json::array();
            for (std::size_t i = 0; i < list.Size(); ++i)
                terms.push_back(list.At(i).Text());
        }
        return {{"version", q.Has("RecordVersion") ? q.At("RecordVersion").Whole(1, 2) : 2},
                {"Kind", kind},
                {"Answer", answer},
                {"ChoiceCount", choiceCount},
                {"Text", text},
                {"Explanation", q.Has("Explanation") ? q.At("Explanation").Text() : ""},
                {"GlossaryTerms", terms},
                {"Formula", q.Has("Formula") ? q.At("Formula").Text() : ""},
                {"RoundTo", q.Has("RoundTo") ? q.At("RoundTo").Number() : 0.0}};
    }

    std::vector<std::pair<std::string, std::string>> Places;
};

} // namespace

bool IsAuthorsForm(const json& source) {
    return source.is_object() && !source.contains("book");
}

std::map<std::string, std::string>
BuildBookFilesOfSource(const json& source, const std::filesystem::path& sourceDir,
                       const std::vector<std::filesystem::path>& pictureDirs,
                       std::vector<TSourceFinding>* lost) {
    if (!IsAuthorsForm(source)) return BuildBookFiles(source, sourceDir, pictureDirs, lost);
    const TStoredForm stored(source);
    std::vector<TSourceFinding> found;
    std::map<std::string, std::string> files;
    try {
        files = BuildBookFiles(stored.Json, sourceDir, pictureDirs, lost ? &found : nullptr);
    } catch (const SourceError& e) {
        // A place of the stored form the author never wrote is still told in words.
        const std::optional<std::string> place = stored.AuthorPlace(e.Pointer);
        if (!place) throw;
        throw SourceError(*place, e.Message, *place);
    }
    for (TSourceFinding& finding : found) {
        if (const std::optional<std::string> place = stored.AuthorPlace(finding.Pointer))
            finding.Place = finding.Pointer = *place;
        lost->push_back(std::move(finding));
    }
    return files;
}

} // namespace quillara::tool
