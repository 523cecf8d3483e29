#include "core/book/book_files.h"

#include "core/io/book_errors.h"
#include "core/platform/unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quillara {

namespace fs = std::filesystem;

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::vector<std::string> SplitSegments(std::string_view name) {
    std::vector<std::string> segments;
    std::string current;
    for (char c : name) {
        if (c == '/' || c == '\\') {
            segments.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    segments.push_back(std::move(current));
    return segments;
}

// An entry of a directory and what it is, a symbolic link not followed.
struct TFoundEntry {
    fs::path Path;
    fs::file_status Status;
};

// The entry named exactly, or else the first whose name differs only in case.
std::optional<TFoundEntry> FindEntry(const fs::path& directory, const std::string& segment) {
    std::error_code error;
    fs::path exact = directory / segment;
    if (const fs::file_status status = fs::symlink_status(exact, error); fs::exists(status))
        return TFoundEntry{std::move(exact), status};
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (SameIgnoringCase(it->path().filename().string(), segment))
            return TFoundEntry{it->path(), it->symlink_status(error)};
    }
    return std::nullopt;
}

// Compared by their real paths, so that a symbolic link anywhere on the way counts for where it
// leads.
bool InsideDirectory(const fs::path& directory, const fs::path& file) {
    std::error_code error;
    const fs::path root = fs::canonical(directory, error);
    if (error) return false;
    const fs::path real = fs::canonical(file, error);
    if (error) return false;
    const auto [rootEnd, realAt] =
        std::mismatch(root.begin(), root.end(), real.begin(), real.end());
    return rootEnd == root.end() && realAt != real.end();
}

// The bytes of an open file as far as the size it had when opened: a file that grows meanwhile is
// read no further, one that shrinks reads what is left.
std::string ReadOpenFile(int fd, const struct stat& info, const fs::path& path,
                         std::uint64_t maxSize) {
    const auto size = static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0));
    if (size > maxSize) throw TFileTooLargeError(path.string(), size, maxSize);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            throw TFileOpenError("Cannot read file \"" + path.string() + "\"");
        }
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

// The open file and its size, once it is found to be a regular file of at most maxSize bytes.
std::pair<TUniqueFd, struct stat> OpenRegularFile(const fs::path& path, std::uint64_t maxSize) {
    TUniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!fd || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw TFileOpenError("Cannot open file \"" + path.string() + "\"");
    const auto size = static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0));
    if (size > maxSize) throw TFileTooLargeError(path.string(), size, maxSize);
    return {std::move(fd), info};
}

// A name that can only be an entry of the directory itself.
bool PlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\:\0", 4)) == std::string_view::npos;
}

} // namespace

std::optional<fs::path> FindBookFile(const fs::path& directory, std::string_view name) {
    // A NUL would end the name early for the file system, so no book file has one.
    if (name.empty() || name.front() == '/' || name.front() == '\\' ||
        (name.size() > 1 && name[1] == ':') || name.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::vector<std::string> segments = SplitSegments(name);
    fs::path current = directory;
    // Without a symbolic link below the directory, every name found lies inside it; only a link
    // makes the real paths worth comparing.
    bool throughLink = false;
    fs::file_status status;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        std::string segment = segments[i];
        if (segment.empty() || segment == "." || segment == "..") return std::nullopt;
        auto found = FindEntry(current, segment);
        const bool last = i + 1 == segments.size();
        if (!found && last && segment.back() == '.') {
            segment.pop_back();
            found = FindEntry(current, segment);
        }
        if (!found) return std::nullopt;
        current = std::move(found->Path);
        status = found->Status;
        throughLink = throughLink || fs::is_symlink(status);
    }
    // Only a link needs asking again what the file is: what it leads to.
    std::error_code error;
    if (throughLink) {
        if (!fs::is_regular_file(current, error) || !InsideDirectory(directory, current))
            return std::nullopt;
    } else if (!fs::is_regular_file(status)) {
        return std::nullopt;
    }
    return current;
}

