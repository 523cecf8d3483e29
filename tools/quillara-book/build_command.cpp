#include "authors_form.h"
#include "book_check.h"
#include "book_file_replace.h"
#include "book_source.h"
#include "command_line.h"
#include "commands.h"
#include "core/book/book_files.h"
#include "core/book/book_properties.h"
#include "core/book/book_records.h"
#include "core/book/glossary.h"
#include "file_kind.h"
#include "tool_io.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <stdlib.h>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

struct BuildOptions {
    std::string Source;
    std::string OutDir;
    std::vector<fs::path> PictureDirs;
    bool Force = false;
};

// A folder of its own under the system's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "quillara-book-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        Path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(Path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    fs::path Path;
};

void WriteBook(const fs::path& dir, const std::map<std::string, std::string>& files) {
    fs::create_directories(dir);
    for (const auto& [name, bytes] : files)
        WriteWholeFile(dir / name, bytes);
}

// The title of the book whose BOOK.DEF these bytes are; none when they do not read.
std::optional<std::string> TitleOf(const std::string& bookDefinition) {
    try {
        TByteReader in(bookDefinition, "BOOK.DEF");
        return ReadBookProperties(in, ToolRegionalSettings())->Title;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The changes that turn the folder's contents into the book: each file written, and each
// file of an earlier build there that this book no longer has removed. Raises, naming them,
// for anything else in the folder (another book, other files) unless forced; forced, those
// are left as they are, or replaced when the book has a file of the same name.
std::vector<TBookFileChange>
BookChanges(const fs::path& outDir, const std::map<std::string, std::string>& files, bool force) {
    std::vector<TBookFileChange> changes;
    std::set<std::string> made;
    for (const auto& [name, bytes] : files) {
        changes.push_back({name, bytes});
        made.insert(UpperAscii(name));
    }
    std::error_code error;
    if (!fs::exists(outDir, error)) return changes;

    std::optional<std::string> earlierTitle;
    if (const auto definition = FindBookFile(outDir, "BOOK.DEF"))
        earlierTitle = TitleOf(ReadWholeFile(*definition, MaxBookDefinitionSize));
    const bool sameBook = earlierTitle && earlierTitle == TitleOf(files.at("BOOK.DEF"));
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(outDir)) {
        const std::string name = entry.path().filename().string();
        const bool isFile = entry.is_regular_file(error) && !entry.is_symlink(error);
        if (made.contains(UpperAscii(name))) {
            // The same file in another case of its name goes, so that only the new one is found.
            if (!files.contains(name) && isFile) changes.push_back({name, std::nullopt});
        } else if (isFile && IsBuiltFileName(name) && (sameBook || force)) {
            changes.push_back({name, std::nullopt});
        } else if (KindFromFileName(name) != FileKind::Scores) {
            others.push_back(name);
        }
    }
    if (!others.empty() && !force) {
        std::sort(others.begin(), others.end());
        std::string listed;
        for (std::size_t i = 0; i < others.size() && i < 5; ++i)
            listed += (i ? ", " : "") + others[i];
        if (others.size() > 5) listed += " and " + std::to_string(others.size() - 5) + " more";
        throw std::runtime_error(outDir.string() + " holds " +
                                 (earlierTitle && !sameBook ? "another book" : "other files") +
                                 " (" + listed +
                                 "): build into an empty folder, or give --force to replace "
                                 "what is there");
    }
    return changes;
}

// The errors check would report of the built book, and the texts it would lose, each a line on
// the standard error; how many there are.
int BookErrors(const std::string& source, const std::map<std::string, std::string>& files,
               const std::vector<TSourceFinding>& lost) {
    for (const TSourceFinding& finding : lost)
        std::cerr << source << ": " << finding.Place << ": error: " << finding.Message << "\n";
    const ScratchFolder scratch;
    WriteBook(scratch.Path, files);
    return static_cast<int>(lost.size()) +
           CheckBook(scratch.Path, std::cerr, source + ": ", true).Errors;
}

// What build wrote, a line: "wrote mybook: BOOK.DEF, 2 topic files, 2 question banks, the
// glossary, 3 pictures; 1 file the book no longer has removed".
std::string WrittenSummary(const fs::path& outDir, const std::map<std::string, std::string>& files,
                           const std::vector<TBookFileChange>& changes) {
    int topics = 0, banks = 0, pictures = 0, others = 0;
    bool glossary = false, notes = false;
    for (const auto& [name, bytes] : files) {
        std::string upper = name;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (upper.starts_with("TOPICS."))
            ++topics;
        else if (upper.starts_with("QUESTION."))
            ++banks;
        else if (upper == "GLOSSARY.DEF")
            glossary = true;
        else if (upper.starts_with("AUTHORS"))
            notes = true;
        else if (upper.ends_with(".JPG") || upper.ends_with(".JPEG") || upper.ends_with(".GIF"))
            ++pictures;
        else if (upper != "BOOK.DEF")
            ++others;
    }
    const auto count = [](int n, const std::string& one, const std::string& many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    std::string line = "wrote " + outDir.string() + ": BOOK.DEF";
    if (topics) line += ", " + count(topics, "topic file", "topic files");
    if (banks) line += ", " + count(banks, "question bank", "question banks");
    if (glossary) line += ", the glossary";
    if (notes) line += ", the author's notes";
    if (pictures) line += ", " + count(pictures, "picture", "pictures");
    if (others) line += ", " + count(others, "other file", "other files");
    const auto removed = std::count_if(changes.begin(), changes.end(),
                                       [](const TBookFileChange& c) { return !c.Bytes; });
    if (removed)
        line += "; " + count(static_cast<int>(removed), "file", "files") +
                " the book no longer has removed";
    return line;
}

int RunBuild(const BuildOptions& options) {
    if (options.Source.empty() || options.OutDir.empty())
        throw UsageError("build needs SOURCE and OUTDIR");
    const fs::path source = options.Source;
    const fs::path outDir = options.OutDir;

    std::map<std::string, std::string> files;
    std::vector<TSourceFinding> lost;
    try {
        // The author's own source, not a book file: read whatever its size.
        const nlohmann::json manifest =
            ParseSourceText(ReadWholeFile(source, std::numeric_limits<std::uint64_t>::max()));
        files = BuildBookFilesOfSource(manifest, source.parent_path(), options.PictureDirs, &lost);
        // A file the program would refuse for its size is no book to write.
        for (const auto& [name, bytes] : files)
            if (const auto kind = KindFromFileName(name); kind && bytes.size() > LargestFile(*kind))
                throw std::runtime_error(
                    name + " would be " + std::to_string(bytes.size()) + " bytes, more than the " +
                    std::to_string(LargestFile(*kind)) + " bytes such a file may have");
    } catch (const std::exception& e) {
        // Nothing has been written: the whole book is built in memory first.
        std::cerr << "quillara-book: " << source.string() << ": " << e.what() << "\n";
        return 1;
    }
    try {
        FinishBookChanges(outDir);
        // A book that would fail its students is not written, unless the author insists.
        if (const int errors = BookErrors(source.string(), files, lost); errors > 0) {
            const std::string counted =
                std::to_string(errors) + (errors == 1 ? " error" : " errors");
            if (!options.Force) {
                std::cerr << "quillara-book: " << source.string() << ": " << counted
                          << ", so nothing was written: mend the source, or give --force to "
                             "write the book anyway\n";
                return 1;
            }
            std::cerr << "quillara-book: " << source.string() << ": " << counted
                      << "; written anyway, as --force asks\n";
        }
        const std::vector<TBookFileChange> changes = BookChanges(outDir, files, options.Force);
        fs::create_directories(outDir);
        ReplaceBookFiles(outDir, changes);
        std::cout << WrittenSummary(outDir, files, changes) << "\n";
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace

void AddBuildCommand(CLI::App& tool) {
    auto options = std::make_shared<BuildOptions>();
    CLI::App& build = AddCommand(
        tool, "build",
        {"build SOURCE OUTDIR [--pictures DIR]... [--force]",
         "Writes the book described by the JSON file SOURCE into OUTDIR. SOURCE is in the\n"
         "author's form (as new and dump --source write it) or in the form dump prints.\n"
         "Files that SOURCE names by a relative path are looked for in its folder.",
         "A book that check would report an error for is not written: the errors are\n"
         "printed, each naming the file and the question or entry, and build exits 1.\n"
         "So is a text holding a character the book's Windows-1252 encoding cannot carry.\n"
         "OUTDIR is made when missing. A folder that holds an earlier build of the same\n"
         "book (its title) is brought up to date: files the book no longer has are removed,\n"
         "scores kept. A folder that holds anything else is left as it is and build exits\n"
         "1, naming what is there. The book's files are switched all at once: a build that\n"
         "fails or is stopped leaves the folder's earlier book whole. A book written is told\n"
         "in a line naming its files."},
        [options] { return RunBuild(*options); });
    build.add_option("SOURCE", options->Source);
    build.add_option("OUTDIR", options->OutDir);
    build
        .add_option("--pictures", options->PictureDirs,
                    "look for the pictures SOURCE names in DIR first")
        ->type_name("DIR")
        ->allow_extra_args(false);
    build.add_flag("--force", options->Force,
                   "write the book even when it has errors, and into a folder that holds\n"
                   "other files: those of the same name are replaced, every book file and\n"
                   "picture the book does not make removed, and other files left");
}

} // namespace quillara::tool
