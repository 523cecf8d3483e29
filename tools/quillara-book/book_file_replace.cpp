#include "book_file_replace.h"

#include "tool_io.h"

#include <optional>
#include <stdexcept>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

fs::path Beside(const fs::path& path, const char* suffix) {
    fs::path beside = path;
    beside += suffix;
    return beside;
}

void RemoveQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// A second name for the file, or a copy of it where the file system has no second names.
void KeepAside(const fs::path& path, const fs::path& aside) {
    RemoveQuietly(aside);
    std::error_code error;
    fs::create_hard_link(path, aside, error);
    if (error) fs::copy_file(path, aside);
}

// The permissions each file keeps, none for a file yet to be made; raises for a read-only one.
std::vector<std::optional<fs::perms>>
KeptPermissions(const std::vector<std::pair<fs::path, std::string>>& files) {
    std::vector<std::optional<fs::perms>> kept;
    for (const auto& [path, bytes] : files) {
        std::error_code error;
        const fs::perms perms = fs::status(path, error).permissions();
        if (!error && (perms & fs::perms::owner_write) == fs::perms::none)
            throw std::runtime_error("\"" + path.string() + "\" is read-only");
        kept.push_back(error ? std::nullopt : std::optional(perms & fs::perms::mask));
    }
    return kept;
}

} // namespace

void ReplaceBookFiles(const std::vector<std::pair<fs::path, std::string>>& files) {
    const auto kept = KeptPermissions(files);
    std::vector<fs::path> written;
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            written.push_back(Beside(files[i].first, ".importing"));
            WriteWholeFile(written.back(), files[i].second);
            if (kept[i]) fs::permissions(written.back(), *kept[i]);
        }
    } catch (...) {
        for (const fs::path& temporary : written)
            RemoveQuietly(temporary);
        throw;
    }

    // Each file in place keeps a second name while the others go in, to be put back by.
    std::vector<std::optional<fs::path>> before;
    std::size_t placed = 0;
    try {
        for (; placed < files.size(); ++placed) {
            const fs::path& path = files[placed].first;
            before.emplace_back();
            if (kept[placed]) {
                before.back() = Beside(path, ".before-import");
                KeepAside(path, *before.back());
            }
            fs::rename(written[placed], path);
        }
    } catch (...) {
        for (std::size_t i = 0; i < placed; ++i) {
            std::error_code ignored;
            if (before[i])
                fs::rename(*before[i], files[i].first, ignored);
            else
                fs::remove(files[i].first, ignored);
        }
        for (std::size_t i = placed; i < files.size(); ++i) {
            RemoveQuietly(written[i]);
            if (i < before.size() && before[i]) RemoveQuietly(*before[i]);
        }
        throw;
    }
    for (const auto& name : before)
        if (name) RemoveQuietly(*name);
}

} // namespace quillara::tool
