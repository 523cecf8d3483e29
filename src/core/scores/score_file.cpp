#include "scores/score_file.h"

#include "book/book_errors.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace quillara {

namespace {

class TPosixSaveFileOps : public TSaveFileOps {
public:
    int createNew(const std::string& path) override {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }

    bool write(int fd, std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n == 0) errno = EIO;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    bool flush(int fd) override { return ::fsync(fd) == 0; }

    // Linux releases the descriptor even when close reports an error, so it is never retried.
    bool close(int fd) override { return ::close(fd) == 0; }

    bool link(const std::string& existing, const std::string& newPath) override {
        return ::link(existing.c_str(), newPath.c_str()) == 0;
    }

    bool rename(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str()) == 0;
    }

    bool syncDirectory(const std::string& directory) override {
        const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        // A directory we may write but not read cannot be synced; that is no reason to fail.
        if (fd < 0) return errno == EACCES;
        // Some file systems do not sync directories at all and say so with EINVAL.
        const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
        ::close(fd);
        return synced;
    }

    bool remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
};

constexpr std::size_t WriteChunk = 64 * 1024;
constexpr int NameAttempts = 100;

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A name beside the file that no other save, of this run or another, is using; a name left by a
// save that was killed is skipped when the file system says it exists.
std::string SiblingName(const std::string& path, const char* tag) {
    static unsigned counter = 0;
    return path + "." + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

int CreateSibling(const std::string& path, TSaveFileOps& files, std::string& created) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        created = SiblingName(path, "new");
        const int fd = files.createNew(created);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A second name for the old file, so that it can be put back when the new one may not last.
// Empty when there is no old file or the file system has no hard links.
std::string KeepOld(const std::string& path, TSaveFileOps& files) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        std::string name = SiblingName(path, "old");
        if (files.link(path, name)) return name;
        if (errno != EEXIST) break;
    }
    return {};
}

// Until the rename the old file is untouched, and the rename swaps the complete new file in at
// once, so a save that fails or is killed part way leaves either the old file or the new one.
bool ReplaceFile(const std::string& path, std::string_view bytes, TSaveFileOps& files) {
    std::string temp;
    const int fd = CreateSibling(path, files, temp);
    if (fd < 0) return false;
    bool written = true;
    for (std::size_t at = 0; written && at < bytes.size(); at += WriteChunk)
        written = files.write(fd, bytes.substr(at, WriteChunk));
    written = written && files.flush(fd);
    const bool closed = files.close(fd);
    if (!written || !closed) {
        files.remove(temp);
        return false;
    }

    const std::string old = KeepOld(path, files);
    if (!files.rename(temp, path)) {
        files.remove(temp);
        if (!old.empty()) files.remove(old);
        return false;
    }
    if (!files.syncDirectory(DirectoryOf(path))) {
        // The new name may not survive a crash; rather than report a save that may not last,
        // put the old file back.
        if (!old.empty()) files.rename(old, path);
        return false;
    }
    if (!old.empty()) files.remove(old);
    return true;
}

} // namespace

TSaveFileOps& PosixSaveFileOps() {
    static TPosixSaveFileOps posix;
    return posix;
}

bool TScoreHistory::loadScores(const std::string& saveDirectory) {
    const std::string path = saveDirectory + ScoreFileName;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::string bytes;
    bool readAll = true;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            readAll = false;
            break;
        }
    }
    ::close(fd);
    // What was read before an error still gives its complete scores.
    const bool complete = readScores(bytes, path) && readAll;
    InFile = complete ? StateOf(path) : std::nullopt;
    return complete;
}

bool TScoreHistory::saveScores(const std::string& saveDirectory, TSaveFileOps& files) const {
    const std::string path = saveDirectory + ScoreFileName;
    if (InFile && InFile->Path == path && InFile->Revision == Revision) {
        const auto now = StateOf(path);
        if (now && now->Time == InFile->Time && now->Size == InFile->Size) return true;
    }
    std::string bytes;
    try {
        bytes = writeScores();
    } catch (const std::length_error&) {
        return false;
    }
    if (!ReplaceFile(path, bytes, files)) return false;
    InFile = StateOf(path);
    return true;
}

std::optional<TScoreHistory::TFileState> TScoreHistory::StateOf(const std::string& path) const {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    return TFileState{path, time, size, Revision};
}

bool TScoreHistory::readScores(std::string_view bytes, const std::string& fileName) {
    clear();
    try {
        appendFrom(bytes, fileName);
    } catch (const TBookFileError&) {
        return false;
    }
    return true;
}

void TScoreHistory::appendFrom(std::string_view bytes, const std::string& fileName) {
    TByteReader in(bytes, fileName);
    const std::int16_t count = in.ReadInt16("score count");
    // No reserve from the count: a damaged count must not allocate more than the file holds.
    for (int i = 0; i < count; ++i)
        Scores.push_back(std::make_unique<TScore>(in));
}

std::string TScoreHistory::writeScores() const {
    if (Scores.size() > static_cast<std::size_t>(MaxScoreCount))
        throw std::length_error("the history holds more scores than the score file can count");
    TByteWriter out;
    out.WriteInt16(static_cast<std::int16_t>(Scores.size()));
    for (const auto& score : Scores)
        score->write(out);
    return out.Take();
}

bool TScoreHistory::addAttempt(std::unique_ptr<TScore> score) {
    if (!score || score->totalAnswered() <= 0) return false;
    Scores.push_back(std::move(score));
    ++Revision;
    return true;
}

TScoreHistory ReadScoreFile(std::string_view bytes, const std::string& fileName) {
    TScoreHistory history;
    history.appendFrom(bytes, fileName);
    return history;
}

} // namespace quillara
