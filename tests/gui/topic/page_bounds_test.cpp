#include "gui/shell/study_session.h"
#include "gui/reading/view_topic_frame.h"
#include "gui_book.h"
#include "gui/reading/html_lite.h"
#include "core/text/layout_bounds.h"
#include "gui/widgets/book_text.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace quillara::gui {
namespace {

// The size "x" is shown at, in points (pixel sizes at 96 to the inch).
qreal PointsOfX(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains('x')) {
                const QFont font = it.fragment().charFormat().font();
                return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
            }
    return -1;
}

std::string Words(int count) {
    std::string words;
    for (int i = 0; i < count; ++i)
        words += "word" + std::to_string(i % 100) + " ";
    return words;
}

// Every size the laid-out document's text is shown at, in points.
std::vector<qreal> ShownSizes(const QTextDocument& document) {
    std::vector<qreal> sizes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QFont font = it.fragment().charFormat().font();
            sizes.push_back(font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75);
        }
    return sizes;
}

const QString CutNote = QString::fromUtf8(PageCutNote.data(), qsizetype(PageCutNote.size()));

struct PageBoundsTest : ::testing::Test {
    PageBoundsTest() {
        viewer.resize(400, 300);
        viewer.show();
    }
    QTextDocument& Load(const std::string& page) {
        viewer.LoadFromString(page);
        return *viewer.document();
    }
    ThtmlLite viewer;
};

TEST_F(PageBoundsTest, FontSizesKeepWithinSixToNinetySixPoints) {
    struct TCase {
        const char* Page;
        qreal Points;
    };
    const TCase cases[] = {
        {"<p style=\"font-size:1638pt\">x</p>", 96},
        {"<p style=\"font-size:96pt\">x</p>", 96},
        {"<p style=\"font-size:97pt\">x</p>", 96},
        {"<p style=\"font-size:12pt\">x</p>", 12},
        {"<p style=\"font-size:6pt\">x</p>", 6},
        {"<p style=\"font-size:1pt\">x</p>", 6},
        {"<p style=\"font-size:0.01pt\">x</p>", 6},
        {"<p style=\"font-size:99999999999999999999pt\">x</p>", 96},
        {"<p style=\"font-size:5000px\">x</p>", 96},
        {"<p style=\"font-size:16px\">x</p>", 12},
        {"<p style=\"font-size:1px\">x</p>", 6},
        // Sizes in em and per cent are not read: the page's own size stays.
        {"<p style=\"font-size:300em\">x</p>", 10},
        {"<p style=\"font-size:9000%\">x</p>", 10},
        // Relative sizes, which the layout keeps within 0.7 and 2.4 times the page's size.
        {"<p style=\"font-size:xx-large\">x</p>", 20},
        {"<span style=\"font-size:1638pt\"><span style=\"font-size:12pt\">x</span></span>", 12},
        {"<font size=\"7\">x</font>", 24},
        {"<font size=\"100\">x</font>", 24},
        {"<font size=\"-100\">x</font>", 7},
        {"<h1>x</h1>", 20},
        {"<h1 style=\"font-size:2000pt\">x</h1>", 20},
        {"<p>x</p>", 10},
    };
    for (const TCase& c : cases)
        EXPECT_NEAR(PointsOfX(Load(c.Page)), c.Points, 0.5) << c.Page;
}

QTextBlock BlockWithX(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text().contains('x')) return block;
    return {};
}

QTextTable* FirstTable(const QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame)) return table;
    return nullptr;
}

