// A chapter's topic file from arbitrary bytes, shown as the topic viewer shows it: the page is
// looked up, loaded into the HTML viewer and laid out, which looks up and decodes every picture
// it names in a book folder of small, large, damaged and outside pictures.
#include "core/book/book_files.h"
#include "core/book/topic_pages.h"
#include "gui/reading/html_lite.h"
#include "core/picture/jpeg_encoder.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Picture(int width, int height) {
    quillara::TDecodedPicture picture{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        picture.Rgb.insert(picture.Rgb.end(), {static_cast<std::uint8_t>(i), 90, 200});
    return quillara::EncodeJpeg(picture, 60);
}

// One transparent pixel, and the same picture claiming a screen of 65535 x 65535.
const std::string SmallGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x21\xf9\x04"
                           "\x01\x00\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                           "\x44\x01\x00\x3b",
                           43);

class TPageBook {
public:
    TPageBook()
        : Root(fs::temp_directory_path() / ("quillara-page-fuzz-" + std::to_string(::getpid()))) {
        const fs::path book = Root / "book";
        fs::create_directories(book / "Pictures");
        fs::create_directories(Root / "outside");
        std::string hugeGif = SmallGif;
        hugeGif.replace(6, 4, "\xff\xff\xff\xff");
        hugeGif.replace(32, 4, "\xff\xff\xff\xff");
        const std::string large = Picture(1200, 900);
        const std::pair<const char*, std::string> files[] = {
            {"book/a.jpg", Picture(16, 12)},
            {"book/Pictures/Large.JPG", large},
            {"book/cut.jpg", large.substr(0, 400)},
            {"book/dot.gif", SmallGif},
            {"book/huge.gif", hugeGif},
            {"outside/away.jpg", Picture(8, 8)},
        };
        for (const auto& [name, bytes] : files)
            std::ofstream(Root / name, std::ios::binary) << bytes;
        fs::create_symlink("../outside/away.jpg", book / "away.jpg");
        Book = book;
    }
    ~TPageBook() {
        std::error_code ignored;
        fs::remove_all(Root, ignored);
    }
    TPageBook(const TPageBook&) = delete;
    TPageBook& operator=(const TPageBook&) = delete;

    fs::path Book;

private:
    fs::path Root;
};

} // namespace

// The font library keeps what Qt asked of it for the whole run, unreferenced; that is not a leak
// of the program's.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TPageBook book;
    // Never destroyed: at exit Qt's own caches are gone before a static widget would go.
    static auto& viewer = *new quillara::gui::ThtmlLite;
    viewer.resize(400, 300);
    viewer.show();
    std::ofstream(book.Book / "TOPICS.1", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::string page = quillara::FindTopicText(book.Book, 1, "Summary");
    viewer.SetBookDirectory(book.Book);
    viewer.LoadFromString(page);
    viewer.SetNoSelect(true);
    viewer.document()->documentLayout()->documentSize(); // lays the page out, pictures and all
    return 0;
}
