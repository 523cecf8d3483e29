#include "book_source.h"

#include "core/book/authors_notes.h"
#include "core/book/book_files.h"
#include "core/book/book_properties_writer.h"
#include "core/book/book_strings.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/settings_file.h"
#include "core/book/topic_pages.h"
#include "book_json.h"
#include "commands.h"
#include "core/text/windows1252.h"

#include <charconv>
#include <set>

namespace quillara::tool {

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

std::string Key(const std::string& pointer, const std::string& key) {
    std::string escaped;
    for (char c : key)
        escaped += c == '~' ? std::string("~0") : c == '/' ? std::string("~1") : std::string(1, c);
    return pointer + "/" + escaped;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The UTF-8 character that starts at `at`, and how many bytes it takes.
std::size_t CharacterLength(std::string_view utf8, std::size_t at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return std::min(length, utf8.size() - at);
}

// The characters of a UTF-8 text that Windows-1252 lacks, each once, quoted: "\"₃\", \"⁺\"".
std::string UncarriedCharacters(std::string_view utf8) {
    std::string listed;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = CharacterLength(utf8, i);
        const std::string one(utf8.substr(i, length));
        if (Utf8ToWindows1252(one) == "?" && one != "?" && seen.insert(one).second)
            listed += (listed.empty() ? "" : ", ") + Quoted(one);
        i += length;
    }
    return listed;
}

// A text short enough to quote in a message: its first line, up to `limit` characters.
std::string Excerpt(std::string_view utf8, int limit = 40) {
    std::size_t end = 0;
    for (int characters = 0;
         end < utf8.size() && utf8[end] != '\r' && utf8[end] != '\n' && characters < limit;
         ++characters)
        end += CharacterLength(utf8, end);
    return std::string(utf8.substr(0, end)) + (end < utf8.size() ? "..." : "");
}

// Members read with their place remembered, so that every fault names it.
class Node {
public:
    Node(const json& value, std::string pointer, std::vector<TSourceFinding>* lost)
        : Value(value), Pointer(std::move(pointer)), Lost(lost) {}

    bool Has(const std::string& key) const {
        return Value.is_object() && Value.contains(key) && !Value[key].is_null();
    }
    Node At(const std::string& key) const {
        RequireObject();
        if (!Value.contains(key)) Fail("missing \"" + key + "\"");
        return {Value[key], Key(Pointer, key), Lost};
    }
    Node At(std::size_t index) const {
        return {Value[index], Pointer + "/" + std::to_string(index), Lost};
    }

    std::string Utf8(const std::string& key) const {
        if (!Has(key)) return {};
        const Node n = At(key);
        if (!n.Value.is_string()) n.Fail("expected a text");
        return n.Value.get<std::string>();
    }
    std::string Text(const std::string& key) const {
        return Has(key) ? At(key).Stored(Utf8(key)) : std::string();
    }
    // A UTF-8 text of this place as the book stores it, in Windows-1252; a character that has
    // no place there is noted as lost.
    std::string Stored(const std::string& utf8) const {
        if (Lost) {
            if (const std::string missing = UncarriedCharacters(utf8); !missing.empty())
                Lost->push_back({SourcePlace(Pointer), Pointer,
                                 Quoted(Excerpt(utf8)) + " holds " + missing +
                                     ", which the book's Windows-1252 text cannot carry: the "
                                     "student would see \"?\"; write it another way"});
        }
        return Utf8ToWindows1252(utf8);
    }
    double Number(const std::string& key, double fallback) const {
        if (!Has(key)) return fallback;
        const Node n = At(key);
        if (!n.Value.is_number()) n.Fail("expected a number");
        return n.Value.get<double>();
    }
    long Whole(const std::string& key, long fallback, long min, long max) const {
        if (!Has(key)) return fallback;
        const Node n = At(key);
        if (!n.Value.is_number_integer()) n.Fail("expected a whole number");
        const long value = n.Value.get<long>();
        if (value < min || value > max)
            n.Fail("expected " + std::to_string(min) + " to " + std::to_string(max));
        return value;
    }
    bool Flag(const std::string& key) const {
        if (!Has(key)) return false;
        const Node n = At(key);
        if (!n.Value.is_boolean()) n.Fail("expected true or false");
        return n.Value.get<bool>();
    }
    std::size_t Size() const { return Value.size(); }
    Node List(const std::string& key) const {
        const Node n = At(key);
        if (!n.Value.is_array()) n.Fail("expected a list");
        return n;
    }
    std::optional<std::vector<std::string>> TextList(const std::string& key) const {
        if (!Has(key)) return std::nullopt;
        const Node n = List(key);
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < n.Size(); ++i) {
            const Node item = n.At(i);
            if (!item.Value.is_string()) item.Fail("expected a text");
            texts.push_back(item.Stored(item.Value.get<std::string>()));
        }
        return texts;
    }
    void RequireObject() const {
        if (!Value.is_object()) Fail("expected an object");
    }
    [[noreturn]] void Fail(const std::string& message) const {
        throw SourceError(Pointer.empty() ? "/" : Pointer, message);
    }

