#include "book/book_files.h"
#include "book_source.h"
#include "commands.h"

#include <fstream>
#include <iostream>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write \"" + path.string() + "\"");
}

} // namespace

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
        const nlohmann::json manifest = nlohmann::json::parse(ReadWholeFile(source));
        files = BuildBookFiles(manifest, source.parent_path(), pictureDirs);
    } catch (const std::exception& e) {
        // Nothing has been written: the whole book is built in memory first.
        std::cerr << "quillara-book: " << source.string() << ": " << e.what() << "\n";
        return 1;
    }
    try {
        fs::create_directories(outDir);
        for (const auto& [name, bytes] : files)
            WriteFile(outDir / name, bytes);
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace quillara::tool
