#include "core/book/question.h"
#include "core/book/question_text.h"
#include "find_child.h"
#include "main_window.h"
#include "gui/quiz/attempt_frame.h"
#include "core/text/layout_bounds.h"
#include "gui/widgets/rtf_document.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

// Pixels of a length in twips on this screen, where 1440 twips make an inch.
qreal Pixels(int twips) {
    return twips * QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 1440;
}

QTextDocument* Filled(QTextDocument& document, std::string_view rtf) {
    FillTextDocument(document, ReadRtf(rtf));
    return &document;
}

std::string MultipleChoiceRtf(const std::string& text) {
    TQuestion question;
    question.Kind = qkMultipleChoice;
    return BuildRtf(question, text, 10);
}

TEST(RtfDocument, ParagraphsBecomeBlocksWithIndentsAndTabStops) {
    struct TCase {
        const char* Name;
        std::string Rtf;
        int Left;
        int Indent;
        std::vector<int> Tabs;
    };
    const std::vector<TCase> cases = {
        {"choice", "\\pard\\li720\\fi-720\\tx360 \\tab A)\\tab x", 720, -720, {360, 720}},
        {"hang already a stop", "\\li720\\fi-720\\tx720 x", 720, -720, {720}},
        {"stops beyond the hang", "\\li720\\fi-720\\tx1440\\tx360 x", 720, -720, {360, 720, 1440}},
        {"indented first line", "\\li360\\fi360 x", 360, 360, {}},
        {"no room left of the box", "\\li-720 x", 0, 0, {}},
        {"hang past the box's edge", "\\li360\\fi-1440 x", 360, -360, {360}},
    };
    for (const TCase& c : cases) {
        QTextDocument document;
        const QTextBlockFormat format = Filled(document, c.Rtf)->firstBlock().blockFormat();
        EXPECT_NEAR(format.leftMargin(), Pixels(c.Left), 0.5) << c.Name;
        EXPECT_NEAR(format.textIndent(), Pixels(c.Indent), 0.5) << c.Name;
        const QList<QTextOption::Tab> tabs = format.tabPositions();
        ASSERT_EQ(tabs.size(), static_cast<qsizetype>(c.Tabs.size())) << c.Name;
        for (qsizetype i = 0; i < tabs.size(); ++i)
            EXPECT_NEAR(tabs[i].position, Pixels(c.Tabs[i]), 0.5) << c.Name << " tab " << i;
    }
}

TEST(RtfDocument, RunsKeepTheirCharacterFormat) {
    QTextDocument document;
    Filled(document, "{\\b bold}{\\i italic}{\\ul under}\\fs30 big\\par\\fs18\\par");
    QStringList fragments;
    for (auto it = document.firstBlock().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        fragments << QString("%1%2%3%4 %5")
                         .arg(format.fontWeight() == QFont::Bold ? "b" : "")
                         .arg(format.fontItalic() ? "i" : "")
                         .arg(format.fontUnderline() ? "u" : "")
                         .arg(format.fontPointSize())
                         .arg(it.fragment().text());
    }
    EXPECT_EQ(fragments, QStringList({"b12 bold", "i12 italic", "u12 under", "15 big"}));
    // The empty second paragraph is as tall as the size its mark was given.
    ASSERT_EQ(document.blockCount(), 2);
    EXPECT_EQ(document.lastBlock().charFormat().fontPointSize(), 9);
}

