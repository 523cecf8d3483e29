#include "accessible_tree.h"
#include "gui_book.h"
#include "window_tour.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::ShownWindow;

TEST(EveryWindow, BearsItsCaptionNamesItsControlsAndPicturesAndTabReachesItsButtons) {
    GuiBook book;
    book.Book.Title = "Cells [*] and Energy"; // not the mark of a modified document
    QStringList moments;
    testing::VisitEveryWindow(book, [&](const ShownWindow& shown) {
        moments << shown.Moment;
        EXPECT_TRUE(shown.Window->isVisible()) << shown.Moment.toStdString();
        // As the desktop shows it.
        EXPECT_EQ(shown.Window->windowHandle()->title().toStdString(), shown.Caption.toStdString())
            << shown.Moment.toStdString();
        EXPECT_EQ(testing::UnnamedControls(shown.Window).join(", ").toStdString(), "")
            << shown.Moment.toStdString();
        EXPECT_EQ(testing::ControlsTabMisses(shown.Window).join(", ").toStdString(), "")
            << shown.Moment.toStdString();
    });
    EXPECT_EQ(moments.size(), 18) << moments.join(", ").toStdString();
}

} // namespace
} // namespace quillara::gui
