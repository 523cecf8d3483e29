#pragma once

#include "core/scores/save_file_ops.h"

#include <array>
#include <cerrno>
#include <set>

namespace quillara::testing {

// The steps of TSaveFileOps, in its order.
enum class Step {
    Create,
    SetMode,
    Write,
    Flush,
    Close,
    Link,
    Rename,
    syncDirectory,
    Remove,
    Count
};

// The real file system, counting each kind of step and failing one chosen call, or every call
// of some steps, as the system would: with errno set and, for close, the descriptor released
// all the same.
class FailingOps : public TSaveFileOps {
public:
    std::array<int, static_cast<int>(Step::Count)> Calls{};
    Step FailStep = Step::Count;
    int FailAt = -1;
    std::set<Step> FailAlways;

    int createNew(const std::string& path) override {
        return Fails(Step::Create) ? -1 : Real().createNew(path);
    }
    bool setMode(int fd, mode_t mode) override {
        return !Fails(Step::SetMode) && Real().setMode(fd, mode);
    }
    bool write(int fd, std::string_view bytes) override {
        return !Fails(Step::Write) && Real().write(fd, bytes);
    }
    bool flush(int fd) override { return !Fails(Step::Flush) && Real().flush(fd); }
    bool close(int fd) override {
        const bool fail = Fails(Step::Close);
        const bool closed = Real().close(fd);
        if (fail) errno = EIO;
        return closed && !fail;
    }
    bool link(const std::string& existing, const std::string& newPath) override {
        return !Fails(Step::Link) && Real().link(existing, newPath);
    }
    bool rename(const std::string& from, const std::string& to) override {
        return !Fails(Step::Rename) && Real().rename(from, to);
    }
    bool syncDirectory(const std::string& directory) override {
        return !Fails(Step::syncDirectory) && Real().syncDirectory(directory);
    }
    bool remove(const std::string& path) override {
        return !Fails(Step::Remove) && Real().remove(path);
    }

private:
    static TSaveFileOps& Real() { return PosixSaveFileOps(); }
    bool Fails(Step step) {
        const int call = Calls[static_cast<int>(step)]++;
        if (!FailAlways.contains(step) && (step != FailStep || call != FailAt)) return false;
        errno = EIO;
        return true;
    }
};

} // namespace quillara::testing
