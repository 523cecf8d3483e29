#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string_view>

namespace quillara::tool {

// A file the tool was to write could not be: the fault is the output's, not what was read.
class TOutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file the tool writes where the user asked (-o, a new book's files): made beside its place
// under a name of its own, exclusively (a link planted anywhere is never written through), and
// renamed into place only when it is whole on the disk; until then whatever was there is left
// as it was, and a file left unfinished is removed, now or, after a kill, by the next write of
// the file. A file replaced keeps its permissions.
// Raises naming the file and the reason, for a place that holds anything but a file too.
class TOutputFile {
public:
    explicit TOutputFile(std::filesystem::path path);
    ~TOutputFile();
    TOutputFile(const TOutputFile&) = delete;
    TOutputFile& operator=(const TOutputFile&) = delete;

    std::ostream& Stream();
    // Puts the file in its place; raises when any write failed or it cannot be put there.
    void Commit();

private:
    class TBuffer;
    std::filesystem::path Path;
    std::string Temp;
    std::unique_ptr<TBuffer> Buffer;
    std::unique_ptr<std::ostream> Out;
};

} // namespace quillara::tool
