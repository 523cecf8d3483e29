#include "core/rtf/rtf_layout_bounds.h"
#include "core/text/layout_bounds.h"
#include "core/text/utf8.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

const std::string Note = "(cut)";

// The document's text, paragraphs ending in '|', with the break opportunities shown as '^'.
std::string Text(const TRtfDocument& document) {
    std::string breakHere;
    AppendUtf8(breakHere, ZeroWidthSpace);
    std::string text;
    for (const TRtfParagraph& paragraph : document.Paragraphs) {
        for (const TRtfRun& run : paragraph.Runs)
            text += run.Text;
        text += '|';
    }
    for (std::size_t at = text.find(breakHere); at != std::string::npos;
         at = text.find(breakHere, at))
        text.replace(at, breakHere.size(), "^");
    return text;
}

// No character was split: every sequence still reads as the character it was.
bool WholeCharacters(const std::string& text) {
    for (std::size_t pos = 0; pos < text.size();)
        if (NextCodePoint(text, pos) == 0xFFFD) return false;
    return true;
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(RtfLayoutBounds, CutsWhereTheLayoutWouldGrowTooTall) {
    // 3,000,000 points over 144-point lines: 20,833 lines at the largest size.
    struct TCase {
        const char* Name;
        std::string Rtf;
        bool Cut;
        std::size_t KeptAtLeast;
        std::size_t KeptAtMost;
    };
    const std::vector<TCase> cases = {
        {"an ordinary question", "\\fs24 Which of these? A) one B) two", false, 29, 29},
        {"largest size, over", "\\fs192 " + Repeated("abcd ", 5000), true, 20700, 20833},
        {"largest size, within", "\\fs192 " + Repeated("abcd ", 4000), false, 20000, 20000},
        {"the size that froze the window", "\\fs3276 " + Repeated("word12 ", 3500), true, 20700,
         20833},
        {"empty paragraphs", "\\fs192 x" + Repeated("\\par ", 30000), true, 1, 1},
        {"smallest size, too many characters", "\\fs12 " + Repeated("abcd ", 50000), true, 199990,
         200000},
        {"a long word", "\\fs24 " + std::string(5000, 'a'), false, 5000, 5000},
        {"accented letters are cut whole", "\\fs192 " + Repeated("\\'e9", 30000), true, 41400,
         41666},
    };
    for (const TCase& c : cases) {
        TRtfDocument document = ReadRtf(c.Rtf);
        const std::string before = Text(document);
        EXPECT_EQ(BoundForLayout(document, Note), c.Cut) << c.Name;
        std::string text = Text(document);
        std::erase(text, '^');
        if (c.Cut) {
            ASSERT_TRUE(text.ends_with("|" + Note + "|")) << c.Name;
            text.resize(text.size() - Note.size() - 2);
            EXPECT_TRUE(std::string_view(before).starts_with(text)) << c.Name;
        }
        std::erase(text, '|');
        EXPECT_GE(text.size(), c.KeptAtLeast) << c.Name;
        EXPECT_LE(text.size(), c.KeptAtMost) << c.Name;
        EXPECT_TRUE(WholeCharacters(Text(document))) << c.Name;
    }
}

TEST(RtfLayoutBounds, LongWordsGetAPlaceToBreak) {
    struct TCase {
        const char* Name;
        std::string Rtf;
        std::string Shown;
    };
    const std::string a1000(1000, 'a'), b1000(1000, 'b');
    const std::vector<TCase> cases = {
        {"short words", "one two\\tab three", "one two\tthree|"},
        {"a word as long as may be", a1000 + " " + b1000, a1000 + " " + b1000 + "|"},
        {"a longer word", std::string(2500, 'a'),
         a1000 + "^" + a1000 + "^" + std::string(500, 'a') + "|"},
        {"a word across runs", std::string(600, 'a') + "{\\b " + std::string(600, 'b') + "}",
         std::string(600, 'a') + std::string(400, 'b') + "^" + std::string(200, 'b') + "|"},
        {"a line break ends a word", a1000 + "\\line " + b1000, a1000 + "\n" + b1000 + "|"},
        {"a paragraph ends a word", a1000 + "\\par " + b1000, a1000 + "|" + b1000 + "|"},
    };
    for (const TCase& c : cases) {
        TRtfDocument document = ReadRtf(c.Rtf);
        EXPECT_FALSE(BoundForLayout(document, Note)) << c.Name;
        EXPECT_EQ(Text(document), c.Shown) << c.Name;
    }
}

} // namespace
} // namespace quillara
