#pragma once

#include "scores/score_file.h"

#include <string>
#include <string_view>

namespace quillara {

// A book title as a folder name: in UTF-8, with separators and control characters replaced, no
// leading or trailing blanks or dots, and "Book" when nothing is left.
std::string SafeFolderName(std::string_view title);

// The student's own folder for a book's scores, ending in "/": the data home ($XDG_DATA_HOME, or
// $HOME/.local/share when that is unset or not absolute), then "quillara/<title as a folder>/".
// Empty when neither variable gives a folder.
std::string UserScoresDirectory(std::string_view bookTitle, const char* dataHome, const char* home);

// Where the score file may be: the save directory, and the student's own folder for a book
// whose save directory cannot be written (an installed book's folder is read-only). Both are
// prefixes ending in "/", as the save directory is; the user folder may be empty.
struct TScoreFolders {
    std::string Save;
    std::string User;
};

// Keeps the score file where it can be written. Scores are saved in the save directory; when
// its folder refuses writes, or what lies there under the score file's name is no score file to
// write (TScoreHistory::fileRefused: a FIFO, a device, a link to some other file), in the user
// folder instead, and from then on read from there. Every
// other rule of the score file (locking, taking in another window's scores, keeping a damaged
// file) holds in either place.
class TScorePlace {
public:
    enum class ESaved { Saved, MovedToUserFolder, Failed };

    // Reads the history from the save directory's file, or from the user folder's when there is
    // one there and the save directory has none, cannot be written or holds no score file to
    // write. As TScoreHistory::loadScores.
    bool load(TScoreHistory& history, const TScoreFolders& folders,
              TSaveFileOps& files = PosixSaveFileOps());
    // Saves where the history was read. When that is the save directory and its folder refuses
    // writes, or the history refused the file there, the history is saved in the user folder,
    // made if need be: MovedToUserFolder, once.
    ESaved save(TScoreHistory& history, const TScoreFolders& folders,
                TSaveFileOps& files = PosixSaveFileOps());
    // The prefix of the score file in use.
    std::string directory(const TScoreFolders& folders) const {
        return InUserFolder ? folders.User : folders.Save;
    }

private:
    bool InUserFolder = false;
};

} // namespace quillara
