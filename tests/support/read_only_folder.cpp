#include "read_only_folder.h"

#include "core/platform/unique_fd.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace quillara::testing {

namespace fs = std::filesystem;

namespace {

bool SetImmutable(const fs::path& folder, bool on) {
    const TUniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int flags = 0;
    if (!fd || ::ioctl(fd.get(), FS_IOC_GETFLAGS, &flags) != 0) return false;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    return ::ioctl(fd.get(), FS_IOC_SETFLAGS, &flags) == 0;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(fs::path folder) : Folder(std::move(folder)) {
    fs::permissions(Folder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (!Refuses()) Immutable = SetImmutable(Folder, true);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (Immutable) SetImmutable(Folder, false);
    std::error_code ignored;
    fs::permissions(Folder, fs::perms::owner_write, fs::perm_options::add, ignored);
}

bool ReadOnlyFolder::Refuses() const {
    const fs::path probe = Folder / ".write-probe";
    const TUniqueFd fd(::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!fd) return true;
    ::unlink(probe.c_str());
    return false;
}

} // namespace quillara::testing
