#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillara::testing {

// A fresh directory under the system's temporary folder, removed with the object.
class TempBookDir {
public:
    TempBookDir();
    ~TempBookDir();
    TempBookDir(const TempBookDir&) = delete;
    TempBookDir& operator=(const TempBookDir&) = delete;

    const std::filesystem::path& Path() const { return Dir; }
    // Writes the bytes to a file of the directory and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;
    // A file of `size` zero bytes that takes no room on disk (one hole), and its path.
    std::filesystem::path WriteSparse(std::string_view name, std::uintmax_t size) const;
    std::string Read(std::string_view name) const;
    static std::string ReadFile(const std::filesystem::path& path);
    // The names of the entries of a folder, sorted.
    static std::vector<std::string> FileNames(const std::filesystem::path& folder);

private:
    std::filesystem::path Dir;
};

} // namespace quillara::testing
