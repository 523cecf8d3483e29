#pragma once

#include "core/scores/save_file_ops.h"

#include <string>
#include <string_view>

namespace quillara {

// The folder part of a path: "." when it has none.
std::string DirectoryOf(const std::string& path);
// The last part of a path.
std::string NameOf(const std::string& path);

// The file a path leads to through symbolic links, which need not exist yet, so that a save
// writes through a link instead of replacing it. A path that is no link comes back as it is.
std::string ResolveLinks(const std::string& path);

// Replaces the file at `path` (no link) with `bytes`. The new file is written beside the old
// one, with the old one's permission bits, and renamed over it once it is complete on disk;
// until then the old file is untouched, so a save that fails or is killed part way leaves
// either the old file or the new one, whole.
bool ReplaceFile(const std::string& path, std::string_view bytes, TSaveFileOps& files);

// The words that name the files a replacement makes beside a file: the new file, and the old
// one's second name. Saves of a file use SaveTags; the changes of a book's files their own, so
// that each finds only its own leftovers.
struct TSiblingTags {
    const char* New;
    const char* Old;
};
inline constexpr TSiblingTags SaveTags{"new", "old"};

// Creates a new file beside `path`, exclusively (a name already taken, a link planted there
// included, is never opened), under a name that tells whose it is ("path.new-PID-N"); its
// descriptor, or -1 with errno set. `created` is its path.
int CreateSibling(const std::string& path, TSaveFileOps& files, std::string& created,
                  const char* tag = SaveTags.New);

// Writes every byte in pieces and pushes them to the disk.
bool WriteAll(int fd, std::string_view bytes, TSaveFileOps& files);

// A second name beside `path` for the file there ("path.old-PID-N"), so that it can be put back
// when the new one may not last; empty when there is no file or the file system has no hard
// links.
std::string KeepOld(const std::string& path, TSaveFileOps& files, const char* tag = SaveTags.Old);

// The process that made a file of this name with CreateSibling or KeepOld and one of the tags; 0
// for any other name.
pid_t LeftoverOwner(std::string_view name, TSiblingTags tags);

// Removes the files that replacements of `path` by processes no longer running have left
// beside it. Call with the file's lock held, when no running save owns any of them.
void RemoveLeftovers(const std::string& path, TSaveFileOps& files);

} // namespace quillara
