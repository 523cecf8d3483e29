#include "gui/app/remembered.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/widgets/rtf_document.h"
#include "gui/widgets/text_size.h"
#include "main_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::MainWindow;

// Leaves the program's text size at 100% whatever a test did.
struct NormalAfterwards {
    ~NormalAfterwards() { TTextSize::Instance().Reset(); }
};

TEST(TextSize, StepsStayWithinHalfAndThreeTimes) {
    const NormalAfterwards normal;
    TTextSize& size = TTextSize::Instance();
    const struct {
        int From;
        void (TTextSize::*Step)();
        int To;
    } rows[] = {
        {100, &TTextSize::Larger, 110}, {100, &TTextSize::Smaller, 90},
        {120, &TTextSize::Larger, 125}, {120, &TTextSize::Smaller, 110},
        {300, &TTextSize::Larger, 300}, {50, &TTextSize::Smaller, 50},
        {250, &TTextSize::Larger, 300}, {67, &TTextSize::Smaller, 50},
        {180, &TTextSize::Reset, 100},
    };
    for (const auto& row : rows) {
        size.SetPercent(row.From);
        (size.*row.Step)();
        EXPECT_EQ(size.Percent(), row.To) << row.From;
    }
    size.SetPercent(1000);
    EXPECT_EQ(size.Percent(), TTextSize::Largest);
    size.SetPercent(-5);
    EXPECT_EQ(size.Percent(), TTextSize::Smallest);
}

// Each size a document names is scaled from the size it was written at, however often the text
// size changes; text with no size of its own follows the view's font, and pictures keep theirs.
TEST(TextSize, ADocumentsSizesScaleFromThoseItWasWrittenAt) {
    const NormalAfterwards normal;
    QTextEdit view;
    QFont font = view.font();
    font.setPointSize(10);
    view.setFont(font);
    FollowTextSize(&view);
    view.setHtml(QStringLiteral("<p><span style='font-size:20pt'>big</span> plain "
                                "<span style='font-size:13px'>pixels</span></p>"));
    ShowAtTextSize(&view);
    auto sizes = [&view] {
        QList<double> found;
        const QTextBlock block = view.document()->begin();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            found << (format.hasProperty(QTextFormat::FontPixelSize)
                          ? format.intProperty(QTextFormat::FontPixelSize)
                          : format.fontPointSize());
        }
        return found;
    };
    EXPECT_EQ(sizes(), (QList<double>{20, 0, 13}));
    for (int percent : {67, 300, 250, 50, 100, 175}) {
        TTextSize::Instance().SetPercent(percent);
        const double f = percent / 100.0;
        const QList<double> now = sizes();
        ASSERT_EQ(now.size(), 3);
        EXPECT_DOUBLE_EQ(now[0], 20 * f) << percent;
        EXPECT_EQ(now[1], 0) << percent;
        EXPECT_EQ(now[2], std::lround(13 * f)) << percent;
        EXPECT_DOUBLE_EQ(view.font().pointSizeF(), 10 * f) << percent;
        ShowAtTextSize(&view); // again: nothing changes
        EXPECT_EQ(sizes(), now) << percent;
    }
}

// The question box, a topic page, the glossary, the notes and the help follow Ctrl+plus,
// Ctrl+minus and Ctrl+0 and the View menu's items, which reach their ends and stop there.
TEST(TextSize, KeysAndViewMenuScaleEveryReadingView) {
    const NormalAfterwards normal;
    GuiBook book;
    TQuestion question;
    question.Kind = qkTrueFalse;
    question.Answer = 'T';
    question.Text = "\\fs40 Is it so?";
    book.Banks[0] = {question};
    MainWindow window(book);
    window.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.form.get()));

    window.Action(("TopicItem" + std::to_string(window.session.Book().Topics[0].TopicId)).c_str())
        ->trigger();
    auto* page = window.Child<QTextBrowser>("htmlLite1");
    const double pagePoints = page->font().pointSizeF();
    QTest::keyClick(page, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(TTextSize::Instance().Percent(), 110);
    EXPECT_DOUBLE_EQ(page->font().pointSizeF(), pagePoints * 1.1);
    QTest::keyClick(page, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(TTextSize::Instance().Percent(), 125);
    QTest::keyClick(page, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(TTextSize::Instance().Percent(), 110);
    QTest::keyClick(page, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(TTextSize::Instance().Percent(), 100);
    EXPECT_FALSE(window.Action("NormalTextSizeItem")->isEnabled());

    for (int i = 0; i < 20; ++i)
        window.Action("LargerTextItem")->trigger();
    EXPECT_EQ(TTextSize::Instance().Percent(), TTextSize::Largest);
    EXPECT_FALSE(window.Action("LargerTextItem")->isEnabled());
    EXPECT_DOUBLE_EQ(page->font().pointSizeF(), pagePoints * 3);

    window.Action("GlossaryItem")->trigger();
    auto* definition = window.Child<QTextEdit>("Definition");
    window.Action("AuthorsNotesItem")->trigger();
    auto* notes = window.Child<QPlainTextEdit>("Memo1");
    window.Action("QuizTrueFalseItem")->trigger();
    auto* box = window.form->QuizRunner()->findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    ASSERT_TRUE(box && definition && notes);
    const auto boxPoints = [box] {
        return box->document()->begin().begin().fragment().charFormat().fontPointSize();
    };
    EXPECT_DOUBLE_EQ(boxPoints(), 20 * 3);
    const double definitionPoints = definition->font().pointSizeF();
    const double notesPoints = notes->font().pointSizeF();

    window.Action("SmallerTextItem")->trigger(); // 250%
    EXPECT_DOUBLE_EQ(boxPoints(), 20 * 2.5);
    EXPECT_DOUBLE_EQ(definition->font().pointSizeF(), definitionPoints / 3 * 2.5);
    EXPECT_DOUBLE_EQ(notes->font().pointSizeF(), notesPoints / 3 * 2.5);
    for (int i = 0; i < 20; ++i)
        window.Action("SmallerTextItem")->trigger();
    EXPECT_EQ(TTextSize::Instance().Percent(), TTextSize::Smallest);
    EXPECT_FALSE(window.Action("SmallerTextItem")->isEnabled());
    EXPECT_DOUBLE_EQ(boxPoints(), 10);
    // The answer buttons stay whole at every size.
    EXPECT_TRUE(
        window.form->QuizRunner()->findChild<QWidget*>(QStringLiteral("ButtonTrue"))->isVisible());
}

TEST(TextSize, IsRememberedBetweenRuns) {
    QTemporaryDir home;
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    EXPECT_EQ(RememberedTextSize(), 100);
    RememberTextSize(175);
    EXPECT_EQ(RememberedTextSize(), 175);
    // A value written by hand out of range is brought within it.
    RememberTextSize(900);
    EXPECT_EQ(RememberedTextSize(), TTextSize::Largest);
    if (before.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", before);
}

} // namespace
} // namespace quillara::gui