    const json& Value;
    std::string Pointer;
    std::vector<TSourceFinding>* Lost;
};

// Topic pages are HTML: a character that Windows-1252 lacks becomes a character reference.
std::string HtmlToWindows1252(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const std::string one = utf8.substr(i, length);
        const std::string converted = Utf8ToWindows1252(one);
        if (converted == "?" && one != "?") {
            char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
            for (std::size_t k = 1; k < one.size(); ++k)
                c = (c << 6) | (static_cast<unsigned char>(one[k]) & 0x3F);
            out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        } else {
            out += converted;
        }
        i += length;
    }
    return out;
}

// A page or the author's notes become one long string: a source text this long never fits.
constexpr std::uint64_t MaxSourceTextSize = 16ull << 20;

std::string FullPath(const fs::path& path) {
    return fs::absolute(path).lexically_normal().string();
}

// A file the manifest names, from the first of the places that has it. A fault names the file,
// and where it was looked for when no place has it.
std::string ReadSourceFile(const Node& at, const std::string& name,
                           const std::vector<fs::path>& places, std::uint64_t maxSize) {
    std::string tried;
    for (const fs::path& place : places) {
        std::error_code error;
        if (!fs::exists(place, error)) {
            tried += (tried.empty() ? "" : " or ") + ("\"" + FullPath(place) + "\"");
            continue;
        }
        try {
            return ReadWholeFile(place, maxSize);
        } catch (const std::exception& e) {
            at.Fail("cannot read \"" + name + "\": " + e.what());
        }
    }
    at.Fail("cannot read \"" + name + "\": there is no such file at " + tried);
}

