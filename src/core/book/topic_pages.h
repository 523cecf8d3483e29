#pragma once

#include "core/io/byte_reader.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillara {

struct TTopicEntry {
    std::string Key;
    std::string Page;
};

// A topic file holds a page for each topic of the book, and is read whole each time a page is
// shown. Its layout would allow 2 GB; this holds more than 250 pages of the largest size.
constexpr std::uint64_t MaxTopicFileSize = 16ull << 20;

// The topic file of one chapter, TOPICS.<n>: the page of every topic under its title.
std::vector<TTopicEntry> ReadTopicFile(TByteReader& in);
std::string WriteTopicFile(const std::vector<TTopicEntry>& entries);

std::string TopicFileName(int chapter);

// The page of a topic for a chapter, the last entry with that exact key winning; the empty text
// when there is none. A missing or damaged file ends the lookup quietly with what was found.
std::string FindTopicText(const std::filesystem::path& directory, int chapter,
                          const std::string& title);
// The pages of several topics for a chapter from one reading of its file, each found as
// FindTopicText finds it.
std::vector<std::string> FindTopicTexts(const std::filesystem::path& directory, int chapter,
                                        const std::vector<std::string>& titles);

} // namespace quillara
