#include "core/scores/damaged_copy.h"

#include "core/platform/clock.h"
#include "core/scores/file_replace.h"
#include "core/scores/score_summary.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

namespace quillara {

namespace {

constexpr const char* DamagedTag = ".damaged-";
constexpr int NameAttempts = 100;

// The file's name with the local date and time of now.
std::string DatedName(const std::string& path) {
    const double now = ProgramClock().now();
    const TCalendarDate day = CalendarDate(now);
    const long seconds = std::min(86399L, std::lround((now - std::floor(now)) * 86400));
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d-%02ld%02ld%02ld", day.Year, day.Month,
                  day.Day, seconds / 3600, seconds / 60 % 60, seconds % 60);
    return path + DamagedTag + stamp;
}

// A copy of this very file that an earlier look at it kept.
std::string KeptBefore(const std::string& path, const TFileIdentity& identity) {
    const std::string prefix = NameOf(path) + DamagedTag;
    const std::string directory = DirectoryOf(path);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const auto kept = IdentityOf(directory + "/" + name);
        if (kept && kept->SameFile(identity)) return directory + "/" + name;
    }
    return {};
}

bool WriteCopy(int fd, std::string_view bytes, mode_t mode, TSaveFileOps& files) {
    const bool written = files.setMode(fd, mode) && files.write(fd, bytes) && files.flush(fd);
    return files.close(fd) && written;
}

} // namespace

std::string KeepDamagedFile(const std::string& path, const TFileIdentity& identity,
                            std::string_view bytes, bool whole, TSaveFileOps& files) {
    if (std::string kept = KeptBefore(path, identity); !kept.empty()) return kept;
    struct stat now {};
    bool linkable = ::stat(path.c_str(), &now) == 0 &&
                    static_cast<std::uint64_t>(now.st_dev) == identity.Device &&
                    static_cast<std::uint64_t>(now.st_ino) == identity.Inode;
    // Copied bytes are as private as the file was.
    const mode_t mode = linkable ? (now.st_mode & 0777) : 0600;
    const std::string dated = DatedName(path);
    for (int attempt = 1; attempt <= NameAttempts; ++attempt) {
        const std::string name = attempt == 1 ? dated : dated + "-" + std::to_string(attempt);
        if (linkable) {
            if (files.link(path, name)) return name;
            if (errno == EEXIST) continue;
            linkable = false;
        }
        if (!whole) return {};
        const int fd = files.createNew(name);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return {};
        }
        if (WriteCopy(fd, bytes, mode, files)) return name;
        files.remove(name);
        return {};
    }
    return {};
}

} // namespace quillara