std::unique_ptr<TBookProperties> BookFromJson(const Node& n) {
    n.RequireObject();
    auto book = std::make_unique<TBookProperties>();
    book->Title = n.Text("Title");
    book->Text2 = n.Text("Text2");
    book->Text3 = n.Text("Text3");
    book->Text4 = n.Text("Text4");
    book->Copyright = n.Text("Copyright");
    book->Text6 = n.Text("Text6");
    book->Text7 = n.Text("Text7");
    book->HasGlossary = n.Flag("HasGlossary");
    book->HasMatchingQuiz = n.Flag("HasMatchingQuiz");
    book->HasAuthorsNotes = n.Flag("HasAuthorsNotes");
    if (n.Has("ReservedFlags")) {
        const Node flags = n.List("ReservedFlags");
        if (flags.Size() != 4) flags.Fail("expected four flags");
        for (std::size_t i = 0; i < 4; ++i) {
            if (!flags.At(i).Value.is_boolean()) flags.At(i).Fail("expected true or false");
            book->ReservedFlags[i] = flags.At(i).Value.get<bool>();
        }
    }
    if (n.Has("Topics")) {
        const Node topics = n.List("Topics");
        for (std::size_t i = 0; i < topics.Size(); ++i) {
            const Node t = topics.At(i);
            t.RequireObject();
            book->Topics.push_back(
                {t.Text("Title"), 0,
                 static_cast<std::uint16_t>(t.Whole("TopicAttribute", 2, 0, 65535)),
                 static_cast<std::uint8_t>(t.Whole("RecordVersion", 1, 0, 255))});
        }
    }
    if (n.Has("ChapterNames")) {
        book->ChapterNames = *n.TextList("ChapterNames");
        if (book->ChapterNames.size() > 255)
            n.At("ChapterNames").Fail("a book has at most 255 chapters");
    }
    if (n.Has("Variables")) {
        const Node variables = n.List("Variables");
        for (std::size_t i = 0; i < variables.Size(); ++i) {
            const Node v = variables.At(i);
            v.RequireObject();
            try {
                book->Variables.push_back(std::make_unique<TVarible>(
                    v.Text("Name"), static_cast<std::int16_t>(v.Whole("Kind", 2, -32768, 32767)),
                    TReal48::FromExtended(v.Number("Min", 0)),
                    TReal48::FromExtended(v.Number("Max", 0)),
                    static_cast<std::int16_t>(v.Whole("Decimals", 0, -32768, 32767)),
                    v.TextList("Choices")));
            } catch (const SourceError&) {
                throw;
            } catch (const std::exception& e) {
                v.Fail(e.what());
            }
            book->Variables.back()->RecordVersion =
                static_cast<std::uint8_t>(v.Whole("RecordVersion", 1, 0, 255));
        }
    }
    if (n.Has("Expressions")) {
        const Node expressions = n.List("Expressions");
        for (std::size_t i = 0; i < expressions.Size(); ++i) {
            const Node e = expressions.At(i);
            e.RequireObject();
            book->Expressions.push_back(
                {e.Text("SecondText"), e.Text("FirstText"),
                 static_cast<std::uint8_t>(e.Whole("RecordVersion", 2, 0, 255))});
        }
    }
    if (n.Has("Formulas")) {
        const Node formulas = n.List("Formulas");
        for (std::size_t i = 0; i < formulas.Size(); ++i) {
            const Node f = formulas.At(i);
            f.RequireObject();
            try {
                book->Formulas.push_back(std::make_unique<TFormula>(
                    f.Has("HasDeclaration") ? f.Flag("HasDeclaration") : true, f.Text("Source"),
                    f.Text("SecondText"),
                    static_cast<std::uint8_t>(f.Whole("RecordVersion", 1, 0, 255))));
            } catch (const SourceError&) {
                throw;
            } catch (const std::exception& e) {
                f.At("Source").Fail(e.what());
            }
        }
    }
    return book;
}

TQuestion QuestionFromJson(const Node& q) {
    q.RequireObject();
    TQuestion question;
    question.RecordVersion = static_cast<std::uint8_t>(q.Whole("version", 2, 1, 2));
    const std::string answer = q.Text("Answer");
    if (answer.size() > 1) q.At("Answer").Fail("expected one character");
    question.Answer = answer.empty() ? '\0' : answer[0];
    question.ChoiceCount = static_cast<std::uint8_t>(q.Whole("ChoiceCount", 0, 0, 255));
    question.Text = q.Text("Text");
    question.Explanation = q.Text("Explanation");
    question.GlossaryTerms = q.TextList("GlossaryTerms");
    if (question.GlossaryTerms && question.GlossaryTerms->empty()) question.GlossaryTerms.reset();
    question.Kind = static_cast<std::uint8_t>(q.Whole("Kind", 0, 0, 255));
    question.Formula = q.Text("Formula");
    question.RoundTo = q.Number("RoundTo", 0);
    return question;
}

