// Book sources from arbitrary bytes, in either form: parsed as JSON and built into a book in
// memory, or refused with a fault that names its place or, for text that is not JSON, its line
// and column. The same bytes also go through the page picture finder and, as a declaration,
// through the naming of parameters.
#include "authors_form.h"
#include "book_source.h"
#include "named_parameters.h"
#include "page_pictures.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara::tool;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& picture : PicturesOfPage(text))
        if (picture.size() > size) __builtin_trap();

    try {
        // Naming the parameters must give back what it was given, or nothing.
        if (const auto named = NamedDeclaration(text);
            named && PositionalDeclaration(*named) != text)
            __builtin_trap();
    } catch (const std::invalid_argument&) {
    }

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
        BuildBookFilesOfSource(manifest, nowhere, {}, &lost);
    } catch (const std::exception&) {
        // Every fault of a source is an exception with its place; crashes and leaks are the bugs.
    }
    return 0;
}