TBookFileStream::TBookFileStream(const fs::path& path, std::uint64_t maxSize)
    : std::istream(nullptr), Pieces(OpenRegularFile(path, maxSize).first, path.string()) {
    rdbuf(&Pieces);
}

TBookFileStream::TPieces::TPieces(TUniqueFd fd, std::string fileName)
    : Fd(std::move(fd)), Name(std::move(fileName)) {}

TBookFileStream::TPieces::int_type TBookFileStream::TPieces::underflow() {
    for (;;) {
        const ssize_t n = ::read(Fd.get(), Piece.data(), Piece.size());
        if (n > 0) {
            setg(Piece.data(), Piece.data(), Piece.data() + n);
            return traits_type::to_int_type(Piece[0]);
        }
        if (n == 0) return traits_type::eof();
        // The stream turns this into its bad state, which its reader reports.
        if (errno != EINTR) throw TFileOpenError("Cannot read file \"" + Name + "\"");
    }
}

std::streamsize TBookFileStream::TPieces::xsgetn(char* to, std::streamsize count) {
    std::streamsize done = std::min<std::streamsize>(egptr() - gptr(), count);
    if (done > 0) {
        std::memcpy(to, gptr(), static_cast<std::size_t>(done));
        setg(eback(), gptr() + done, egptr());
    }
    while (done < count) {
        const ssize_t n = ::read(Fd.get(), to + done, static_cast<std::size_t>(count - done));
        if (n > 0) {
            done += n;
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            // As underflow: the stream turns this into its bad state.
            throw TFileOpenError("Cannot read file \"" + Name + "\"");
        }
    }
    return done;
}

TBookFileStream::TPieces::pos_type TBookFileStream::TPieces::seekoff(off_type offset,
                                                                     std::ios_base::seekdir from,
                                                                     std::ios_base::openmode) {
    // The piece held is read ahead of the stream's place.
    if (from == std::ios_base::cur) offset -= egptr() - gptr();
    const int whence = from == std::ios_base::beg   ? SEEK_SET
                       : from == std::ios_base::cur ? SEEK_CUR
                                                    : SEEK_END;
    const off_t place = ::lseek(Fd.get(), static_cast<off_t>(offset), whence);
    if (place < 0) return pos_type(off_type(-1));
    setg(Piece.data(), Piece.data(), Piece.data());
    return pos_type(static_cast<off_type>(place));
}

TBookFileStream::TPieces::pos_type
TBookFileStream::TPieces::seekpos(pos_type place, std::ios_base::openmode which) {
    return seekoff(off_type(place), std::ios_base::beg, which);
}

std::string ReadWholeFile(const fs::path& path, std::uint64_t maxSize) {
    const auto [fd, info] = OpenRegularFile(path, maxSize);
    return ReadOpenFile(fd.get(), info, path, maxSize);
}

fs::path RequireBookFile(const fs::path& directory, std::string_view name) {
    auto path = FindBookFile(directory, name);
    if (!path)
        throw TFileOpenError("Cannot open file \"" + (directory / std::string(name)).string() +
                             "\"");
    return *path;
}

std::string ReadBookFile(const fs::path& directory, std::string_view name, std::uint64_t maxSize) {
    // Most book files lie in the directory under their own name. Opened as named, without
    // following a link and without waiting on what is not a regular file, such a file needs no
    // search: what the search would check, the open file tells. Anything else is searched for.
    if (PlainName(name)) {
        const fs::path exact = directory / name;
        const int fd = ::open(exact.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd >= 0) {
            const TUniqueFd held(fd);
            struct stat info {};
            if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
                return ReadOpenFile(fd, info, exact, maxSize);
        }
    }
    return ReadWholeFile(RequireBookFile(directory, name), maxSize);
}

} // namespace quillara
