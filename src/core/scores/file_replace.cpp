#include "core/scores/file_replace.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quillara {

namespace {

constexpr std::size_t WriteChunk = 64 * 1024;
constexpr int NameAttempts = 100;
// As many links as the system itself follows before it gives up.
constexpr int MaxLinks = 40;

// A name beside the file that no other save, of this run or another, is using; the process id
// in it tells a later save whether its owner still runs.
std::string SiblingName(const std::string& path, const char* tag) {
    static unsigned counter = 0;
    return path + "." + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

} // namespace

int CreateSibling(const std::string& path, TSaveFileOps& files, std::string& created,
                  const char* tag) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        created = SiblingName(path, tag);
        const int fd = files.createNew(created);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

std::string KeepOld(const std::string& path, TSaveFileOps& files, const char* tag) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        std::string name = SiblingName(path, tag);
        if (files.link(path, name)) return name;
        if (errno != EEXIST) break;
    }
    return {};
}

bool WriteAll(int fd, std::string_view bytes, TSaveFileOps& files) {
    for (std::size_t at = 0; at < bytes.size(); at += WriteChunk)
        if (!files.write(fd, bytes.substr(at, WriteChunk))) return false;
    return files.flush(fd);
}

namespace {

// The process id in a name SiblingName made for the file `fileName` with one of the tags; 0 for
// any other name.
pid_t OwnerOf(std::string_view name, const std::string& fileName, TSiblingTags tags) {
    for (const char* tag : {tags.New, tags.Old}) {
        const std::string prefix = fileName + "." + tag + "-";
        if (!name.starts_with(prefix)) continue;
        const char* const end = name.data() + name.size();
        pid_t pid = 0;
        const auto afterPid = std::from_chars(name.data() + prefix.size(), end, pid);
        if (afterPid.ec != std::errc() || pid <= 0 || afterPid.ptr == end || *afterPid.ptr != '-')
            return 0;
        unsigned counter = 0;
        const auto afterCounter = std::from_chars(afterPid.ptr + 1, end, counter);
        return afterCounter.ec == std::errc() && afterCounter.ptr == end ? pid : 0;
    }
    return 0;
}

} // namespace

pid_t LeftoverOwner(std::string_view name, TSiblingTags tags) {
    for (const char* tag : {tags.New, tags.Old}) {
        const std::size_t at = name.rfind(std::string(".") + tag + "-");
        if (at != std::string_view::npos && at > 0)
            if (const pid_t pid = OwnerOf(name, std::string(name.substr(0, at)), tags)) return pid;
    }
    return 0;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < MaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::string target(static_cast<std::size_t>(st.st_size) + 1, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) break;
        target.resize(static_cast<std::size_t>(length));
        if (target.front() != '/' && current.find('/') != std::string::npos)
            target = DirectoryOf(current) + "/" + target;
        current = std::move(target);
    }
    return current;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, TSaveFileOps& files) {
    struct stat old {};
    const bool hasOld = ::stat(path.c_str(), &old) == 0;

    std::string temp;
    const int fd = CreateSibling(path, files, temp);
    if (fd < 0) return false;
    // A student who made the scores private keeps them private.
    const bool written =
        (!hasOld || files.setMode(fd, old.st_mode & 0777)) && WriteAll(fd, bytes, files);
    const bool closed = files.close(fd);
    if (!written || !closed) {
        files.remove(temp);
        return false;
    }

    const std::string kept = KeepOld(path, files);
    if (!files.rename(temp, path)) {
        files.remove(temp);
        if (!kept.empty()) files.remove(kept);
        return false;
    }
    if (!files.syncDirectory(DirectoryOf(path))) {
        // The new name may not survive a crash; rather than report a save that may not last,
        // put the old file back.
        if (!kept.empty()) files.rename(kept, path);
        return false;
    }
    if (!kept.empty()) files.remove(kept);
    return true;
}

void RemoveLeftovers(const std::string& path, TSaveFileOps& files) {
    const std::string fileName = NameOf(path);
    const std::string directory = DirectoryOf(path);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const pid_t owner = OwnerOf(name, fileName, SaveTags);
        if (owner != 0 && ::kill(owner, 0) != 0 && errno == ESRCH)
            files.remove(directory + "/" + name);
    }
}

} // namespace quillara
