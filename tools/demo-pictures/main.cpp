// quillara-demo-pictures OUTDIR
//
// Draws every picture of the demo book (books/demo): the cover, one heading band per chapter
// and the charts of the topic pages, and writes them to OUTDIR as JPEG files. The pictures are
// plain code rather than binary files in the tree; the output is the same bytes on every run.
#include "core/picture/jpeg_encoder.h"
#include "pictures.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

using namespace quillara;

void WriteJpeg(const std::filesystem::path& path, const demo::Canvas& canvas) {
    // Full-resolution colour keeps small coloured text and thin chart lines sharp.
    const std::string bytes =
        EncodeJpeg(TDecodedPicture{canvas.Width(), canvas.Height(), canvas.Pixels()}, 92, true);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << "usage: quillara-demo-pictures OUTDIR\n"
                     "Draws the pictures of the demo book into OUTDIR.\n";
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        std::filesystem::create_directories(out);
        WriteJpeg(out / "cover.jpg", demo::Cover());
        for (std::size_t i = 0; i < demo::ChapterNames.size(); ++i)
            WriteJpeg(out / ("CHAP" + std::to_string(i + 1) + ".JPG"), demo::ChapterHeading(i));
        for (const demo::Picture& p : demo::PagePictures)
            WriteJpeg(out / p.file, p.draw());
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "quillara-demo-pictures: " << e.what() << "\n";
        return 1;
    }
}
