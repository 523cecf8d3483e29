#pragma once

#include "core/book/book_strings.h"
#include "core/platform/file_identity.h"
#include "core/platform/unique_fd.h"
#include "core/scores/save_file_ops.h"
#include "core/scores/score.h"
#include "core/scores/score_block.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

constexpr const char* ScoreFileName = "SCORES.SAV";

// The most a score file may be. Its layout would allow 6 GB; the most scores it can count, each a
// test over all 255 chapters with the longest description, take 59 MB.
constexpr std::uint64_t MaxScoreFileSize = 64ull << 20;

// A score file that did not load completely, as the student is to be told of it.
struct TDamagedScoreFile {
    // The score file, as an absolute path.
    std::string Path;
    // The file as it was, kept beside it; empty when no copy could be made.
    std::string KeptAs;
    // How many complete scores could be read from it.
    std::size_t ScoresRead = 0;
    // Why none of it was read, for a file larger than any score file; empty when it was read.
    std::string Refused;
};

// Every attempt of the student, oldest first. The history owns its scores; views keep references
// to them, which stay valid while the history grows and when a save takes in another window's
// scores.
//
// Scores live where they were made and never move: those read from a file in the block read
// from it (its bytes, one array of details, one of scores: see score_block.h), those a save takes
// in from another window in a block of copies, and added attempts in their own heap blocks. The
// order is a separate list of pointers, which a merge rearranges without touching a score.
class TScoreHistory {
public:
    // Replaces the history with the file save directory + "SCORES.SAV". False when the file is
    // absent or cannot be opened (the history is then left as it was), and when it is damaged:
    // the scores read completely are kept, a partly read one is dropped, and the file as it was
    // is kept beside it before anything can replace it (see TakeDamagedFile). Never waits on
    // what is not a regular file: see fileRefused.
    bool loadScores(const std::string& saveDirectory, TSaveFileOps& files = PosixSaveFileOps());
    // Writes the history to save directory + "SCORES.SAV" (through a symbolic link to the file it
    // names), taking turns with other programs that save the same file. When the file changed
    // since this history last read or wrote it, the history first becomes the file's scores,
    // then those it last saw there that the file has lost, then every attempt added since, in
    // order, so that no window loses another's attempts and equal attempts are each kept; a
    // damaged file is kept first, as a load does, and one that cannot be kept is not replaced. The new file replaces the old one only once it is complete on disk; on any failure
    // the old file is left as it was. A file that already holds every score is left alone.
    bool saveScores(const std::string& saveDirectory, TSaveFileOps& files = PosixSaveFileOps());
    // The damaged score file that the last load or save met, until the student has been told of
    // it: taking it clears it, so that each is told once.
    std::optional<TDamagedScoreFile> TakeDamagedFile();
    // Whether the last load or save found, where the score file should be, something that is no
    // score file of ours: not a regular file (a FIFO or a device), or a symbolic link to a file
    // that does not read as a whole score file. That is left untouched, unread and unkept, and a
    // save there fails; the student is told of it as of a damaged file.
    bool fileRefused() const { return FileRefused; }

    // Replaces the history with the scores in the bytes of a score file, as loadScores does.
    bool readScores(std::string_view bytes, const std::string& fileName);
    // The bytes of the score file. Raises std::length_error for a history, or a score, too long
    // for the file's 16-bit counts.
    std::string writeScores() const;

    // Appends a finished attempt if anything was answered and destroys it otherwise; true when
    // it was appended.
    bool AddAttempt(std::unique_ptr<TScore> score);

    std::size_t size() const { return Scores.size(); }
    bool empty() const { return Scores.empty(); }
    // Raises std::out_of_range for an index outside the history.
    const TScore& at(std::size_t index) const { return *Scores.at(index); }
    void clear();

private:
    friend TScoreHistory ReadScoreFile(std::string_view bytes, const std::string& fileName);

    // The score file as this history last read or wrote it: the history begins with the file's
    // scores. Holding the file open keeps its inode from passing to another file, so a file with
    // the same identity is this very version of it.
    struct TFileState {
        std::string Path;
        TFileIdentity Identity;
        TUniqueFd Held;
        std::size_t Count = 0;
        // False for a damaged file, which holds more than its complete scores.
        bool Whole = true;
    };
    // A score file as read: the file, open, and what was read of it.
    struct TFileRead;
    // Nothing, with errno set, when the file cannot be opened.
    // `named` is the score file's name, `path` where its links lead.
    static std::optional<TFileRead> readFile(const std::string& named, const std::string& path);
    bool fileUnchanged(const std::string& path) const;
    bool fileHoldsAll() const { return InFile && InFile->Whole && InFile->Count == Scores.size(); }
    bool TakeInFile(const std::string& named, const std::string& path, TSaveFileOps& files);
    void TakeIn(const TScoreBlock& file);
    bool keepDamaged(const std::string& named, const std::string& path, TFileRead& read,
                     bool locked, TSaveFileOps& files);
    // The history becomes the scores of the block, which it keeps.
    void replaceWith(std::unique_ptr<const TScoreBlock> block);

    // The order, oldest first.
    std::vector<const TScore*> Scores;
    // Where the scores live.
    std::vector<std::unique_ptr<const TScoreBlock>> Blocks;
    std::vector<std::unique_ptr<TScore>> Attempts;
    std::optional<TFileState> InFile;
    // The first Synced scores are those this history last read from or wrote to the file; those
    // after are attempts the file has not had from it.
    std::size_t Synced = 0;
    std::optional<TDamagedScoreFile> Damaged;
    // A damaged file the student has been told could not be kept: told once, not at every save.
    std::optional<TFileIdentity> UnkeptDamage;
    bool FileRefused = false;
};

// Reads a whole score file, raising TTruncatedFileError when it ends inside a record, and
// TBookFileError for a negative count or bytes after the counted records.
TScoreHistory ReadScoreFile(std::string_view bytes, const std::string& fileName);

} // namespace quillara
