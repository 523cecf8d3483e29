#include "core/scores/score_file.h"

#include "core/book/book_strings.h"
#include "core/io/book_errors.h"
#include "core/scores/damaged_copy.h"
#include "core/scores/file_lock.h"
#include "core/scores/file_replace.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <stdexcept>
#include <unistd.h>
#include <unordered_map>
#include <utility>

namespace quillara {

struct TScoreHistory::TFileRead {
    TUniqueFd Fd;
    TFileIdentity Identity;
    // The file's bytes and the scores read from them.
    std::unique_ptr<TScoreBlock> Scores;
    // Every byte of the file was read.
    bool Whole = true;
    // Why nothing was read: the file is larger than any score file, or is one of those below.
    std::string Refused;
    // What is there is no score file of ours to keep or replace: not a regular file, or, reached
    // through a symbolic link, a file that does not read as a whole score file. It is left as it
    // is, and the history takes nothing from it.
    bool Foreign = false;

    // Every byte was read, and every score in them.
    bool complete() const { return Whole && !Scores->damage(); }
};

namespace {

// Whether the two scores are written as the same record, without writing them.
bool SameRecord(const TScore& a, const TScore& b) {
    const auto written = [](std::string_view text) {
        return TrimRight(text.substr(0, ShortStringLimit));
    };
    if (std::bit_cast<std::uint64_t>(a.date) != std::bit_cast<std::uint64_t>(b.date) ||
        a.detailCount() != b.detailCount() || written(a.description()) != written(b.description()))
        return false;
    for (int d = 0; d < a.detailCount(); ++d) {
        const TScoreDetail& x = a.detail(d);
        const TScoreDetail& y = b.detail(d);
        if (x.chapter != y.chapter || x.correct != y.correct || x.incorrect != y.incorrect)
            return false;
    }
    return true;
}

// What two equal scores have in common: the record the file holds for them.
std::string RecordOf(const TScore& score) {
    TByteWriter out;
    score.write(out);
    return out.Take();
}

// Reads the rest of an open file into `bytes`: `expected` bytes, or more for a file that grows
// meanwhile, but never more than a score file can hold. False when the read stopped short of the
// end; what was read before still gives its complete scores.
bool ReadWhole(int fd, std::size_t expected, std::string& bytes) {
    bytes.resize(std::min<std::uint64_t>(expected, MaxScoreFileSize) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > MaxScoreFileSize) {
                bytes.resize(MaxScoreFileSize);
                return false;
            }
            bytes.resize(std::min<std::uint64_t>(2 * done, MaxScoreFileSize + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            bytes.resize(done);
            return n == 0;
        }
    }
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

} // namespace

bool TScoreHistory::loadScores(const std::string& saveDirectory, TSaveFileOps& files) {
    const std::string named = saveDirectory + ScoreFileName;
    const std::string path = ResolveLinks(named);
    FileRefused = false;
    auto read = readFile(named, path);
    if (!read) return false;
    TFileLock lock;
    bool locked = false;
    if (!read->complete() && !read->Foreign) {
        // Look again with saves held off, so that none replaces the file before it is kept.
        locked = lock.Take(path);
        if (auto again = locked ? readFile(named, path) : std::nullopt) read = std::move(again);
    }
    const std::size_t count = read->Scores->scores().size();
    const bool whole = read->complete();
    const bool kept = whole || keepDamaged(named, path, *read, locked, files);
    replaceWith(std::move(read->Scores));
    if (kept)
        InFile = TFileState{path, read->Identity, std::move(read->Fd), count, whole};
    else
        InFile.reset();
    return whole;
}

bool TScoreHistory::saveScores(const std::string& saveDirectory, TSaveFileOps& files) {
    const std::string named = saveDirectory + ScoreFileName;
    const std::string path = ResolveLinks(named);
    FileRefused = false;
    // Start-up saves on close and again at exit; the second finds nothing to do.
    if (fileUnchanged(path) && fileHoldsAll()) return true;
    // Taking in the file's scores only adds to these; the file can never count them.
    if (Scores.size() > static_cast<std::size_t>(MaxScoreCount)) return false;

    TFileLock lock;
    if (!lock.Take(path)) return false;
    RemoveLeftovers(path, files);
    try {
        if (!fileUnchanged(path) && !TakeInFile(named, path, files)) return false;
        if (fileHoldsAll()) return true;
        if (!ReplaceFile(path, writeScores(), files)) return false;
    } catch (const std::length_error&) {
        return false;
    }
    Synced = Scores.size();
    // Opened again to be held: with the lock still ours, this is the file just written.
    TUniqueFd written(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    const auto identity = written ? IdentityOf(written.get()) : std::nullopt;
    if (identity)
        InFile = TFileState{path, *identity, std::move(written), Scores.size(), true};
    else
        InFile.reset();
    return true;
}

std::optional<TDamagedScoreFile> TScoreHistory::TakeDamagedFile() {
    return std::exchange(Damaged, std::nullopt);
}

bool TScoreHistory::fileUnchanged(const std::string& path) const {
    return InFile && InFile->Path == path && IdentityOf(path) == InFile->Identity;
}

// Called with the lock held, for a file that changed since this history last read or wrote it.
// False when there is a file that cannot be read, or one that is damaged and cannot be kept:
// neither is to be written over.
bool TScoreHistory::TakeInFile(const std::string& named, const std::string& path,
                               TSaveFileOps& files) {
    auto read = readFile(named, path);
    if (!read) {
        if (errno != ENOENT) return false;
        InFile.reset();
        Synced = 0;
        return true;
    }
    const std::size_t count = read->Scores->scores().size();
    const bool whole = read->complete();
    if (!whole && !keepDamaged(named, path, *read, true, files)) return false;
    TakeIn(*read->Scores);
    InFile = TFileState{path, read->Identity, std::move(read->Fd), count, whole};
    return true;
}

// The history becomes the file's scores, then those it last saw in the file that the file has lost
// since, then every attempt added since it last read or wrote the file. Scores are counted, not
// merely compared: two attempts equal in every field are two attempts, so an attempt of this
// history never stands for an equal one another window saved. One it last saw in the file takes
// the place of an equal one of the file's, so that no score a view may hold is destroyed. Of the
// file's block only the scores the history lacked are kept, copied, so that a save after every
// attempt does not keep a whole file each time.
void TScoreHistory::TakeIn(const TScoreBlock& file) {
    const std::vector<TScore>& fileScores = file.scores();
    const std::size_t synced = std::min(Synced, Scores.size());
    // Mostly the file begins with the scores this history last saw in it, in their order, and
    // only what follows needs looking up.
    std::size_t common = 0;
    while (common < fileScores.size() && common < synced &&
           SameRecord(fileScores[common], *Scores[common]))
        ++common;
    std::unordered_multimap<std::string, std::size_t> seen;
    for (std::size_t i = common; i < synced; ++i)
        seen.emplace(RecordOf(*Scores[i]), i);
    std::vector<const TScore*> merged;
    merged.reserve(fileScores.size() + Scores.size() - common);
    // The file's scores that join the history, and where they stand in the merged order.
    std::vector<const TScore*> taken;
    std::vector<std::size_t> takenAt;
    for (std::size_t i = 0; i < fileScores.size(); ++i) {
        const auto same =
            i < common || seen.empty() ? seen.end() : seen.find(RecordOf(fileScores[i]));
        if (i < common) {
            merged.push_back(std::exchange(Scores[i], nullptr));
        } else if (same == seen.end()) {
            takenAt.push_back(merged.size());
            taken.push_back(&fileScores[i]);
            merged.push_back(nullptr);
        } else {
            merged.push_back(std::exchange(Scores[same->second], nullptr));
            seen.erase(same);
        }
    }
    // Left: those the file lost, then the new attempts, each in its order.
    for (const TScore* score : Scores)
        if (score) merged.push_back(score);
    if (!taken.empty()) {
        const auto& copies = *Blocks.emplace_back(std::make_unique<const TScoreBlock>(taken));
        for (std::size_t k = 0; k < takenAt.size(); ++k)
            merged[takenAt[k]] = &copies.scores()[k];
    }
    Scores = std::move(merged);
    Synced = fileScores.size();
}

// Keeps the damaged file beside it when the lock is held, and has the student told. True when
// it is kept.
bool TScoreHistory::keepDamaged(const std::string& named, const std::string& path, TFileRead& read,
                                bool locked, TSaveFileOps& files) {
    FileRefused = FileRefused || read.Foreign;
    const std::string kept =
        locked && !read.Foreign
            ? KeepDamagedFile(path, read.Identity, read.Scores->bytes(), read.Whole, files)
            : "";
    // The link that keeps it gave the file a new change time, which is no change of ours to see.
    if (const auto linked = IdentityOf(read.Fd.get()); linked && !kept.empty())
        read.Identity = *linked;
    if (!kept.empty() || UnkeptDamage != read.Identity)
        Damaged = TDamagedScoreFile{Absolute(named), kept.empty() ? kept : Absolute(kept),
                                    read.Scores->scores().size(), read.Refused};
    if (kept.empty())
        UnkeptDamage = read.Identity;
    else
        UnkeptDamage.reset();
    return !kept.empty();
}

std::optional<TScoreHistory::TFileRead> TScoreHistory::readFile(const std::string& named,
                                                                 const std::string& path) {
    // Without O_NONBLOCK a FIFO would hold the program here until something wrote to it.
    TUniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd) return std::nullopt;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return std::nullopt;
    // Taken before reading: a change while reading then shows as a change at the next save.
    const auto identity = IdentityOf(fd.get());
    if (!identity) return std::nullopt;
    TFileRead read{std::move(fd), *identity, {}, true, {}, false};
    std::string bytes;
    if (!S_ISREG(info.st_mode)) {
        read.Whole = false;
        read.Foreign = true;
        read.Refused = "\"" + Absolute(path) + "\" is not a regular file";
    } else if (static_cast<std::uint64_t>(identity->Size) > MaxScoreFileSize) {
        // Refused unread, it goes the way of a damaged file: kept aside, never written over
        // unkept.
        read.Whole = false;
        read.Refused =
            TFileTooLargeError(Absolute(path), static_cast<std::uint64_t>(identity->Size),
                               MaxScoreFileSize)
                .what();
    } else {
        read.Whole = ReadWhole(read.Fd.get(), static_cast<std::size_t>(identity->Size), bytes);
    }
    read.Scores = std::make_unique<TScoreBlock>(std::move(bytes), path);
    // A link may lead anywhere: a file there that is no whole score file may be anything of the
    // student's, and is neither kept aside nor replaced, nor read into the history.
    if (!read.Foreign && named != path && !read.complete()) {
        read.Foreign = true;
        if (read.Refused.empty())
            read.Refused = "\"" + Absolute(path) + "\", where the link " + Absolute(named) +
                           " leads, is not a score file";
        read.Scores = std::make_unique<TScoreBlock>(std::string(), path);
    }
    return read;
}

bool TScoreHistory::readScores(std::string_view bytes, const std::string& fileName) {
    auto block = std::make_unique<const TScoreBlock>(std::string(bytes), fileName);
    const bool complete = !block->damage();
    replaceWith(std::move(block));
    InFile.reset();
    return complete;
}

std::string TScoreHistory::writeScores() const {
    if (Scores.size() > static_cast<std::size_t>(MaxScoreCount))
        throw std::length_error("the history holds more scores than the score file can count");
    TByteWriter out;
    out.WriteInt16(static_cast<std::int16_t>(Scores.size()));
    for (const auto& score : Scores)
        score->write(out);
    return out.Take();
}

bool TScoreHistory::AddAttempt(std::unique_ptr<TScore> score) {
    if (!score || score->totalAnswered() <= 0) return false;
    Scores.push_back(score.get());
    Attempts.push_back(std::move(score));
    return true;
}

void TScoreHistory::clear() {
    Scores.clear();
    Blocks.clear();
    Attempts.clear();
    InFile.reset();
    Synced = 0;
}

void TScoreHistory::replaceWith(std::unique_ptr<const TScoreBlock> block) {
    Scores.clear();
    Attempts.clear();
    Blocks.clear();
    Scores.reserve(block->scores().size());
    for (const TScore& score : block->scores())
        Scores.push_back(&score);
    Synced = Scores.size();
    Blocks.push_back(std::move(block));
}

TScoreHistory ReadScoreFile(std::string_view bytes, const std::string& fileName) {
    TScoreHistory history;
    history.readScores(bytes, fileName);
    if (const auto damage = history.Blocks.front()->damage()) std::rethrow_exception(damage);
    return history;
}

} // namespace quillara
