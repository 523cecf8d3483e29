#include "temp_book_dir.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace quillara::testing {

TempBookDir::TempBookDir() {
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        Dir = std::filesystem::temp_directory_path() /
              ("quillara-test-" + std::to_string(seed()) + std::to_string(seed()));
        if (std::filesystem::create_directory(Dir)) return;
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempBookDir::~TempBookDir() {
    std::error_code ignored;
    std::filesystem::remove_all(Dir, ignored);
}

std::filesystem::path TempBookDir::Write(std::string_view name, std::string_view bytes) const {
    const auto path = Dir / std::string(name);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
    return path;
}

std::filesystem::path TempBookDir::WriteSparse(std::string_view name, std::uintmax_t size) const {
    const auto path = Write(name, "");
    std::filesystem::resize_file(path, size);
    return path;
}

std::string TempBookDir::Read(std::string_view name) const {
    return ReadFile(Dir / std::string(name));
}

std::string TempBookDir::ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> TempBookDir::FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace quillara::testing