TEST_F(PageBoundsTest, SpacingIndentsPicturesAndTablesKeepWithinBounds) {
    using TRead = std::function<qreal(const QTextDocument&)>;
    const TRead topMargin = [](const QTextDocument& d) {
        return BlockWithX(d).blockFormat().topMargin();
    };
    const TRead indent = [](const QTextDocument& d) {
        return BlockWithX(d).blockFormat().textIndent();
    };
    const TRead levels = [](const QTextDocument& d) {
        return qreal(BlockWithX(d).blockFormat().indent());
    };
    const TRead lineHeight = [](const QTextDocument& d) {
        return BlockWithX(d).blockFormat().lineHeight();
    };
    const TRead letters = [](const QTextDocument& d) {
        return BlockWithX(d).begin().fragment().charFormat().fontLetterSpacing();
    };
    const TRead words = [](const QTextDocument& d) {
        return BlockWithX(d).begin().fragment().charFormat().fontWordSpacing();
    };
    const TRead pictureWidth = [](const QTextDocument& d) {
        return d.begin().begin().fragment().charFormat().toImageFormat().width();
    };
    const TRead pictureHeight = [](const QTextDocument& d) {
        return d.begin().begin().fragment().charFormat().toImageFormat().height();
    };
    const TRead border = [](const QTextDocument& d) { return FirstTable(d)->format().border(); };
    const TRead padding = [](const QTextDocument& d) {
        return FirstTable(d)->format().cellPadding();
    };
    const TRead spacing = [](const QTextDocument& d) {
        return FirstTable(d)->format().cellSpacing();
    };
    const TRead width = [](const QTextDocument& d) {
        return FirstTable(d)->format().width().rawValue();
    };
    const TRead column = [](const QTextDocument& d) {
        return FirstTable(d)->format().columnWidthConstraints().value(0).rawValue();
    };
    const TRead cellPadding = [](const QTextDocument& d) {
        return FirstTable(d)->cellAt(0, 0).format().toTableCellFormat().topPadding();
    };
    struct TCase {
        std::string Page;
        TRead Read;
        qreal Expected;
    };
    const auto styled = [](const std::string& style) { return "<p style=\"" + style + "\">x</p>"; };
    const std::vector<TCase> cases = {
        {styled("margin-top:99999px"), topMargin, 192},
        {styled("margin-top:20px"), topMargin, 20},
        {styled("text-indent:99999px"), indent, 192},
        {styled("text-indent:-99999px"), indent, -192},
        {styled("text-indent:30px"), indent, 30},
        {styled("-qt-block-indent:100000"), levels, 10},
        {"<blockquote><blockquote>x</blockquote></blockquote>", levels, 0},
        {styled("line-height:90000px"), lineHeight, 192},
        {styled("line-height:20px"), lineHeight, 20},
        {styled("line-height:90000%"), lineHeight, 300},
        {styled("line-height:150%"), lineHeight, 150},
        {styled("letter-spacing:9000px"), letters, 192},
        {styled("letter-spacing:-9000px"), letters, -192},
        {styled("letter-spacing:2px"), letters, 2},
        {styled("word-spacing:9000px"), words, 192},
        {styled("word-spacing:4px"), words, 4},
        {"<img src=\"a.jpg\" width=\"99999\" height=\"1e30\">", pictureWidth, 2048},
        {"<img src=\"a.jpg\" width=\"99999\" height=\"1e30\">", pictureHeight, 2048},
        {"<img src=\"a.jpg\" width=\"40\" height=\"30\">", pictureWidth, 40},
        {"<img src=\"a.jpg\" width=\"40\" height=\"30\">", pictureHeight, 30},
        {"<table border=\"99999\"><tr><td>x</td></tr></table>", border, 192},
        {"<table border=\"1\"><tr><td>x</td></tr></table>", border, 1},
        {"<table cellpadding=\"99999\"><tr><td>x</td></tr></table>", padding, 192},
        {"<table cellpadding=\"4\"><tr><td>x</td></tr></table>", padding, 4},
        {"<table cellspacing=\"99999\"><tr><td>x</td></tr></table>", spacing, 192},
        {"<table cellspacing=\"3\"><tr><td>x</td></tr></table>", spacing, 3},
        {"<table width=\"99999\"><tr><td>x</td></tr></table>", width, 2048},
        {"<table width=\"500\"><tr><td>x</td></tr></table>", width, 500},
        {"<table width=\"9000%\"><tr><td>x</td></tr></table>", width, 100},
        {"<table width=\"50%\"><tr><td>x</td></tr></table>", width, 50},
        {"<table><tr><td width=\"99999\">x</td></tr></table>", column, 2048},
        {"<table><tr><td width=\"80\">x</td></tr></table>", column, 80},
        {"<table><tr><td style=\"padding:9999px\">x</td></tr></table>", cellPadding, 192},
        {"<table><tr><td style=\"padding:5px\">x</td></tr></table>", cellPadding, 5},
    };
    for (const TCase& c : cases)
        EXPECT_NEAR(c.Read(Load(c.Page)), c.Expected, 0.01) << c.Page;
}

TEST_F(PageBoundsTest, APageTooTallToLayOutIsCutWithANote) {
    struct TCase {
        const char* Name;
        std::string Page;
        bool Cut;
    };
    const std::string big = "<p style=\"font-size:96pt\">";
    const std::vector<TCase> cases = {
        {"largest letters", big + std::string(30000, 'a') + "</p>", true},
        {"largest letters, short enough", big + std::string(20000, 'a') + "</p>", false},
        {"ordinary letters", "<p>" + std::string(300000, 'a') + "</p>", true},
        {"ordinary letters, short enough", "<p>" + std::string(150000, 'a') + "</p>", false},
        {"smallest letters", "<p style=\"font-size:6pt\">" + std::string(300000, 'a') + "</p>",
         true},
        {"empty paragraphs",
         big + std::string(25000, '\n') + "</p>" +
             [] {
                 std::string lines;
                 for (int i = 0; i < 25000; ++i)
                     lines += "<p style=\"font-size:96pt\"></p><br>";
                 return lines;
             }(),
         true},
        {"tall pictures",
         [] {
             std::string pictures;
             for (int i = 0; i < 3000; ++i)
                 pictures += "<img src=\"a.jpg\" height=\"2048\">";
             return pictures;
         }(),
         true},
        {"a table",
         "<table border=\"1\"><tr><td>first</td></tr><tr><td>" + big + std::string(30000, 'a') +
             "</td></tr></table>",
         true},
    };
    for (const TCase& c : cases) {
        QTextDocument& page = Load(c.Page);
        const QString text = page.toPlainText().remove(QChar(ZeroWidthSpace));
        EXPECT_EQ(text.endsWith(CutNote), c.Cut) << c.Name;
        EXPECT_LT(page.documentLayout()->documentSize().height(), 4.2e6) << c.Name;
        if (c.Cut && text.startsWith('a')) {
            // What is kept is the page's start, as much of it as the layout can take.
            EXPECT_GT(text.count('a'), 20000) << c.Name;
            EXPECT_TRUE(text.startsWith(QString(20000, 'a'))) << c.Name;
        }
    }
}

