#include "core/scores/score_place.h"

#include "core/scores/file_replace.h"
#include "core/text/windows1252.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quillara {

namespace {

namespace fs = std::filesystem;

// A file name holds at most 255 bytes.
constexpr std::size_t MaxFolderName = 255;
constexpr const char* FallbackFolderName = "Book";

bool UnsafeInFolderName(unsigned char c) {
    return c < 0x20 || c == 0x7f ||
           std::string_view("/\\:*?\"<>|").find(char(c)) != std::string_view::npos;
}

// Whether a score file, or a link for one, is there.
bool HasScoreFile(const std::string& directory) {
    std::error_code error;
    return fs::symlink_status(directory + ScoreFileName, error).type() != fs::file_type::not_found;
}

// Whether the folder the score file is in refuses to be written: a read-only file system or
// folder. A folder that is not there does not count: that is a mistake of the settings.
bool RefusesWrites(const std::string& directory) {
    const std::string folder = DirectoryOf(ResolveLinks(directory + ScoreFileName));
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0) return false;
    return errno == EACCES || errno == EPERM || errno == EROFS;
}

// Makes the folder and those above it that are missing, private to the student.
bool MakeFolders(const std::string& directory) {
    fs::path made;
    for (const fs::path& part : fs::path(directory)) {
        made /= part;
        if (part.empty() || part == made.root_path()) continue;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    std::error_code error;
    return fs::is_directory(directory, error);
}

// Cuts UTF-8 text to at most `size` bytes, at the start of a character.
void CutAtCharacter(std::string& text, std::size_t size) {
    if (text.size() <= size) return;
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
        --size;
    text.resize(size);
}

// FNV-1a: stable from one run and one machine to the next, unlike std::hash.
std::uint32_t StableHash(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

std::string DataHome(const char* dataHome, const char* home) {
    if (dataHome && dataHome[0] == '/') return dataHome;
    if (home && home[0] != '\0') return std::string(home) + "/.local/share";
    return {};
}

} // namespace

std::string SafeFolderName(std::string_view title) {
    std::string name = Windows1252ToUtf8(title);
    for (char& c : name)
        if (UnsafeInFolderName(static_cast<unsigned char>(c))) c = '-';
    CutAtCharacter(name, MaxFolderName);
    // A leading dot would hide the folder, and "." or ".." are not folders of their own.
    const std::size_t first = name.find_first_not_of(" .");
    if (first == std::string::npos) return FallbackFolderName;
    return name.substr(first, name.find_last_not_of(" .") - first + 1);
}

std::string UserScoresDirectory(std::string_view bookTitle, const char* dataHome,
                                const char* home) {
    const std::string base = DataHome(dataHome, home);
    if (base.empty()) return {};
    return base + "/quillara/" + SafeFolderName(bookTitle) + "/";
}

std::string BookScoresDirectory(std::string_view bookTitle, const fs::path& bookFolder,
                                const char* dataHome, const char* home) {
    const std::string base = DataHome(dataHome, home);
    if (base.empty()) return {};
    std::error_code error;
    fs::path real = fs::weakly_canonical(fs::absolute(bookFolder, error), error);
    if (error) real = fs::absolute(bookFolder, error).lexically_normal();
    char key[10];
    std::snprintf(key, sizeof key, "-%08x", StableHash(real.string()));
    std::string name = SafeFolderName(bookTitle);
    CutAtCharacter(name, MaxFolderName - (sizeof key - 1));
    return base + "/quillara/" + name + key + "/";
}

bool TScorePlace::Load(TScoreHistory& history, const TScoreFolders& folders, TSaveFileOps& files) {
    const bool inUser = !folders.User.empty() && HasScoreFile(folders.User);
    const bool inLegacy = !folders.Legacy.empty() && HasScoreFile(folders.Legacy);
    if (folders.SaveIsDefault)
        InUserFolder = !folders.User.empty() && !HasScoreFile(folders.Save);
    else // A save directory that cannot be written has had its scores saved in the user folder.
        InUserFolder =
            (inUser || inLegacy) && (!HasScoreFile(folders.Save) || RefusesWrites(folders.Save));
    if (InUserFolder && !inUser && inLegacy) return history.loadScores(folders.Legacy, files);
    const bool loaded = history.loadScores(Directory(folders), files);
    if (InUserFolder || !history.fileRefused() || !inUser) return loaded;
    // What the save directory holds is no score file to write (see fileRefused), so the scores
    // have gone to the user folder before, and the student was told then.
    history.TakeDamagedFile();
    InUserFolder = true;
    return history.loadScores(folders.User, files);
}

TScorePlace::ESaved TScorePlace::Save(TScoreHistory& history, const TScoreFolders& folders,
                                      TSaveFileOps& files) {
    if (InUserFolder && !MakeFolders(folders.User)) return ESaved::Failed;
    if (history.saveScores(Directory(folders), files)) return ESaved::Saved;
    if (InUserFolder || folders.User.empty() ||
        !(history.fileRefused() || RefusesWrites(folders.Save)))
        return ESaved::Failed;
    if (!MakeFolders(folders.User) || !history.saveScores(folders.User, files))
        return ESaved::Failed;
    InUserFolder = true;
    return ESaved::MovedToUserFolder;
}

} // namespace quillara
