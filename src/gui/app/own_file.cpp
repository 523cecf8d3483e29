#include "gui/app/own_file.h"

#include "core/platform/unique_fd.h"
#include "core/scores/file_replace.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillara::gui {

std::optional<std::string> ReadOwnFile(const std::filesystem::path& path, std::uintmax_t maxSize) {
    const TUniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!fd) {
        if (errno == ENOENT) return std::string();
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        std::uintmax_t(info.st_size) > maxSize)
        return std::nullopt;
    std::string bytes(std::size_t(info.st_size), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const auto n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += std::size_t(n);
    }
    bytes.resize(got);
    return bytes;
}

bool ReplaceOwnFile(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return false;
    RemoveLeftovers(path.string(), PosixSaveFileOps());
    return ReplaceFile(path.string(), bytes, PosixSaveFileOps());
}

} // namespace quillara::gui
