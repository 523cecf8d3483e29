// Book file names from arbitrary bytes, looked up in a book folder that holds files in several
// letter cases, a subfolder, and symbolic links that stay inside the book or lead out of it.
// Whatever the name, the lookup finds a regular file inside the book or nothing.
#include "core/book/book_files.h"
#include "core/io/book_errors.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class TNameBook {
public:
    TNameBook()
        : Root(fs::temp_directory_path() / ("quillara-name-fuzz-" + std::to_string(::getpid()))) {
        const fs::path book = Root / "book";
        const fs::path outside = Root / "outside";
        fs::create_directories(book / "Pictures");
        fs::create_directories(outside);
        for (const char* name : {"AUTHORS", "BOOK.DEF", "TOPICS.1", "cover.jpg", "COVER.JPG",
                                 "Pictures/Chart.JPG", "Pictures/a b.gif"})
            std::ofstream(book / name) << name;
        std::ofstream(outside / "secret") << "secret";
        fs::create_symlink("AUTHORS", book / "notes");
        fs::create_symlink("Pictures", book / "Figures");
        fs::create_symlink("../outside/secret", book / "TOPICS.2");
        fs::create_symlink(outside, book / "Away");
        fs::create_symlink("missing", book / "dangling");
        fs::create_symlink("loop", book / "loop");
        Book = fs::canonical(book);
    }
    ~TNameBook() {
        std::error_code ignored;
        fs::remove_all(Root, ignored);
    }
    TNameBook(const TNameBook&) = delete;
    TNameBook& operator=(const TNameBook&) = delete;

    fs::path Book;

private:
    fs::path Root;
};

bool Inside(const fs::path& book, const fs::path& found) {
    std::error_code error;
    const std::string real = fs::canonical(found, error).string();
    return !error && real.starts_with(book.string() + "/");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TNameBook book;
    const std::string name(reinterpret_cast<const char*>(data), size);
    const auto found = quillara::FindBookFile(book.Book, name);
    if (!found) return 0;
    std::error_code error;
    if (!fs::is_regular_file(*found, error) || !Inside(book.Book, *found)) __builtin_trap();
    try {
        quillara::ReadBookFile(book.Book, name, 64);
    } catch (const quillara::TBookFileError&) {
        __builtin_trap(); // found a moment ago, and every file of this book is small
    }
    return 0;
}
