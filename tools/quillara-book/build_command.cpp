#include "core/book/book_files.h"
#include "book_source.h"
#include "command_line.h"
#include "commands.h"
#include "file_kind.h"
#include "tool_io.h"

#include <cstdint>
#include <iostream>
#include <limits>
#include <memory>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

struct BuildOptions {
    std::string Source;
    std::string OutDir;
    std::vector<fs::path> PictureDirs;
};

int RunBuild(const BuildOptions& options) {
    if (options.Source.empty() || options.OutDir.empty())
        throw UsageError("build needs SOURCE and OUTDIR");
    const fs::path source = options.Source;
    const fs::path outDir = options.OutDir;
    const std::vector<fs::path>& pictureDirs = options.PictureDirs;

    std::map<std::string, std::string> files;
    try {
        // The author's own manifest, not a book file: read whatever its size.
        const nlohmann::json manifest =
            nlohmann::json::parse(ReadWholeFile(source, std::numeric_limits<std::uint64_t>::max()));
        files = BuildBookFiles(manifest, source.parent_path(), pictureDirs);
        // A file the program would refuse for its size is no book to write.
        for (const auto& [name, bytes] : files)
            if (const auto kind = KindFromFileName(name); kind && bytes.size() > LargestFile(*kind))
                throw std::runtime_error(
                    name + " would be " + std::to_string(bytes.size()) + " bytes, more than the " +
                    std::to_string(LargestFile(*kind)) + " bytes such a file may have");
    } catch (const std::exception& e) {
        // Nothing has been written: the whole book is built in memory first.
        std::cerr << "quillara-book: " << source.string() << ": " << e.what() << "\n";
        return 1;
    }
    try {
        fs::create_directories(outDir);
        for (const auto& [name, bytes] : files)
            WriteWholeFile(outDir / name, bytes);
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace

void AddBuildCommand(CLI::App& tool) {
    auto options = std::make_shared<BuildOptions>();
    CLI::App& build = AddCommand(
        tool, "build",
        {"build SOURCE OUTDIR [--pictures DIR]...",
         "Writes the book described by the JSON file SOURCE into OUTDIR. Files that SOURCE\n"
         "names by a relative path are looked for in its folder."},
        [options] { return RunBuild(*options); });
    build.add_option("SOURCE", options->Source);
    build.add_option("OUTDIR", options->OutDir);
    build.add_option("--pictures", options->PictureDirs,
                     "look for the pictures SOURCE names in DIR first")
        ->type_name("DIR")
        ->allow_extra_args(false);
}

} // namespace quillara::tool
