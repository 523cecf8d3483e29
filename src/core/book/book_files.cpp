#include "book/book_files.h"

#include "book/book_errors.h"

#include <fstream>
#include <vector>

namespace quillara {

namespace fs = std::filesystem;

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::vector<std::string> SplitSegments(std::string_view name) {
    std::vector<std::string> segments;
    std::string current;
    for (char c : name) {
        if (c == '/' || c == '\\') {
            segments.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    segments.push_back(std::move(current));
    return segments;
}

std::optional<fs::path> FindEntry(const fs::path& directory, const std::string& segment) {
    std::error_code error;
    const fs::path exact = directory / segment;
    if (fs::exists(exact, error)) return exact;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (SameIgnoringCase(it->path().filename().string(), segment)) return it->path();
    }
    return std::nullopt;
}

} // namespace

std::optional<fs::path> FindBookFile(const fs::path& directory, std::string_view name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\' ||
        (name.size() > 1 && name[1] == ':'))
        return std::nullopt;
    std::vector<std::string> segments = SplitSegments(name);
    fs::path current = directory;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        std::string segment = segments[i];
        if (segment.empty() || segment == "." || segment == "..") return std::nullopt;
        auto found = FindEntry(current, segment);
        const bool last = i + 1 == segments.size();
        if (!found && last && segment.back() == '.') {
            segment.pop_back();
            found = FindEntry(current, segment);
        }
        if (!found) return std::nullopt;
        current = *found;
    }
    std::error_code error;
    if (!fs::is_regular_file(current, error)) return std::nullopt;
    return current;
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) throw TFileOpenError("Cannot open file \"" + path.string() + "\"");
    // One read of the size the file has now; a file that shrinks meanwhile reads what is left.
    const std::streamoff size = in.tellg();
    std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) throw TFileOpenError("Cannot read file \"" + path.string() + "\"");
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::string ReadBookFile(const fs::path& directory, std::string_view name) {
    const auto path = FindBookFile(directory, name);
    if (!path)
        throw TFileOpenError("Cannot open file \"" + (directory / std::string(name)).string() +
                             "\"");
    return ReadWholeFile(*path);
}

} // namespace quillara