int ChapterKey(const Node& parent, const std::string& key) {
    int chapter = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), chapter);
    if (error != std::errc() || end != key.data() + key.size() || chapter < 1 || chapter > 255)
        parent.At(key).Fail("chapter keys are the numbers 1 to 255");
    return chapter;
}

// Where the JSON token whose last byte is at `last` begins: a string at its opening quote, a word
// or number at its first character.
std::size_t TokenStart(std::string_view text, std::size_t last) {
    constexpr std::string_view Punctuation = "{}[],:";
    if (Punctuation.find(text[last]) != std::string_view::npos) return last;
    if (text[last] == '"') {
        for (std::size_t i = last; i-- > 0;)
            if (text[i] == '"' && (i == 0 || text[i - 1] != '\\')) return i;
        return last;
    }
    std::size_t start = last;
    while (start > 0 &&
           std::string_view(" \t\r\n{}[],:\"").find(text[start - 1]) == std::string_view::npos)
        --start;
    return start;
}

// "line 3, column 7" of the byte at `at`, columns counted in characters.
std::string LineAndColumn(std::string_view text, std::size_t at) {
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < at && i < text.size(); ++i)
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    std::size_t column = 1;
    for (std::size_t i = lineStart; i < at && i < text.size(); i += CharacterLength(text, i))
        ++column;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

bool IsIndex(std::string_view segment) {
    return !segment.empty() && segment.size() < 10 &&
           segment.find_first_not_of("0123456789") == std::string_view::npos;
}

// What one item of a list of the source is called.
std::string ItemName(const std::string& list) {
    static const std::map<std::string, std::string> names = {
        {"Topics", "topic"},           {"Variables", "variable"},         {"Formulas", "formula"},
        {"Expressions", "expression"}, {"ChapterNames", "chapter name"},  {"ReservedFlags", "flag"},
        {"Choices", "choice"},         {"GlossaryTerms", "related term"}, {"entries", "entry"}};
    const auto name = names.find(list);
    return name == names.end() ? list : name->second;
}

} // namespace

nlohmann::json ParseSourceText(std::string_view text) {
    try {
        return json::parse(text);
    } catch (const json::parse_error& e) {
        // The reader counts bytes from 1 and stops on the last byte of the token it could not
        // take; the author looks for the token's start.
        const std::string what = e.what();
        const bool unreadable = what.find("last read") != std::string::npos;
        const bool word = what.find("invalid literal") != std::string::npos;
        const bool blank = text.find_first_not_of(" \t\r\n") == std::string_view::npos;
        std::size_t at =
            blank ? 0 : std::min<std::size_t>(e.byte > 0 ? e.byte - 1 : 0, text.size());
        // A token that could not be read at all is blamed where reading broke; a word from where
        // it began, though the reader only saw the fault at the character after it.
        if (word && at > 0 && at < text.size() &&
            std::string_view("{}[],: \t\r\n").find(text[at]) != std::string_view::npos)
            --at;
        if (at < text.size() && (word || !unreadable)) at = TokenStart(text, at);
        const std::size_t before = text.find_last_not_of(" \t\r\n", at == 0 ? 0 : at - 1);
        std::string why;
        if (blank)
            why = "the file is empty; a source is one JSON object, {...}, as new and dump write "
                  "it";
        else if (at >= text.size())
            why = "the text ends before the JSON does: a closing \"}\", \"]\" or quote is missing";
        else if (what.find("UTF-8") != std::string::npos)
            why = "this is not UTF-8 text: save the file as UTF-8";
        else if (what.find("control character") != std::string::npos)
            why = "a line break or tab inside a text must be written \\r\\n, \\n or \\t";
        else if (word)
            why = "a value that is neither a number, a text in double quotes, true, false nor null";
        else if ((text[at] == '}' || text[at] == ']') && at > 0 &&
                 before != std::string_view::npos && text[before] == ',')
            why = "the comma before this closing bracket is one too many: remove it";
        else
            why = "unexpected '" + Excerpt(text.substr(at), 16) + "'" +
                  ": look for a missing comma, colon, quote or bracket just before it";
        throw std::runtime_error(LineAndColumn(text, at) + ": " + why);
    } catch (const json::exception& e) {
        // A number too large for the reader, which names the number but not where it stands.
        const std::string what = e.what();
        const std::size_t from = what.find("parsing '");
        const std::string number =
            from == std::string::npos ? "" : what.substr(from + 9, what.rfind('\'') - from - 9);
        const std::size_t at = number.empty() ? std::string_view::npos : text.find(number);
        throw std::runtime_error(LineAndColumn(text, at == std::string_view::npos ? 0 : at) +
                                 ": a number too large to read; write a smaller one");
    }
}

