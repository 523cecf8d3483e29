#include "core/scores/book_replace.h"

#include "core/scores/file_replace.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quillara {

namespace {

constexpr const char* JournalHeader = "quillara book journal 1";
constexpr TSiblingTags ChangeTags{"replacing", "replaced"};
// Far more than the steps of any book's replacement take.
constexpr std::uintmax_t MaxJournalSize = 1 << 20;

enum class TStepKind { Put, Add, Remove };

// One file's switch: Put replaces a file kept as Kept by Temp, Add makes a file from Temp,
// Remove removes a file kept as Kept.
struct TStep {
    TStepKind Kind = TStepKind::Put;
    std::string Name;
    std::string Temp;
    std::string Kept;
};

struct TJournal {
    pid_t Owner = 0;
    bool Undoing = false;
    std::vector<TStep> Steps;
};

std::string Reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool RemoveIfThere(const std::string& path, TSaveFileOps& files) {
    return path.empty() || !Exists(path) || files.remove(path);
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\t\n\0", 4)) == std::string::npos;
}

class TFolder {
public:
    TFolder(std::string folder, TSaveFileOps& files) : Folder(std::move(folder)), Files(files) {}

    std::string Path(const std::string& name) const { return Folder + "/" + name; }
    std::string JournalPath() const { return Path(BookJournalName); }

    // The new file's name in the folder, written whole with `mode` when given.
    std::string WriteNew(const std::string& name, std::string_view bytes,
                         std::optional<mode_t> mode) {
        std::string temp;
        const int fd = CreateSibling(Path(name), Files, temp, ChangeTags.New);
        if (fd < 0)
            throw TBookReplaceError(Reason("cannot make a file beside \"" + Path(name) + "\""));
        const bool written = (!mode || Files.setMode(fd, *mode)) && WriteAll(fd, bytes, Files);
        const int writeError = errno;
        const bool closed = Files.close(fd);
        if (!written || !closed) {
            if (!written) errno = writeError;
            const std::string why = Reason("cannot write \"" + temp + "\"");
            Files.remove(temp);
            throw TBookReplaceError(why);
        }
        return NameOf(temp);
    }

    // Puts the journal in place, complete, or raises with the folder as it was.
    void WriteJournal(const TJournal& journal) {
        std::string text = std::string(JournalHeader) + "\npid " + std::to_string(::getpid()) +
                           "\n" + (journal.Undoing ? "undo" : "forward") + "\n";
        for (const TStep& step : journal.Steps) {
            const char* kind = step.Kind == TStepKind::Put   ? "put"
                               : step.Kind == TStepKind::Add ? "add"
                                                             : "remove";
            text +=
                std::string(kind) + "\t" + step.Name + "\t" + step.Temp + "\t" + step.Kept + "\n";
        }
        text += "end\n";
        const std::string temp = Path(WriteNew(BookJournalName, text, std::nullopt));
        if (!Files.rename(temp, JournalPath())) {
            const std::string why = Reason("cannot put the journal in \"" + Folder + "\"");
            Files.remove(temp);
            throw TBookReplaceError(why);
        }
        if (!Files.syncDirectory(Folder))
            throw TBookReplaceError(Reason("cannot write the folder \"" + Folder + "\""));
    }

    bool Forward(const TStep& step) {
        if (step.Kind == TStepKind::Remove) return RemoveIfThere(Path(step.Name), Files);
        // A Temp no longer there has been put in place already.
        return !Exists(Path(step.Temp)) || Files.rename(Path(step.Temp), Path(step.Name));
    }

    bool Undo(const TStep& step) {
        if (step.Kind == TStepKind::Add)
            return RemoveIfThere(Path(step.Name), Files) && RemoveIfThere(Path(step.Temp), Files);
        return step.Kept.empty() || !Exists(Path(step.Kept)) ||
               Files.rename(Path(step.Kept), Path(step.Name));
    }

    // Runs the journal's steps to their end and removes it, then what the other way needed;
    // false when a step failed, the journal kept. Files left once the journal is gone carry
    // this run's process id, so that a later run removes them.
    bool Run(const TJournal& journal) {
        for (const TStep& step : journal.Steps)
            if (!(journal.Undoing ? Undo(step) : Forward(step))) return false;
        if (!Files.syncDirectory(Folder) || !Files.remove(JournalPath())) return false;
        Files.syncDirectory(Folder);
        RemoveSteps(journal.Steps);
        return true;
    }

    void RemoveSteps(const std::vector<TStep>& steps) {
        for (const TStep& step : steps)
            for (const std::string* left : {&step.Temp, &step.Kept})
                if (!left->empty()) RemoveIfThere(Path(*left), Files);
    }

    // Files a change left: of a run no longer running, or of this one, which changes one book
    // at a time.
    void RemoveLeftovers() {
        std::error_code error;
        for (std::filesystem::directory_iterator entry(Folder, error), end; !error && entry != end;
             entry.increment(error)) {
            const std::string name = entry->path().filename().string();
            const pid_t owner = LeftoverOwner(name, ChangeTags);
            if (owner == 0) continue;
            if (owner == ::getpid() || (::kill(owner, 0) != 0 && errno == ESRCH))
                Files.remove(entry->path().string());
        }
    }

