#include "core/platform/file_identity.h"

#include <sys/stat.h>

namespace quillara {

namespace {

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

TFileIdentity FromStat(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::int64_t>(st.st_size), Nanoseconds(st.st_mtim),
            Nanoseconds(st.st_ctim)};
}

} // namespace

std::optional<TFileIdentity> IdentityOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::nullopt;
    return FromStat(st);
}

std::optional<TFileIdentity> IdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FromStat(st);
}

} // namespace quillara
