#pragma once

#include <filesystem>

namespace quillara::testing {

// Makes a folder refuse new files for as long as the object lives, as an installed book's folder
// does: read-only permission bits, and where those do not stop this process (it runs as root)
// the immutable attribute as well. Refuses() says whether that worked, for a test to skip when it
// did not (a file system without the attribute).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Refuses() const;

private:
    std::filesystem::path Folder;
    bool Immutable = false;
};

} // namespace quillara::testing
