#include "core/scores/file_lock.h"

#include "core/platform/file_identity.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quillara {

bool TFileLock::Take(const std::string& path, std::chrono::milliseconds patience) {
    release();
    const std::string lockPath = path + ".lock";
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::chrono::milliseconds pause(1);
    for (;;) {
        TUniqueFd fd(
            ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666));
        if (!fd) return false;
        // Only a file of our own making is a lock; a FIFO or device under its name is left be.
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0) return false;
        if (!S_ISREG(info.st_mode)) {
            errno = EINVAL;
            return false;
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // The holder before us may have removed the file as it let go, after we opened it;
            // the lock is ours only on the file that still bears the name.
            const auto held = IdentityOf(fd.get());
            const auto named = IdentityOf(lockPath);
            if (held && named && held->SameFile(*named)) {
                LockPath = lockPath;
                Held = std::move(fd);
                return true;
            }
            continue;
        }
        // A file system without locks gives no way to take turns; saving goes on as it would
        // without this lock rather than not at all.
        if (errno != EWOULDBLOCK && errno != EINTR) {
            LockPath = lockPath;
            Held = std::move(fd);
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            errno = EWOULDBLOCK;
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void TFileLock::release() {
    if (!Held) return;
    // Removed while still held, so that whoever opened it meanwhile sees it gone and tries again.
    ::unlink(LockPath.c_str());
    Held.reset();
    LockPath.clear();
}

} // namespace quillara