std::string SourcePlace(std::string_view pointer) {
    std::vector<std::string> segments;
    for (std::size_t at = pointer.find('/'); at != std::string_view::npos;) {
        const std::size_t next = pointer.find('/', at + 1);
        std::string segment(
            pointer.substr(at + 1, next == std::string_view::npos ? next : next - at - 1));
        for (std::size_t tilde = segment.find('~'); tilde != std::string::npos;
             tilde = segment.find('~', tilde + 1))
            segment.replace(tilde, 2, segment.compare(tilde, 2, "~1") == 0 ? "/" : "~");
        segments.push_back(std::move(segment));
        at = next;
    }
    const auto number = [](const std::string& index) {
        return std::to_string(std::stoul(index) + 1);
    };
    std::string place;
    const auto add = [&](const std::string& part) { place += (place.empty() ? "" : ", ") + part; };
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const std::string& segment = segments[i];
        if (segment.empty()) continue;
        const bool perChapter = i == 0 && (segment == "questions" || segment == "topics");
        if (perChapter && i + 1 < segments.size()) {
            // questions/C/questions/I and topics/C/entries/I: one chapter's question or page.
            const std::string& chapter = segments[++i];
            if (i + 2 < segments.size() && IsIndex(segments[i + 2])) {
                add((segment == "questions" ? "question " : "page ") + number(segments[i + 2]) +
                    " of chapter " + chapter);
                i += 2;
            } else {
                add((segment == "questions" ? "the questions of chapter "
                                            : "the pages of chapter ") +
                    chapter);
                if (i + 1 < segments.size()) ++i;
            }
        } else if (i + 1 < segments.size() && IsIndex(segments[i + 1])) {
            add(ItemName(segment) + " " + number(segments[++i]));
        } else if (i == 0 && segment == "pictures" && i + 1 < segments.size()) {
            add("picture " + Quoted(segments[++i]));
        } else {
            add(i == 0 ? "the " + segment : Quoted(segment));
        }
    }
    return place.empty() ? "the source" : place;
}

