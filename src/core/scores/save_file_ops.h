#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace quillara {

// The file-system steps of saving the score file, so that a test can make any one of them fail.
// Failures are reported as the system calls report them: false (or -1) with errno set.
class TSaveFileOps {
public:
    virtual ~TSaveFileOps() = default;
    // Creates a file that must not exist yet (errno EEXIST when it does); a descriptor or -1.
    virtual int createNew(const std::string& path) = 0;
    // Gives the file these permission bits.
    virtual bool setMode(int fd, mode_t mode) = 0;
    // Writes every byte or fails.
    virtual bool write(int fd, std::string_view bytes) = 0;
    // Pushes the file's data to the disk.
    virtual bool flush(int fd) = 0;
    virtual bool close(int fd) = 0;
    virtual bool link(const std::string& existing, const std::string& newPath) = 0;
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    virtual bool syncDirectory(const std::string& directory) = 0;
    virtual bool remove(const std::string& path) = 0;
};

// The real file system.
TSaveFileOps& PosixSaveFileOps();

} // namespace quillara