    std::string Folder;
    TSaveFileOps& Files;
};

std::optional<TJournal> ReadJournal(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    const auto damaged = [&] { return TBookReplaceError("\"" + path + "\" is damaged"); };
    if (!S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > MaxJournalSize)
        throw damaged();
    std::ifstream in(path, std::ios::binary);
    std::string line;
    TJournal journal;
    if (!std::getline(in, line) || line != JournalHeader) throw damaged();
    if (!std::getline(in, line) || !line.starts_with("pid ")) throw damaged();
    journal.Owner = static_cast<pid_t>(std::atol(line.c_str() + 4));
    if (!std::getline(in, line) || (line != "forward" && line != "undo")) throw damaged();
    journal.Undoing = line == "undo";
    while (std::getline(in, line) && line != "end") {
        std::istringstream fields(line);
        std::string kind;
        TStep step;
        std::getline(fields, kind, '\t');
        std::getline(fields, step.Name, '\t');
        std::getline(fields, step.Temp, '\t');
        std::getline(fields, step.Kept, '\t');
        step.Kind = kind == "put"   ? TStepKind::Put
                    : kind == "add" ? TStepKind::Add
                                    : TStepKind::Remove;
        const bool known = kind == "put" || kind == "add" || kind == "remove";
        const bool hasTemp = step.Kind != TStepKind::Remove;
        if (!known || !IsPlainName(step.Name) || (hasTemp && !IsPlainName(step.Temp)) ||
            (!step.Temp.empty() && !IsPlainName(step.Temp)) ||
            (!step.Kept.empty() && !IsPlainName(step.Kept)))
            throw damaged();
        journal.Steps.push_back(std::move(step));
    }
    if (line != "end") throw damaged();
    return journal;
}

// The step for one change, its new file written; raises before anything is written for a file
// that may not be replaced.
TStep Prepare(TFolder& folder, const TBookFileChange& change) {
    if (!IsPlainName(change.Name))
        throw TBookReplaceError("\"" + change.Name + "\" is no name of a file in the book");
    const std::string path = folder.Path(change.Name);
    struct stat st {};
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        throw TBookReplaceError("\"" + path + "\" is not a file");
    if (exists && S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0)
        throw TBookReplaceError("\"" + path + "\" is read-only");
    TStep step;
    step.Name = change.Name;
    step.Kind = !change.Bytes ? TStepKind::Remove : exists ? TStepKind::Put : TStepKind::Add;
    if (change.Bytes) {
        std::optional<mode_t> mode;
        if (exists && S_ISREG(st.st_mode)) mode = st.st_mode & 07777;
        step.Temp = folder.WriteNew(change.Name, *change.Bytes, mode);
    }
    return step;
}

} // namespace

void ReplaceBookFiles(const std::string& folderPath, const std::vector<TBookFileChange>& changes,
                      TSaveFileOps& files) {
    TFolder folder(folderPath, files);
    if (Exists(folder.JournalPath()))
        throw TBookReplaceError("\"" + folder.JournalPath() +
                                "\" tells of an earlier change to the book left unfinished");
    TJournal journal;
    try {
        for (const TBookFileChange& change : changes) {
            if (!change.Bytes && !Exists(folder.Path(change.Name))) continue;
            journal.Steps.push_back(Prepare(folder, change));
            TStep& step = journal.Steps.back();
            if (step.Kind != TStepKind::Add)
                step.Kept = NameOf(KeepOld(folder.Path(step.Name), files, ChangeTags.Old));
            if (step.Kind == TStepKind::Remove && step.Kept.empty())
                throw TBookReplaceError(Reason("cannot keep \"" + folder.Path(step.Name) +
                                               "\" aside while the book changes"));
        }
        folder.WriteJournal(journal);
    } catch (const TBookReplaceError& e) {
        // A journal that stays would be finished by the next run: its files stay for it.
        if (Exists(folder.JournalPath()) && !files.remove(folder.JournalPath()))
            throw TBookReplaceError(std::string(e.what()) + "; the change is finished the next "
                                                            "time quillara-book opens the book");
        folder.RemoveSteps(journal.Steps);
        throw;
    } catch (...) {
        folder.RemoveSteps(journal.Steps);
        throw;
    }
    if (folder.Run(journal)) return;

    // A step failed with some files switched: the kept files go back.
    const std::string why = Reason("cannot switch the book's files in \"" + folderPath + "\"");
    journal.Undoing = true;
    bool undone = false;
    for (const TStep& step : journal.Steps)
        if (step.Kind != TStepKind::Add && step.Kept.empty()) journal.Undoing = false;
    if (journal.Undoing) {
        try {
            folder.WriteJournal(journal);
            undone = folder.Run(journal);
        } catch (const TBookReplaceError&) {
        }
    }
    throw TBookReplaceError(why + (undone ? "; the book is as it was"
                                          : "; the change is finished the next time "
                                            "quillara-book opens the book"));
}

void FinishBookReplacement(const std::string& folderPath, TSaveFileOps& files) {
    TFolder folder(folderPath, files);
    if (const std::optional<TJournal> journal = ReadJournal(folder.JournalPath())) {
        if (journal->Owner != ::getpid() && journal->Owner > 0 &&
            (::kill(journal->Owner, 0) == 0 || errno == EPERM))
            throw TBookReplaceError("the book in \"" + folderPath +
                                    "\" is being changed by another run (process " +
                                    std::to_string(journal->Owner) + ")");
        if (!folder.Run(*journal))
            throw TBookReplaceError(
                Reason("cannot finish the change to the book left in \"" + folderPath + "\""));
    }
    folder.RemoveLeftovers();
}

} // namespace quillara
