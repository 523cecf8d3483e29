#include "scores/score_file.h"

#include "book/book_strings.h"
#include "io/book_errors.h"
#include "scores/damaged_copy.h"
#include "scores/file_lock.h"
#include "scores/file_replace.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>
#include <unordered_map>
#include <utility>

namespace quillara {

struct TScoreHistory::TFileRead {
    TUniqueFd Fd;
    TFileIdentity Identity;
    std::string Bytes;
    // Every byte of the file was read.
    bool Whole = true;
    // Why nothing was read: the file is larger than any score file.
    std::string Refused;
};

namespace {

using TScoreList = std::vector<std::unique_ptr<TScore>>;

// Appends the scores of a score file as they are read; raises when the file ends inside one.
void AppendScores(std::string_view bytes, const std::string& fileName, TScoreList& scores) {
    TByteReader in(bytes, fileName);
    const std::int16_t count = in.ReadInt16("score count");
    // A record takes at least its detail count, date and description length: a damaged count
    // reserves no more than the bytes left can fill.
    scores.reserve(scores.size() +
                   std::min<std::size_t>(std::max<int>(count, 0), in.Remaining() / 11));
    for (int i = 0; i < count; ++i)
        scores.push_back(std::make_unique<TScore>(in));
}

struct TParsedScores {
    TScoreList Scores;
    bool Complete = true;
};

// The complete scores of a score file, and whether that was all of it.
TParsedScores ParseScores(std::string_view bytes, const std::string& fileName) {
    TParsedScores parsed;
    try {
        AppendScores(bytes, fileName, parsed.Scores);
    } catch (const TBookFileError&) {
        parsed.Complete = false;
    }
    return parsed;
}

// Whether the two scores are written as the same record, without writing them.
bool SameRecord(const TScore& a, const TScore& b) {
    const auto written = [](const std::string& text) {
        return TrimRight(std::string_view(text).substr(0, ShortStringLimit));
    };
    if (std::bit_cast<std::uint64_t>(a.date) != std::bit_cast<std::uint64_t>(b.date) ||
        a.detailCount() != b.detailCount() || written(a.description) != written(b.description))
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

std::string Absolute(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

} // namespace

bool TScoreHistory::loadScores(const std::string& saveDirectory, TSaveFileOps& files) {
    const std::string named = saveDirectory + ScoreFileName;
    const std::string path = ResolveLinks(named);
    auto read = readFile(path);
    if (!read) return false;
    auto parsed = ParseScores(read->Bytes, path);
    TFileLock lock;
    bool locked = false;
    if (!(parsed.Complete && read->Whole)) {
        // Look again with saves held off, so that none replaces the file before it is kept.
        locked = lock.take(path);
        if (auto again = locked ? readFile(path) : std::nullopt) {
            read = std::move(again);
            parsed = ParseScores(read->Bytes, path);
        }
    }
    const std::size_t count = parsed.Scores.size();
    Scores = std::move(parsed.Scores);
    const bool whole = parsed.Complete && read->Whole;
    if (whole || keepDamaged(named, path, *read, count, locked, files))
        InFile = TFileState{path, read->Identity, std::move(read->Fd), count, whole};
    else
        InFile.reset();
    return whole;
}

bool TScoreHistory::saveScores(const std::string& saveDirectory, TSaveFileOps& files) {
    const std::string named = saveDirectory + ScoreFileName;
    const std::string path = ResolveLinks(named);
    // Start-up saves on close and again at exit; the second finds nothing to do.
    if (fileUnchanged(path) && fileHoldsAll()) return true;
    // Taking in the file's scores only adds to these; the file can never count them.
    if (Scores.size() > static_cast<std::size_t>(MaxScoreCount)) return false;

    TFileLock lock;
    if (!lock.take(path)) return false;
    RemoveLeftovers(path, files);
    try {
        if (!fileUnchanged(path) && !takeInFile(named, path, files)) return false;
        if (fileHoldsAll()) return true;
        if (!ReplaceFile(path, writeScores(), files)) return false;
    } catch (const std::length_error&) {
        return false;
    }
    // Opened again to be held: with the lock still ours, this is the file just written.
    TUniqueFd written(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    const auto identity = written ? IdentityOf(written.get()) : std::nullopt;
    if (identity)
        InFile = TFileState{path, *identity, std::move(written), Scores.size(), true};
    else
        InFile.reset();
    return true;
}

std::optional<TDamagedScoreFile> TScoreHistory::takeDamagedFile() {
    return std::exchange(Damaged, std::nullopt);
}

bool TScoreHistory::fileUnchanged(const std::string& path) const {
    return InFile && InFile->Path == path && IdentityOf(path) == InFile->Identity;
}

// Called with the lock held, for a file that changed since this history last read or wrote it.
// False when there is a file that cannot be read, or one that is damaged and cannot be kept:
// neither is to be written over.
bool TScoreHistory::takeInFile(const std::string& named, const std::string& path,
                               TSaveFileOps& files) {
    auto read = readFile(path);
    if (!read) {
        if (errno != ENOENT) return false;
        InFile.reset();
        return true;
    }
    auto parsed = ParseScores(read->Bytes, path);
    const std::size_t count = parsed.Scores.size();
    const bool whole = parsed.Complete && read->Whole;
    if (!whole && !keepDamaged(named, path, *read, count, true, files)) return false;
    takeIn(std::move(parsed.Scores));
    InFile = TFileState{path, read->Identity, std::move(read->Fd), count, whole};
    return true;
}

// The history becomes the file's scores followed by its own scores that the file lacks, in their
// order. One of its own equal to one of the file's takes that one's place, so that no score a view
// may hold is destroyed.
void TScoreHistory::takeIn(TScoreList fileScores) {
    // Mostly the file begins with this history's scores in their order, and only what follows
    // needs looking up.
    std::size_t common = 0;
    while (common < fileScores.size() && common < Scores.size() &&
           SameRecord(*fileScores[common], *Scores[common]))
        ++common;
    std::unordered_multimap<std::string, std::size_t> own;
    for (std::size_t i = common; i < Scores.size(); ++i)
        own.emplace(RecordOf(*Scores[i]), i);
    TScoreList merged;
    merged.reserve(fileScores.size() + Scores.size() - common);
    for (std::size_t i = 0; i < fileScores.size(); ++i) {
        const auto same =
            i < common || own.empty() ? own.end() : own.find(RecordOf(*fileScores[i]));
        if (i < common) {
            merged.push_back(std::move(Scores[i]));
        } else if (same == own.end()) {
            merged.push_back(std::move(fileScores[i]));
        } else {
            merged.push_back(std::move(Scores[same->second]));
            own.erase(same);
        }
    }
    for (auto& score : Scores)
        if (score) merged.push_back(std::move(score));
    Scores = std::move(merged);
}

// Keeps the damaged file beside it when the lock is held, and has the student told. True when
// it is kept.
bool TScoreHistory::keepDamaged(const std::string& named, const std::string& path, TFileRead& read,
                                std::size_t scoresRead, bool locked, TSaveFileOps& files) {
    const std::string kept =
        locked ? KeepDamagedFile(path, read.Identity, read.Bytes, read.Whole, files) : "";
    // The link that keeps it gave the file a new change time, which is no change of ours to see.
    if (const auto linked = IdentityOf(read.Fd.get()); linked && !kept.empty())
        read.Identity = *linked;
    if (!kept.empty() || UnkeptDamage != read.Identity)
        Damaged = TDamagedScoreFile{Absolute(named), kept.empty() ? kept : Absolute(kept),
                                    scoresRead, read.Refused};
    if (kept.empty())
        UnkeptDamage = read.Identity;
    else
        UnkeptDamage.reset();
    return !kept.empty();
}

std::optional<TScoreHistory::TFileRead> TScoreHistory::readFile(const std::string& path) {
    TUniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) return std::nullopt;
    // Taken before reading: a change while reading then shows as a change at the next save.
    const auto identity = IdentityOf(fd.get());
    if (!identity) return std::nullopt;
    TFileRead read{std::move(fd), *identity, {}, true, {}};
    // Refused unread, it goes the way of a damaged file: kept aside, never written over unkept.
    if (static_cast<std::uint64_t>(identity->Size) > MaxScoreFileSize) {
        read.Whole = false;
        read.Refused =
            TFileTooLargeError(Absolute(path), static_cast<std::uint64_t>(identity->Size),
                               MaxScoreFileSize)
                .what();
        return read;
    }
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(read.Fd.get(), buffer, sizeof buffer);
        // A file that grows while it is read is read no further than a score file can reach.
        if (n > 0 && read.Bytes.size() + static_cast<std::size_t>(n) > MaxScoreFileSize) {
            read.Whole = false;
            break;
        }
        if (n > 0) {
            read.Bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            // What was read before the error still gives its complete scores.
            read.Whole = false;
            break;
        }
    }
    return read;
}

bool TScoreHistory::readScores(std::string_view bytes, const std::string& fileName) {
    auto parsed = ParseScores(bytes, fileName);
    Scores = std::move(parsed.Scores);
    InFile.reset();
    return parsed.Complete;
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

bool TScoreHistory::addAttempt(std::unique_ptr<TScore> score) {
    if (!score || score->totalAnswered() <= 0) return false;
    Scores.push_back(std::move(score));
    return true;
}

TScoreHistory ReadScoreFile(std::string_view bytes, const std::string& fileName) {
    TScoreHistory history;
    AppendScores(bytes, fileName, history.Scores);
    return history;
}

} // namespace quillara