TEST_F(PageBoundsTest, LongWordsGetAPlaceToBreak) {
    const QString breakHere{QChar(ZeroWidthSpace)};
    struct TCase {
        std::string Page;
        QString Shown;
    };
    const std::vector<TCase> cases = {
        {"<p>" + std::string(2500, 'a') + "</p>",
         QString(1000, 'a') + breakHere + QString(1000, 'a') + breakHere + QString(500, 'a')},
        {"<p>" + std::string(1000, 'a') + " " + std::string(1000, 'b') + "</p>",
         QString(1000, 'a') + " " + QString(1000, 'b')},
        {"<p>" + std::string(600, 'a') + "<b>" + std::string(600, 'b') + "</b></p>",
         QString(600, 'a') + QString(400, 'b') + breakHere + QString(200, 'b')},
        {"<p>" + std::string(1000, 'a') + "<br>" + std::string(1000, 'b') + "</p>",
         QString(1000, 'a') + "\n" + QString(1000, 'b')},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Load(c.Page).toPlainText(), c.Shown) << c.Page.substr(0, 20);
    // Plain texts (explanations, definitions, the notes) break the same way.
    EXPECT_EQ(FromBookBreakable(std::string(2500, 'a')), cases[0].Shown);
    EXPECT_EQ(FromBookBreakable(std::string(1000, 'a') + "\r\n" + std::string(1000, 'b')),
              QString(1000, 'a') + "\r\n" + QString(1000, 'b'));
}

TEST_F(PageBoundsTest, TheDemoBooksPagesShowWhole) {
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUILLARA_DEMO_PAGES)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        QTextDocument plain;
        plain.setHtml(FromBook(bytes.str()));
        const QTextDocument& shown = Load(bytes.str());
        EXPECT_EQ(shown.toPlainText(), plain.toPlainText()) << entry.path();
        EXPECT_FALSE(shown.toPlainText().contains(CutNote)) << entry.path();
        ++pages;
    }
    EXPECT_GE(pages, 15);
}

TEST_F(PageBoundsTest, TablesNestedTooDeepLoseTheirInnerTables) {
    std::string page;
    for (int i = 0; i < 40; ++i)
        page += "<table border=\"1\"><tr><td>level " + std::to_string(i) + "</td><td>";
    page += "innermost";
    for (int i = 0; i < 40; ++i)
        page += "</td></tr></table>";
    QTextDocument& shown = Load(page);
    int depth = 0;
    for (const QTextFrame* frame = QTextCursor(shown.find("innermost")).currentFrame();
         frame != shown.rootFrame(); frame = frame->parentFrame())
        ++depth;
    EXPECT_EQ(depth, 8);
    EXPECT_TRUE(shown.toPlainText().contains("level 39"));
    EXPECT_TRUE(shown.toPlainText().contains("innermost"));
}

// The topic view on the page that froze it: 3,500 words at 1,638 points.
TEST(PageBoundsInView, TheHugeFontPageShowsBounded) {
    testing::GuiBook book;
    book.Pages[0][0].Page = "<p style=\"font-size:1638pt\">" + Words(3500) + "</p>";
    TStudySession program;
    program.Open(program.ReadBook(book.Write()));
    TViewTopicFrame1 view(program);
    view.resize(600, 500);
    view.show();
    view.ShowTopic(1, "Summary");
    const QTextDocument& page = *view.findChild<ThtmlLite*>("htmlLite1")->document();
    for (const qreal size : ShownSizes(page))
        ASSERT_LE(size, MaxFontPoints);
    EXPECT_TRUE(page.toPlainText().startsWith("word0 word1 "));
    EXPECT_TRUE(page.toPlainText().endsWith(CutNote));
    EXPECT_LT(page.documentLayout()->documentSize().height(), 4.2e6);
}

} // namespace
} // namespace quillara::gui
