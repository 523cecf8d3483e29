#include "output_file.h"

#include "core/scores/file_replace.h"
#include "tool_file_ops.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <streambuf>
#include <sys/stat.h>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

TOutputError CannotWrite(const fs::path& path, const std::string& why) {
    return TOutputError(path.string() + ": cannot write it: " + why);
}

std::string FolderProblem(const fs::path& path) {
    const int error = errno;
    const fs::path folder = fs::absolute(path).parent_path();
    std::error_code ignored;
    if (!fs::is_directory(folder, ignored))
        return "there is no folder \"" + folder.string() + "\"; make it first";
    return std::strerror(error);
}

} // namespace

// Writes through the tool's file steps, remembering the first failure.
class TOutputFile::TBuffer : public std::streambuf {
public:
    explicit TBuffer(int fd) : Fd(fd) { setp(Bytes.data(), Bytes.data() + Bytes.size()); }

    int Fd;
    int Error = 0;

    bool Drain() {
        const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(Bytes.data(), Bytes.data() + Bytes.size());
        if (Error == 0 && !pending.empty() && !ToolFileOps().write(Fd, pending)) Error = errno;
        return Error == 0;
    }

protected:
    int_type overflow(int_type c) override {
        if (!Drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    std::array<char, 64 * 1024> Bytes{};
};

TOutputFile::TOutputFile(fs::path path) : Path(std::move(path)) {
    struct stat st {};
    const bool exists = ::lstat(Path.c_str(), &st) == 0;
    // A link is replaced, never written through; one to a device or a pipe (/dev/stdout) is
    // refused as the device itself would be.
    struct stat target {};
    const bool linkToOther = exists && S_ISLNK(st.st_mode) && ::stat(Path.c_str(), &target) == 0 &&
                             !S_ISREG(target.st_mode);
    if (exists && ((!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) || linkToOther))
        throw CannotWrite(Path, "it is not a file");
    // What an earlier run killed while writing this file left beside it goes first.
    RemoveLeftovers(Path.string(), ToolFileOps());
    const int fd = CreateSibling(Path.string(), ToolFileOps(), Temp);
    if (fd < 0) throw CannotWrite(Path, FolderProblem(Path));
    Buffer = std::make_unique<TBuffer>(fd);
    Out = std::make_unique<std::ostream>(Buffer.get());
    if (exists && S_ISREG(st.st_mode) && !ToolFileOps().setMode(fd, st.st_mode & 07777))
        Buffer->Error = errno;
}

TOutputFile::~TOutputFile() {
    if (!Buffer) return;
    ToolFileOps().close(Buffer->Fd);
    ToolFileOps().remove(Temp);
}

std::ostream& TOutputFile::Stream() {
    return *Out;
}

void TOutputFile::Commit() {
    TSaveFileOps& files = ToolFileOps();
    Out->flush();
    if (Buffer->Drain() && !files.flush(Buffer->Fd)) Buffer->Error = errno;
    const int error = Buffer->Error;
    const bool closed = files.close(Buffer->Fd);
    const int closeError = errno;
    Buffer->Fd = -1;
    const auto fail = [&](int why) {
        files.remove(Temp);
        Buffer.reset();
        throw CannotWrite(Path, std::strerror(why));
    };
    if (error != 0) fail(error);
    if (!closed) fail(closeError);
    if (!files.rename(Temp, Path.string())) fail(errno);
    Buffer.reset();
    if (!files.syncDirectory(DirectoryOf(Path.string())))
        throw CannotWrite(Path, std::strerror(errno));
}

} // namespace quillara::tool
