#include "authors_form.h"
#include "core/book/book_files.h"
#include "commands.h"
#include "file_kind.h"
#include "tool_io.h"

#include <cstdint>
#include <iostream>
#include <limits>

namespace quillara::tool {

namespace fs = std::filesystem;

int RunBuild(const Arguments& args) {
    std::vector<std::string> positional;
    std::vector<fs::path> pictureDirs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--pictures") {
            if (++i == args.size()) throw UsageError("--pictures needs a folder");
            pictureDirs.emplace_back(args[i]);
        } else if (args[i].starts_with("--")) {
            throw UsageError("unknown option \"" + args[i] + "\"");
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) throw UsageError("build needs SOURCE and OUTDIR");
    const fs::path source = positional[0];
    const fs::path outDir = positional[1];

    std::map<std::string, std::string> files;
    try {
        // The author's own source, not a book file: read whatever its size.
        const nlohmann::json manifest =
            nlohmann::json::parse(ReadWholeFile(source, std::numeric_limits<std::uint64_t>::max()));
        files = BuildBookFilesOfSource(manifest, source.parent_path(), pictureDirs);
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

} // namespace quillara::tool
