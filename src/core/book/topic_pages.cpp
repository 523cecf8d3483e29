#include "core/book/topic_pages.h"

#include "core/book/book_files.h"
#include "core/book/book_strings.h"
#include "core/io/book_errors.h"

#include <algorithm>

namespace quillara {

namespace {
template <typename Visit> void ScanTopicFile(TByteReader& in, Visit visit) {
    const std::int16_t count = in.ReadInt16("entry count");
    for (int i = 0; i < count; ++i) {
        std::string key = ReadShortString(in, "topic key");
        std::string page = ReadLongString(in, "topic page");
        visit(std::move(key), std::move(page));
    }
}
} // namespace

std::vector<TTopicEntry> ReadTopicFile(TByteReader& in) {
    std::vector<TTopicEntry> entries;
    ScanTopicFile(in, [&](std::string key, std::string page) {
        entries.push_back({std::move(key), std::move(page)});
    });
    return entries;
}

std::string WriteTopicFile(const std::vector<TTopicEntry>& entries) {
    TByteWriter out;
    const std::size_t count = std::min<std::size_t>(entries.size(), INT16_MAX);
    out.WriteInt16(static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        WriteShortString(out, entries[i].Key);
        WriteLongString(out, entries[i].Page);
    }
    return out.Take();
}

std::string TopicFileName(int chapter) {
    return "TOPICS." + std::to_string(chapter);
}

std::string FindTopicText(const std::filesystem::path& directory, int chapter,
                          const std::string& title) {
    return FindTopicTexts(directory, chapter, {title}).front();
}

std::vector<std::string> FindTopicTexts(const std::filesystem::path& directory, int chapter,
                                        const std::vector<std::string>& titles) {
    std::vector<std::string> found(titles.size());
    try {
        const std::string bytes = ReadBookFile(directory, TopicFileName(chapter), MaxTopicFileSize);
        TByteReader in(bytes, TopicFileName(chapter));
        ScanTopicFile(in, [&](std::string key, std::string page) {
            for (std::size_t i = 0; i < titles.size(); ++i)
                if (key == titles[i]) found[i] = page;
        });
    } catch (const TBookFileError&) {
    }
    return found;
}

} // namespace quillara
