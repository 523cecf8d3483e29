#include "gui_book.h"

#include "core/book/authors_notes.h"
#include "core/book/book_properties_writer.h"
#include "core/picture/jpeg_encoder.h"

namespace quillara::testing {

namespace {
std::string Picture(int width, int height) {
    return EncodeJpeg(TDecodedPicture{
        width, height,
        std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3, 180)});
}
} // namespace

GuiBook::GuiBook() {
    Book.Title = "Test Book";
    Book.Text2 = "Second text";
    Book.Text3 = "Third text";
    Book.Copyright = "Copyright the testers";
    Book.HasGlossary = true;
    Book.HasMatchingQuiz = true;
    Book.HasAuthorsNotes = true;
    Book.Topics = {{"Summary", 0, 2, 1}, {"Key Ideas", 0, 2, 1}, {"Worked Examples", 0, 2, 1}};
    Book.ChapterNames = {"Cells", "Energy"};
    for (int chapter = 1; chapter <= 2; ++chapter) {
        const std::string n = std::to_string(chapter);
        Pages.push_back({{"Summary", "<p>Summary of chapter " + n + "</p>"},
                         {"Key Ideas", "<p>Key ideas of chapter " + n + "</p>"},
                         {"Worked Examples", "<p>Examples of chapter " + n + "</p>"}});
        TQuestion tf;
        tf.Kind = qkTrueFalse;
        tf.Answer = 'T';
        tf.Text = "Chapter " + n + " is true.";
        Banks.push_back({tf});
    }
    Glossary = TGlossary({{"12", "The smallest unit of life.", "Cell", "1"},
                          {"", "", "Photosynthesis", "2"},
                          {"45-46", "Light energy stored.", "phosphate", "1, 2"}});
}

const std::filesystem::path& GuiBook::Write() {
    Dir.Write("BOOK.DEF", WriteBookProperties(Book, Version, TRegionalSettings{}));
    for (std::size_t i = 0; i < Pages.size(); ++i)
        Dir.Write(TopicFileName(static_cast<int>(i + 1)), WriteTopicFile(Pages[i]));
    for (std::size_t i = 0; i < Banks.size(); ++i)
        Dir.Write(QuestionBankName(static_cast<int>(i + 1)), WriteQuestionBank(Banks[i]));
    Dir.Write("GLOSSARY.DEF", WriteGlossary(Glossary.Entries()));
    Dir.Write("AUTHORS", WriteAuthorsNotes(AuthorsNotes));
    if (WritePictures) {
        Dir.Write("cover.jpg", Picture(120, 160));
        for (std::size_t i = 1; i <= Book.ChapterNames.size(); ++i)
            Dir.Write(TBookProperties::ChapterPicture(static_cast<int>(i)), Picture(300, 30));
    }
    return Dir.Path();
}

} // namespace quillara::testing
