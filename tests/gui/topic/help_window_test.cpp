#include "gui/help/help_window.h"
#include "browser_clicks.h"
#include "gui/widgets/readable_measure.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFrame>
#include <gtest/gtest.h>

using quillara::gui::THelpWindow;

namespace {

QList<QTextCharFormat> Formats(const QTextDocument* document) {
    QList<QTextCharFormat> formats;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            formats.append(it.fragment().charFormat());
    return formats;
}

QStringList AnchorNames(const QTextDocument* document) {
    QStringList names;
    for (const QTextCharFormat& format : Formats(document))
        names += format.anchorNames();
    return names;
}

struct HelpWindowTest : ::testing::Test {
    QTextBrowser* Browser() { return help.findChild<QTextBrowser*>("helpBrowser"); }
    THelpWindow help;
};
} // namespace

TEST_F(HelpWindowTest, OpensAtTheContentsOrAtTheSectionOfAContext) {
    help.ShowContents();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentSection(), "contents");
    EXPECT_TRUE(Browser()->toPlainText().startsWith("Quillara Help"));

    const std::pair<int, QString> sections[] = {{10000, "main-window"},
                                                {10003, "quiz-runner"},
                                                {10007, "test-window"},
                                                {10001, "glossary"},
                                                {4242, "contents"}};
    for (const auto& [context, section] : sections) {
        help.ShowContext(context);
        EXPECT_EQ(help.CurrentSection(), section) << context;
        EXPECT_TRUE(Browser()->toPlainText().contains(section == "contents" ? "Quillara Help"
                                                                            : "Contents"));
    }
}

TEST_F(HelpWindowTest, FollowsLinksBetweenHelpPagesOnly) {
    help.resize(700, 600);
    help.ShowContents();
    ClickText(Browser(), "Quizzes");
    EXPECT_EQ(help.CurrentSection(), "quizzes");
    help.findChild<QPushButton*>("helpBackButton")->click();
    EXPECT_EQ(help.CurrentSection(), "contents");

    emit Browser()->anchorClicked(QUrl("https://example.com/quizzes.html"));
    emit Browser()->anchorClicked(QUrl("file:///etc/passwd"));
    EXPECT_EQ(Browser()->source(), QUrl("qrc:/help/contents.html"));
}

TEST(HelpPages, EveryLinkLeadsToAPageAndAnchorThatExist) {
    const QStringList pages = QDir(":/help").entryList({"*.html"});
    ASSERT_GE(pages.size(), 7);
    QTextBrowser page, target;
    for (const QString& name : pages) {
        page.setSource(QUrl("qrc:/help/" + name));
        for (const QTextCharFormat& format : Formats(page.document())) {
            if (format.anchorHref().isEmpty()) continue;
            const QUrl link = page.source().resolved(QUrl(format.anchorHref()));
            SCOPED_TRACE(name.toStdString() + " -> " + link.toString().toStdString());
            ASSERT_EQ(link.scheme(), "qrc");
            target.setSource(link);
            EXPECT_FALSE(target.toPlainText().isEmpty());
            if (link.hasFragment())
                EXPECT_TRUE(AnchorNames(target.document()).contains(link.fragment()));
        }
    }
}

namespace {

// The help keeps a readable measure on a wide window, on every page it opens.
TEST(HelpWindow, PagesKeepAReadableMeasureOnAWideWindow) {
    quillara::gui::THelpWindow help;
    help.resize(2000, 600);
    help.ShowContents();
    QApplication::processEvents();
    auto* browser = help.findChild<QTextBrowser*>("helpBrowser");
    for (int page = 0; page < 2; ++page) {
        const QTextFrameFormat format = browser->document()->rootFrame()->frameFormat();
        EXPECT_NEAR(browser->viewport()->width() - format.leftMargin() - format.rightMargin(),
                    quillara::gui::ReadableMeasure(browser), 2)
            << page;
        help.ShowContext(10003);
        QApplication::processEvents();
    }
}

} // namespace