TEST(RtfDocument, ChoiceTextsLineUpAndWrapUnderThemselves) {
    QTextDocument document;
    document.setTextWidth(320);
    Filled(document,
           MultipleChoiceRtf("Which?\r\nA) the first choice has words enough to wrap round onto "
                             "another line of the box\r\nb. two\tthree"));
    document.documentLayout()->documentSize();
    ASSERT_EQ(document.blockCount(), 5);
    const QTextBlock question = document.findBlockByNumber(0);
    const QTextBlock first = document.findBlockByNumber(2);
    const QTextBlock second = document.findBlockByNumber(4);
    ASSERT_TRUE(first.text().startsWith("\tA)\t"));
    ASSERT_TRUE(second.text().startsWith("\tb)\t"));
    const QTextLine firstLine = first.layout()->lineAt(0);
    const QTextLine secondLine = second.layout()->lineAt(0);

    EXPECT_NEAR(question.layout()->lineAt(0).cursorToX(0), 0, 0.5);
    // Labels at the quarter inch, choice texts at the half inch, wrapped lines under them.
    EXPECT_NEAR(firstLine.cursorToX(1), Pixels(360), 0.5);
    EXPECT_NEAR(secondLine.cursorToX(1), Pixels(360), 0.5);
    EXPECT_NEAR(firstLine.cursorToX(4), Pixels(720), 0.5);
    EXPECT_NEAR(secondLine.cursorToX(4), Pixels(720), 0.5);
    // A tab past the last stop goes on to the next half inch.
    EXPECT_NEAR(secondLine.cursorToX(8), Pixels(1440), 0.5);
    ASSERT_GE(first.layout()->lineCount(), 2);
    EXPECT_NEAR(first.layout()->lineAt(1).x(), Pixels(720), 0.5);
}

TEST(RtfDocument, LoadRtfReplacesTheBoxContents) {
    QTextEdit box;
    box.setPlainText("old text");
    LoadRtf(&box, "{\\rtf1\\ansi caf\\'e9 one\\line two\\par\\pard three}");
    ASSERT_EQ(box.document()->blockCount(), 2);
    EXPECT_EQ(box.document()->firstBlock().text(),
              QString::fromUtf8("caf\xC3\xA9 one") + QChar::LineSeparator + "two");
    EXPECT_EQ(box.document()->lastBlock().text(), "three");
    EXPECT_EQ(box.textCursor().position(), 0);
}

std::string Words(int count) {
    std::string words;
    for (int i = 0; i < count; ++i)
        words += "word" + std::to_string(i % 100) + " ";
    return words;
}

const QString CutNote =
    QString::fromUtf8(QuestionCutNote.data(), qsizetype(QuestionCutNote.size()));

TEST(RtfDocument, AQuestionTooLongToLayOutIsShownCutWithANote) {
    struct TCase {
        const char* Name;
        std::string Rtf;
        bool Cut;
    };
    const std::vector<TCase> cases = {
        {"an ordinary question", MultipleChoiceRtf("Which?\r\nA) one\r\nB) two"), false},
        {"as long as the box takes", "{\\rtf1\\fs192 " + Words(2500) + "}", false},
        {"longer", "{\\rtf1\\fs192 " + Words(3500) + "}", true},
    };
    for (const TCase& c : cases) {
        QTextEdit box;
        box.resize(400, 300);
        box.show();
        LoadRtf(&box, c.Rtf);
        const QString text = box.toPlainText();
        EXPECT_EQ(text.endsWith("\n" + CutNote), c.Cut) << c.Name;
        if (c.Cut) EXPECT_TRUE(text.startsWith("word0 word1 word2 ")) << c.Name;
        EXPECT_LT(box.document()->documentLayout()->documentSize().height(), 4.2e6) << c.Name;
    }
}

// The question box of a quiz on the question that froze it: 3,500 words at 1,638 points.
TEST(RtfDocument, TheHugeFontQuestionShowsBoundedInTheQuestionBox) {
    testing::GuiBook book;
    TQuestion question;
    question.Kind = qkTrueFalse;
    question.Answer = 'T';
    question.Text = "\\fs3276 " + Words(3500);
    book.Banks[0] = {question};
    testing::MainWindow window(book);
    window.Action("QuizTrueFalseItem")->trigger();
    const auto* box = testing::In<QTextEdit>(window.form->QuizRunner(), "RichEdit1");
    ASSERT_TRUE(box->isVisible());
    const QTextDocument& document = *box->document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        EXPECT_LE(block.charFormat().fontPointSize(), MaxFontPoints);
        for (auto it = block.begin(); !it.atEnd(); ++it)
            ASSERT_LE(it.fragment().charFormat().fontPointSize(), MaxFontPoints);
    }
    EXPECT_TRUE(box->toPlainText().startsWith("word0 word1 "));
    EXPECT_TRUE(box->toPlainText().endsWith(CutNote));
    EXPECT_LT(document.documentLayout()->documentSize().height(), 4.2e6);
}

} // namespace
} // namespace quillara::gui
