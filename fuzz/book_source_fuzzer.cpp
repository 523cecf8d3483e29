// Book sources from arbitrary bytes: parsed as JSON and built into a book in memory, or refused
// with a fault that names its place or, for text that is not JSON, its line and column. The same
// bytes also go through the page picture finder.
#include "book_source.h"
#include "page_pictures.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara::tool;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& picture : PicturesOfPage(text))
        if (picture.size() > size) __builtin_trap();

    nlohmann::json manifest;
    try {
        manifest = ParseSourceText(text);
    } catch (const std::runtime_error& e) {
        // Text that is not JSON is told by line and column, in the tool's own words.
        if (!std::string_view(e.what()).starts_with("line ")) __builtin_trap();
        return 0;
    }
    // Files the source names are looked for in an empty folder, so only inline content builds.
    static const std::filesystem::path nowhere =
        std::filesystem::temp_directory_path() / "quillara-fuzz-none";
    std::vector<TSourceFinding> lost;
    try {
        BuildBookFiles(manifest, nowhere, {}, &lost);
    } catch (const std::exception&) {
        // Every fault of a source is an exception with its place; crashes and leaks are the bugs.
    }
    return 0;
}
