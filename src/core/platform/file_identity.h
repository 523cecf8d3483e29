#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quillara {

// What tells one version of a file from another without reading it: the file itself (device and
// inode), its size and the times of its last change. A file replaced by a rename is a new inode;
// one rewritten in place shows a new size or time.
struct TFileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t ModifiedNs = 0;
    std::int64_t ChangedNs = 0;

    bool operator==(const TFileIdentity&) const = default;
    bool SameFile(const TFileIdentity& other) const {
        return Device == other.Device && Inode == other.Inode;
    }
};

// The identity of an open file; none when the system cannot say (errno set).
std::optional<TFileIdentity> IdentityOf(int fd);
// The identity of the file a path names, links followed; none when there is none (errno set).
std::optional<TFileIdentity> IdentityOf(const std::string& path);

} // namespace quillara
