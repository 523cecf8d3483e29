#include "core/book/book_properties.h"

#include "core/book/book_files.h"
#include "core/book/book_records.h"
#include "core/book/book_strings.h"
#include "core/io/book_errors.h"

#include <algorithm>

namespace quillara {

namespace {

// Counts are signed; 0 or less means no records. -32768 has no positive counterpart and is
// refused like a damaged file.
int ReadCount(TByteReader& in, const char* field) {
    const std::size_t at = in.Position();
    const std::int16_t count = in.ReadInt16(field);
    if (count == INT16_MIN)
        throw TBookFileError(in.FileName() + ": " + field + " -32768 is out of range at byte " +
                             std::to_string(at));
    return count;
}

} // namespace

std::string TBookProperties::ChapterName(int chapter) const {
    if (chapter < 1 || static_cast<std::size_t>(chapter) > ChapterNames.size()) return {};
    return std::string(TrimRight(ChapterNames[static_cast<std::size_t>(chapter - 1)]));
}

std::string TBookProperties::ChapterPicture(int chapter) {
    return "CHAP" + std::to_string(chapter) + ".JPG";
}

bool TBookProperties::TopicInChapter(int chapter, std::int32_t) const {
    return chapter >= 1 && chapter <= ChapterCount && chapter <= 255;
}

std::string TBookProperties::TopicTitle(std::int32_t topicId) const {
    std::string title;
    for (const TChapterTopic& topic : Topics)
        if (topic.TopicId == topicId) title = topic.Title;
    return title;
}

const TVarible* TBookProperties::FindVariable(std::string_view name) const {
    for (const auto& variable : Variables)
        if (variable->Name == name) return variable.get();
    return nullptr;
}

std::unique_ptr<TBookProperties> ReadBookProperties(TByteReader& in,
                                                    const TRegionalSettings& regional) {
    auto book = std::make_unique<TBookProperties>();
    std::uint8_t version = 0;
    // A version 0 file starts with the two-byte length of its title, whose first byte may claim
    // more bytes than the file has: only a head that fits is taken for the marker.
    const bool marked = in.Remaining() >= 1 && [&] {
        const std::uint8_t length = in.ReadByte("head");
        return length <= in.Remaining() && TrimRight(in.ReadBytes(length, "head")) == "BPQZ";
    }();
    if (marked) {
        version = in.ReadByte("version");
        if (version < 1 || version > 5) {
            book->LoadFailed = true;
            book->Version = version;
            book->LoadError =
                "Unknown version of book properties (" + std::to_string(version) + ").";
            return book;
        }
    } else {
        in.Seek(0);
    }
    book->Version = version;

    book->Title = ReadLongString(in, "Title");
    book->Text2 = ReadLongString(in, "Text2");
    book->Text3 = ReadLongString(in, "Text3");
    book->Text4 = ReadLongString(in, "Text4");
    book->Copyright = ReadLongString(in, "Copyright");
    book->Text6 = ReadLongString(in, "Text6");
    book->Text7 = ReadLongString(in, "Text7");
    book->HasGlossary = ReadFlagByte(in, "HasGlossary") != 0;
    if (version >= 4) book->HasMatchingQuiz = ReadFlagByte(in, "HasMatchingQuiz") != 0;
    book->ReservedFlags[0] = ReadFlagByte(in, "ReservedFlags") != 0;
    book->ReservedFlags[1] = ReadFlagByte(in, "ReservedFlags") != 0;
    if (version >= 5) {
        book->ReservedFlags[2] = ReadFlagByte(in, "ReservedFlags") != 0;
        book->HasAuthorsNotes = ReadFlagByte(in, "HasAuthorsNotes") != 0;
        book->ReservedFlags[3] = ReadFlagByte(in, "ReservedFlags") != 0;
    }

    // Every record takes at least its length byte, so the bytes left bound what a count reserves.
    const int topicCount = ReadCount(in, "topic count");
    book->Topics.reserve(std::min<std::size_t>(std::max(topicCount, 0), in.Remaining()));
    for (int i = 0; i < topicCount; ++i)
        book->Topics.push_back(ReadTopicRecord(in, i + 1));

    const int chapterCount = ReadCount(in, "ChapterCount");
    book->ChapterCount = static_cast<std::int16_t>(chapterCount);
    book->ChapterNames.reserve(std::min<std::size_t>(std::max(chapterCount, 0), in.Remaining()));
    for (int i = 0; i < chapterCount; ++i)
        book->ChapterNames.push_back(ReadShortString(in, "ChapterNames"));

    if (version >= 1) {
        const int count = ReadCount(in, "VariableCount");
        book->VariableCount = static_cast<std::int16_t>(count);
        for (int i = 0; i < count; ++i) {
            book->Variables.push_back(ReadVariableRecord(in, regional));
            book->FirstValues.Draw(*book->Variables.back());
        }
    }
    if (version >= 2) {
        const int count = ReadCount(in, "ExpressionCount");
        book->ExpressionCount = static_cast<std::int16_t>(count);
        for (int i = 0; i < count; ++i)
            book->Expressions.push_back(ReadExpressionRecord(in));
    }
    if (version >= 3) {
        const int count = ReadCount(in, "FormulaCount");
        book->FormulaCount = static_cast<std::int16_t>(count);
        for (int i = 0; i < count; ++i)
            book->Formulas.push_back(ReadFormulaRecord(in));
    }
    return book;
}

std::unique_ptr<TBookProperties> LoadBookProperties(const std::filesystem::path& directory,
                                                    const TRegionalSettings& regional) {
    const std::string bytes = ReadBookFile(directory, "BOOK.DEF", MaxBookDefinitionSize);
    TByteReader in(bytes, "BOOK.DEF");
    return ReadBookProperties(in, regional);
}

} // namespace quillara
