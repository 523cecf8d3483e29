#include "book_directory_json.h"

#include "book_json.h"
#include "commands.h"
#include "core/book/authors_notes.h"
#include "core/book/book_files.h"
#include "core/book/book_strings.h"
#include "core/book/glossary.h"
#include "core/book/glossary_stream.h"
#include "core/book/question.h"
#include "core/book/question_bank_stream.h"
#include "core/book/topic_pages.h"
#include "json_stream.h"

#include <algorithm>
#include <sstream>

namespace quillara::tool {

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

// Where a manifest saved in manifestFolder (or anywhere, when there is none) finds the picture.
fs::path PicturePath(const fs::path& picture, const std::optional<fs::path>& manifestFolder) {
    const fs::path absolute = fs::absolute(picture).lexically_normal();
    if (!manifestFolder) return absolute;
    // Between the real folders, so that ".." climbs where the file system climbs; the picture
    // itself keeps its name even when it is a link.
    const fs::path relative =
        (fs::weakly_canonical(absolute.parent_path()) / absolute.filename())
            .lexically_relative(fs::weakly_canonical(fs::absolute(*manifestFolder)));
    return relative.empty() ? absolute : relative;
}

json Pictures(const fs::path& dir, const std::optional<fs::path>& manifestFolder) {
    json pictures = json::object();
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        const std::string upper = UpperAscii(entry.path().extension().string());
        if (entry.is_regular_file() && (upper == ".JPG" || upper == ".JPEG" || upper == ".GIF"))
            pictures[name] = PicturePath(entry.path(), manifestFolder).string();
    }
    return pictures;
}

// The chapters in the order their numbers sort as texts, as the manifest's keys stand.
std::vector<int> ChaptersInKeyOrder() {
    std::vector<int> chapters(255);
    for (int i = 0; i < 255; ++i)
        chapters[i] = i + 1;
    std::sort(chapters.begin(), chapters.end(),
              [](int a, int b) { return std::to_string(a) < std::to_string(b); });
    return chapters;
}

// The next record of a file of records, as the JSON writers take it: a question where it lies
// in the bytes held, a glossary entry.
std::optional<TQuestionFields> NextRecord(TQuestionBankStream& records) {
    return records.NextFields();
}
std::optional<TDefinition> NextRecord(TGlossaryStream& records) {
    return records.Next();
}
void WriteRecordJson(TJsonStream& json, const TQuestionFields& fields) {
    WriteQuestionJson(json, fields);
}
void WriteRecordJson(TJsonStream& json, const TDefinition& entry) {
    WriteGlossaryEntryJson(json, entry);
}

} // namespace

void WriteBookDirectoryJson(const fs::path& dir, const std::optional<fs::path>& manifestFolder,
                            std::ostream& out) {
    const auto book = LoadBookProperties(dir, ToolRegionalSettings());
    TJsonStream json(out);
    json.BeginObject();
    if (FindBookFile(dir, "AUTHORS.")) {
        json.Key("authors");
        json.Value(AuthorsNotesToJson(LoadAuthorsNotes(dir)));
    }
    json.Key("book");
    json.Value(BookToJson(*book));
    if (const auto glossary = FindBookFile(dir, "GLOSSARY.DEF")) {
        json.Key("glossary");
        WriteRecordsJson<TGlossaryStream>(json, "entries", *glossary, "GLOSSARY.DEF",
                                          MaxGlossarySize);
    }
    json.Key("pictures");
    json.Value(Pictures(dir, manifestFolder));

    const std::vector<int> chapters = ChaptersInKeyOrder();
    json.Key("questions");
    json.BeginObject();
    for (const int chapter : chapters)
        if (const auto bank = FindBookFile(dir, QuestionBankName(chapter))) {
            json.Key(std::to_string(chapter));
            WriteRecordsJson<TQuestionBankStream>(json, "questions", *bank,
                                                  QuestionBankName(chapter), MaxQuestionBankSize);
        }
    json.EndObject();
    json.Key("topics");
    json.BeginObject();
    for (const int chapter : chapters)
        if (FindBookFile(dir, TopicFileName(chapter))) {
            const std::string bytes = ReadBookFile(dir, TopicFileName(chapter), MaxTopicFileSize);
            TByteReader in(bytes, TopicFileName(chapter));
            json.Key(std::to_string(chapter));
            json.Value(TopicFileToJson(ReadTopicFile(in)));
        }
    json.EndObject();
    json.EndObject();
    json.Flush();
    out << '\n';
}

template <typename Records>
void WriteRecordsJson(TJsonStream& json, std::string_view key, const fs::path& file,
                      const std::string& name, std::uint64_t maxSize) {
    TBookFileStream in(file, maxSize);
    Records records(in, name);
    json.BeginObject();
    json.Key(key);
    json.BeginArray();
    while (const auto record = NextRecord(records))
        WriteRecordJson(json, *record);
    json.EndArray();
    json.EndObject();
}

template void WriteRecordsJson<TQuestionBankStream>(TJsonStream&, std::string_view, const fs::path&,
                                                    const std::string&, std::uint64_t);
template void WriteRecordsJson<TGlossaryStream>(TJsonStream&, std::string_view, const fs::path&,
                                                const std::string&, std::uint64_t);

json BookDirectoryToJson(const fs::path& dir, const std::optional<fs::path>& manifestFolder) {
    std::stringstream text;
    WriteBookDirectoryJson(dir, manifestFolder, text);
    return json::parse(text.str());
}

} // namespace quillara::tool
