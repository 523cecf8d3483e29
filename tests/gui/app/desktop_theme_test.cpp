#include "core/chart/chart_canvas.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/scores/grapher_widget.h"
#include "gui/widgets/white_background.h"
#include "main_window.h"

#include <QApplication>
#include <QLabel>
#include <QTextBrowser>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::MainWindow;

// The desktop's palette for the length of a test: light as Qt's own, or a dark theme's.
class DesktopPalette {
public:
    explicit DesktopPalette(bool dark) {
        if (!dark) return;
        QPalette palette = Before;
        palette.setColor(QPalette::Window, QColor(45, 45, 48));
        palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
        palette.setColor(QPalette::Base, QColor(30, 30, 30));
        palette.setColor(QPalette::Text, QColor(235, 235, 235));
        palette.setColor(QPalette::Button, QColor(60, 60, 64));
        palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        palette.setColor(QPalette::Link, QColor(120, 170, 255));
        QApplication::setPalette(palette);
    }
    ~DesktopPalette() { QApplication::setPalette(Before); }

private:
    QPalette Before = QApplication::palette();
};

double Luminance(const QColor& colour) {
    auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Pages, questions and the reading views take the desktop's base and text colours, light or
// dark, unless a page names colours of its own; a light desktop sees them as it always did.
TEST(DesktopTheme, PagesAndQuestionsTakeTheDesktopsColoursUnlessThePageNamesItsOwn) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        const DesktopPalette desktop(dark);
        const QColor base = QApplication::palette().color(QPalette::Base);
        const QColor text = QApplication::palette().color(QPalette::Text);
        GuiBook book;
        book.Pages[0][0].Page = "<p>Plain words and <a href=\"x.htm\">a link</a>.</p>";
        book.Pages[0][1].Page = "<p><font color=\"#800000\">Words in the page's red.</font></p>";
        TQuestion question;
        question.Kind = qkTrueFalse;
        question.Answer = 'T';
        question.Text = "Is it so?";
        book.Banks[0] = {question};
        MainWindow window(book);
        EXPECT_EQ(window.form->palette().color(QPalette::Window), base);
        auto* heading = window.Child<QLabel>("QuizzesHeading");
        EXPECT_GE(Contrast(heading->palette().color(QPalette::WindowText), base), 4.5);

        const auto& topics = window.session.Book().Topics;
        auto* page = window.Child<QTextBrowser>("htmlLite1");
        window.Action(("TopicItem" + std::to_string(topics[0].TopicId)).c_str())->trigger();
        page = window.Child<QTextBrowser>("htmlLite1");
        EXPECT_EQ(page->palette().color(QPalette::Base), base);
        EXPECT_EQ(page->palette().color(QPalette::Text), text);
        EXPECT_EQ(window.Child("ViewTopicFrame1")->palette().color(QPalette::Window), base);
        window.Action(("TopicItem" + std::to_string(topics[1].TopicId)).c_str())->trigger();
        EXPECT_EQ(page->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_EQ(page->palette().color(QPalette::Text), QColor(Qt::black));

        window.Action("QuizTrueFalseItem")->trigger();
        TTestFrame1* runner = window.form->QuizRunner();
        EXPECT_EQ(runner->palette().color(QPalette::Window), base);
        auto* box = runner->findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        EXPECT_EQ(box->palette().color(QPalette::Base), base);
        EXPECT_EQ(box->palette().color(QPalette::Text), text);
    }
}

// On a dark desktop the chart's white is the base and every colour it draws in keeps a readable
// contrast with it; on a light one the chart is drawn in the colours it names.
TEST(DesktopTheme, ChartsKeepTheirContrastOnADarkDesktop) {
    const TChartColor colours[] = {clBlack, clRed, clGreen, clBlue, clYellow, {121, 52, 71}};
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        const DesktopPalette desktop(dark);
        const QPalette palette = QApplication::palette();
        for (const TChartColor& c : colours) {
            const QColor named(c.r, c.g, c.b);
            const QColor shown = OnBase(named, palette);
            if (dark)
                EXPECT_GE(Contrast(shown, palette.color(QPalette::Base)), 4.5)
                    << named.name().toStdString();
            else
                EXPECT_EQ(shown, named);
        }
        TGrapherWidget chart;
        chart.resize(320, 240);
        const QImage image = chart.RenderImage();
        EXPECT_EQ(image.pixelColor(0, 0), dark ? palette.color(QPalette::Base) : QColor(Qt::white));
    }
}

} // namespace
} // namespace quillara::gui
