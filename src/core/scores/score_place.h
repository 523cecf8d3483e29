#pragma once

#include "core/scores/score_file.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillara {

// A book title as a folder name: in UTF-8, with separators and control characters replaced, no
// leading or trailing blanks or dots, and "Book" when nothing is left.
std::string SafeFolderName(std::string_view title);

// The student's own folder for a book's scores, ending in "/": the data home ($XDG_DATA_HOME, or
// $HOME/.local/share when that is unset or not absolute), then "quillara/<title as a folder>/".
// Empty when neither variable gives a folder. Books of one title share it; it is where earlier
// versions kept a book's scores when its save directory could not be written.
std::string UserScoresDirectory(std::string_view bookTitle, const char* dataHome, const char* home);

// The student's own folder for one book's scores: as UserScoresDirectory, its name followed by a
// key made from the book folder's real path ("quillara/Bio-1a2b3c4d/"), so that two books in two
// folders never share a history, wherever the program is started from.
std::string BookScoresDirectory(std::string_view bookTitle, const std::filesystem::path& bookFolder,
                                const char* dataHome, const char* home);

// Where the score file may be: the save directory, the student's own folder for the book, and
// the title's folder that earlier versions used. All are prefixes ending in "/", as the save
// directory is; the student's folders may be empty. A save directory that no setting named is the
// current folder.
struct TScoreFolders {
    std::string Save;
    std::string User;
    std::string Legacy = {};
    bool SaveIsDefault = false;
};

// Keeps the score file where it can be written. A book whose settings name a save directory
// keeps its scores there; when that folder refuses writes, or what lies there under the score
// file's name is no score file to write (TScoreHistory::fileRefused: a FIFO, a device, a link to
// some other file), in the user folder instead, and from then on reads them from there. A book
// without one keeps them in the current folder when a score file is there already, else in the
// user folder. Scores found only in the legacy folder are read from it and saved in the user
// folder. Every other rule of the score file (locking, taking in another window's scores,
// keeping a damaged file) holds in every place.
class TScorePlace {
public:
    enum class ESaved { Saved, MovedToUserFolder, Failed };

    // Reads the history from where the rules above put it. As TScoreHistory::loadScores.
    bool Load(TScoreHistory& history, const TScoreFolders& folders,
              TSaveFileOps& files = PosixSaveFileOps());
    // Saves in the folder in use, made if need be. When that is the save directory and its
    // folder refuses writes, or the history refused the file there, the history is saved in the
    // user folder: MovedToUserFolder, once.
    ESaved Save(TScoreHistory& history, const TScoreFolders& folders,
                TSaveFileOps& files = PosixSaveFileOps());
    // The prefix of the score file in use.
    std::string Directory(const TScoreFolders& folders) const {
        return InUserFolder ? folders.User : folders.Save;
    }

private:
    bool InUserFolder = false;
};

} // namespace quillara