std::map<std::string, std::string> BuildBookFiles(const json& manifest, const fs::path& sourceDir,
                                                  const std::vector<fs::path>& pictureDirs,
                                                  std::vector<TSourceFinding>* lost) {
    const Node root(manifest, "", lost);
    root.RequireObject();
    std::map<std::string, std::string> files;

    const Node bookNode = root.At("book");
    const auto book = BookFromJson(bookNode);
    const auto version = static_cast<std::uint8_t>(bookNode.Whole("version", 5, 0, 5));
    files["BOOK.DEF"] = WriteBookProperties(*book, version, ToolRegionalSettings());

    if (root.Has("settings")) {
        // The book's own section of the settings file, named by its title as the program looks
        // it up.
        const Node settings = root.At("settings");
        settings.RequireObject();
        if (!CanNameSettingsSection(book->Title))
            settings.Fail("a title with a line break cannot name the book's settings");
        std::vector<std::pair<std::string, std::string>> values;
        for (const auto& [key, value] : settings.Value.items()) {
            if (key.empty() || key.find_first_of("=[]\r\n") != std::string::npos)
                settings.At(key).Fail("a settings key is a plain name");
            const std::string text = settings.Text(key);
            if (text.find_first_of("\r\n") != std::string::npos)
                settings.At(key).Fail("a settings value is one line");
            values.emplace_back(key, text);
        }
        files["WQUILLARA.INI"] = WriteSettingsSection(book->Title, values);
    }

    if (root.Has("topics")) {
        const Node topics = root.At("topics");
        topics.RequireObject();
        for (const auto& [key, value] : topics.Value.items()) {
            const int chapter = ChapterKey(topics, key);
            const Node entries = topics.At(key).List("entries");
            std::vector<TTopicEntry> pages;
            for (std::size_t i = 0; i < entries.Size(); ++i) {
                const Node e = entries.At(i);
                e.RequireObject();
                const std::string page = HtmlToWindows1252(
                    e.Has("pageFile")
                        ? ReadSourceFile(e.At("pageFile"), e.Utf8("pageFile"),
                                         {sourceDir / e.Utf8("pageFile")}, MaxSourceTextSize)
                        : e.Utf8("page"));
                if (page.size() > LongStringLimit) e.Fail("a page holds at most 65535 bytes");
                pages.push_back({e.Text("key"), page});
            }
            files[TopicFileName(chapter)] = WriteTopicFile(pages);
        }
    }
    if (root.Has("questions")) {
        const Node banks = root.At("questions");
        banks.RequireObject();
        for (const auto& [key, value] : banks.Value.items()) {
            const int chapter = ChapterKey(banks, key);
            const Node list = banks.At(key).List("questions");
            if (list.Size() > 32767) list.Fail("a bank holds at most 32767 questions");
            std::vector<TQuestion> questions;
            for (std::size_t i = 0; i < list.Size(); ++i)
                questions.push_back(QuestionFromJson(list.At(i)));
            files[QuestionBankName(chapter)] = WriteQuestionBank(questions);
        }
    }
    if (root.Has("glossary")) {
        const Node list = root.At("glossary").List("entries");
        if (list.Size() > 65535) list.Fail("a glossary holds at most 65535 terms");
        TGlossary glossary;
        for (std::size_t i = 0; i < list.Size(); ++i) {
            const Node d = list.At(i);
            d.RequireObject();
            glossary.Add({d.Text("PageRef"), d.Text("DefinitionText"), d.Text("Term"),
                          d.Text("ChapterRef")});
        }
        files["GLOSSARY.DEF"] = WriteGlossary(glossary.Entries());
    }
    if (root.Has("authors")) {
        const Node authors = root.At("authors");
        const std::string text =
            authors.Has("textFile")
                ? authors.At("textFile")
                      .Stored(ReadSourceFile(authors.At("textFile"), authors.Utf8("textFile"),
                                             {sourceDir / authors.Utf8("textFile")},
                                             MaxSourceTextSize))
                : authors.Text("text");
        files["AUTHORS"] = WriteAuthorsNotes(text);
    }
    if (root.Has("pictures")) {
        const Node pictures = root.At("pictures");
        pictures.RequireObject();
        for (const auto& [name, value] : pictures.Value.items()) {
            const Node at = pictures.At(name);
            if (!value.is_string()) at.Fail("expected a file name");
            if (name.empty() || name.find('/') != std::string::npos ||
                name.find('\\') != std::string::npos)
                at.Fail("a picture is named by a plain file name");
            const std::string file = value.get<std::string>();
            std::vector<fs::path> places;
            for (const fs::path& dir : pictureDirs)
                places.push_back(dir / fs::path(file).filename());
            places.push_back(sourceDir / file);
            // The program would refuse a larger picture.
            files[name] = ReadSourceFile(at, file, places, MaxPictureFileSize);
        }
    }
    return files;
}

} // namespace quillara::tool
