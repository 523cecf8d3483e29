#pragma once

#include "scores/score.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

// The file-system steps of saving the score file, so that a test can make any one of them fail.
// Failures are reported as the system calls report them: false (or -1) with errno set.
class TSaveFileOps {
public:
    virtual ~TSaveFileOps() = default;
    // Creates a file that must not exist yet (errno EEXIST when it does); a descriptor or -1.
    virtual int createNew(const std::string& path) = 0;
    // Writes every byte or fails.
    virtual bool write(int fd, std::string_view bytes) = 0;
    // Pushes the file's data to the disk.
    virtual bool flush(int fd) = 0;
    virtual bool close(int fd) = 0;
    virtual bool link(const std::string& existing, const std::string& newPath) = 0;
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    virtual bool syncDirectory(const std::string& directory) = 0;
    virtual bool remove(const std::string& path) = 0;
};

// The real file system.
TSaveFileOps& PosixSaveFileOps();

constexpr const char* ScoreFileName = "SCORES.SAV";

// Every attempt of the student, oldest first. The history owns its scores; views keep references
// to them, which stay valid while the history grows.
class TScoreHistory {
public:
    // Replaces the history with the file save directory + "SCORES.SAV". False when the file is
    // absent or cannot be opened (the history is then left as it was), and when it is damaged:
    // the scores read completely are kept and a partly read one is dropped.
    bool loadScores(const std::string& saveDirectory);
    // Writes the whole history to save directory + "SCORES.SAV". The new file replaces the old
    // one only once it is complete on disk; on any failure the old file is left as it was.
    bool saveScores(const std::string& saveDirectory,
                    TSaveFileOps& files = PosixSaveFileOps()) const;

    // Replaces the history with the scores in the bytes of a score file, as loadScores does.
    bool readScores(std::string_view bytes, const std::string& fileName);
    // The bytes of the score file. Raises std::length_error for a history, or a score, too long
    // for the file's 16-bit counts.
    std::string writeScores() const;

    // Appends a finished attempt if anything was answered and destroys it otherwise; true when
    // it was appended.
    bool addAttempt(std::unique_ptr<TScore> score);

    std::size_t size() const { return Scores.size(); }
    bool empty() const { return Scores.empty(); }
    // Raises std::out_of_range for an index outside the history.
    const TScore& at(std::size_t index) const { return *Scores.at(index); }
    void clear() {
        Scores.clear();
        ++Revision;
    }

private:
    friend TScoreHistory ReadScoreFile(std::string_view bytes, const std::string& fileName);
    // Appends the scores of the file as they are read; raises when the file ends inside one.
    void appendFrom(std::string_view bytes, const std::string& fileName);

    // The score file as this history last read or wrote it, so that saving scores the file
    // already holds writes nothing (start-up saves on close and again at exit).
    struct TFileState {
        std::string Path;
        std::filesystem::file_time_type Time;
        std::uintmax_t Size = 0;
        std::uint64_t Revision = 0;
    };
    std::optional<TFileState> StateOf(const std::string& path) const;

    std::vector<std::unique_ptr<TScore>> Scores;
    std::uint64_t Revision = 0; // grows with every change of the scores
    mutable std::optional<TFileState> InFile;
};

// Reads a whole score file, raising TTruncatedFileError when it ends inside a record.
TScoreHistory ReadScoreFile(std::string_view bytes, const std::string& fileName);

} // namespace quillara
