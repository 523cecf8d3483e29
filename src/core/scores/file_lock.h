#pragma once

#include "core/platform/unique_fd.h"

#include <chrono>
#include <string>

namespace quillara {

// An advisory lock on a file, held through a lock file beside it (its name and ".lock"), so that
// two programs saving the same file take turns. The lock file is removed when the lock is let go;
// a program killed while holding it leaves the file, which the next holder removes.
class TFileLock {
public:
    TFileLock() = default;
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;
    ~TFileLock() { release(); }

    // Waits for the lock up to `patience`, so that a holder that hangs cannot hang us too. False,
    // with errno set, when the lock file cannot be created or the wait runs out (EWOULDBLOCK),
    // and at once when something other than a regular file bears its name (EINVAL).
    bool Take(const std::string& path,
              std::chrono::milliseconds patience = std::chrono::seconds(5));
    void release();

private:
    std::string LockPath;
    TUniqueFd Held;
};

} // namespace quillara
