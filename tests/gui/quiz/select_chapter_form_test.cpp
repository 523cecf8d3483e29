#include "gui/shell/message_boxes.h"
#include "core/book/book_properties.h"
#include "gui/quiz/select_chapter_form.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace quillara::gui {
namespace {

QListWidget* Chapters(QDialog* d) {
    return d->findChild<QListWidget*>("ChapterList");
}

QComboBox* Sizes(QDialog* d) {
    return d->findChild<QComboBox*>("TestSizeList");
}

QStringList Items(QDialog* d, Qt::CheckState state) {
    QStringList texts;
    for (int i = 0; i < Chapters(d)->count(); ++i)
        if (Chapters(d)->item(i)->checkState() == state) texts << Chapters(d)->item(i)->text();
    return texts;
}

std::vector<int> Members(const TChapterSet& set) {
    std::vector<int> members;
    for (int i = 0; i < 256; ++i)
        if (set.test(static_cast<std::size_t>(i))) members.push_back(i);
    return members;
}

struct SelectChapter : ::testing::Test {
    SelectChapter() {
        Book.ChapterCount = 4;
        Book.ChapterNames = {"Cells", "Energy", "Genes", "Caf\xe9s"};
    }

    TBookProperties Book;
    TSelectChapterForm Form;
};

TEST_F(SelectChapter, EveryOpeningStartsUntickedWithTwentyQuestions) {
    struct Case {
        std::vector<int> ticks;
        int size;
        const char* button;
        bool ok;
        std::vector<int> chapters;
        int testSize;
    };
    const std::vector<Case> cases{
        {{}, 1, "OKBtn", true, {}, 20},
        {{2, 4}, 4, "OKBtn", true, {2, 4}, 50},
        {{1, 2, 3, 4}, 9, "OKBtn", true, {1, 2, 3, 4}, 100},
        {{1}, -1, "OKBtn", true, {1}, 0},
        {{1, 3}, 2, "CancelBtn", false, {1, 3}, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.testSize);
        TMessageBoxes::QueueDialog([&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), "Chapter");
            EXPECT_EQ(Items(d, Qt::Unchecked),
                      QStringList({"Cells", "Energy", "Genes", QString::fromUtf8("Caf\u00e9s")}));
            EXPECT_EQ(Chapters(d)->currentRow(), 0);
            EXPECT_EQ(d->focusWidget(), Chapters(d));
            EXPECT_EQ(Sizes(d)->count(), 10);
            EXPECT_EQ(Sizes(d)->itemText(0), "10 questions");
            EXPECT_EQ(Sizes(d)->itemText(9), "100 questions");
            EXPECT_EQ(Sizes(d)->currentText(), "20 questions");
            for (const int chapter : c.ticks)
                Chapters(d)->item(chapter - 1)->setCheckState(Qt::Checked);
            Sizes(d)->setCurrentIndex(c.size);
            d->findChild<QPushButton*>(c.button)->click();
            return d->result();
        });
        EXPECT_EQ(Form.ExecuteDialog(Book), c.ok);
        EXPECT_EQ(Members(Form.SelectedChapters(Book.ChapterCount)), c.chapters);
        EXPECT_EQ(Form.TestSize(), c.testSize);
    }
}

TEST_F(SelectChapter, TheKeyboardTicksChaptersAndAnswers) {
    struct Case {
        const char* focus;
        Qt::Key key;
        bool ok;
    };
    const std::vector<Case> cases{
        {"ChapterList", Qt::Key_Return, true},  {"TestSizeList", Qt::Key_Return, true},
        {"CancelBtn", Qt::Key_Enter, false},    {"CancelBtn", Qt::Key_Space, false},
        {"ChapterList", Qt::Key_Escape, false},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<char[]> keyName(QTest::toString(c.key));
        SCOPED_TRACE(std::string(c.focus) + " " + keyName.get());
        TMessageBoxes::QueueDialog([&](QDialog* d) {
            d->show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(d));
            // Space, Down, Space, Space, Down, Space: chapters 1 and 3, the second untouched.
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Space,
                                      Qt::Key_Down, Qt::Key_Space})
                QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_EQ(Items(d, Qt::Checked), QStringList({"Cells", "Genes"}));
            auto* target = d->findChild<QWidget*>(c.focus);
            target->setFocus();
            QTest::keyClick(target, c.key);
            EXPECT_FALSE(d->isVisible());
            return d->result();
        });
        EXPECT_EQ(Form.ExecuteDialog(Book), c.ok);
    }
}

TEST_F(SelectChapter, OffersTheChaptersTheBookCounts) {
    // As in the main window's chapter chooser, the list follows ChapterCount (at most 255);
    // the set never names a chapter the list did not offer.
    struct Case {
        int count;
        std::vector<std::string> names;
        QStringList items;
        int readBackTo;
        std::vector<int> chapters;
    };
    const std::vector<Case> cases{
        {2, {"A", "B", "C"}, {"A", "B"}, 3, {1, 2}},
        {3, {"A"}, {"A", "", ""}, 3, {1, 2, 3}},
        {3, {"A", "B", "C"}, {"A", "B", "C"}, 2, {1, 2}},
        {2, {"A", "B"}, {"A", "B"}, 40, {1, 2}},
        {0, {}, {}, 0, {}},
        {-3, {"A"}, {}, -3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        Book.ChapterCount = static_cast<std::int16_t>(c.count);
        Book.ChapterNames = c.names;
        TMessageBoxes::QueueDialog([&](QDialog* d) {
            EXPECT_EQ(Items(d, Qt::Unchecked), c.items);
            for (int i = 0; i < Chapters(d)->count(); ++i)
                Chapters(d)->item(i)->setCheckState(Qt::Checked);
            return int(QDialog::Accepted);
        });
        EXPECT_TRUE(Form.ExecuteDialog(Book));
        EXPECT_EQ(Members(Form.SelectedChapters(c.readBackTo)), c.chapters);
    }

    Book.ChapterCount = 300;
    Book.ChapterNames.assign(300, "Chapter");
    TMessageBoxes::QueueDialog([](QDialog* d) {
        EXPECT_EQ(Chapters(d)->count(), 255);
        Chapters(d)->item(254)->setCheckState(Qt::Checked);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(Form.ExecuteDialog(Book));
    EXPECT_EQ(Members(Form.SelectedChapters(Book.ChapterCount)), std::vector<int>{255});
}

} // namespace
} // namespace quillara::gui
