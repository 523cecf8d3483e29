#include "core/scores/save_file_ops.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillara {

namespace {

class TPosixSaveFileOps : public TSaveFileOps {
public:
    int createNew(const std::string& path) override {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    }

    bool setMode(int fd, mode_t mode) override {
        // File systems without permissions (FAT) refuse any change, even to the bits every
        // file there has already; asking only for a real change keeps saving there possible.
        struct stat st {};
        if (::fstat(fd, &st) == 0 && (st.st_mode & 07777) == mode) return true;
        return ::fchmod(fd, mode) == 0;
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

} // namespace

TSaveFileOps& PosixSaveFileOps() {
    static TPosixSaveFileOps posix;
    return posix;
}

} // namespace quillara
