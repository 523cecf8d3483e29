#include "gui/app/open_book_dialog.h"
#include "gui/shell/message_boxes.h"
#include "gui_book.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

namespace fs = std::filesystem;

// Every test starts in a folder of its own and puts the current directory back.
struct OpenBookDialog : ::testing::Test {
    OpenBookDialog() {
        Good.Write();
        const std::string bookDef = testing::TempBookDir::ReadFile(Good.Dir.Path() / "BOOK.DEF");
        for (const char* folder : {"plain", "damaged", "lower", "plain/beta", "plain/Alpha"})
            fs::create_directories(Root.Path() / folder);
        Root.Write("plain/notes.txt", "a file, not a folder");
        Root.Write("damaged/BOOK.DEF", bookDef.substr(0, 12));
        Root.Write("lower/book.def", bookDef);
    }
    ~OpenBookDialog() override { fs::current_path(Saved); }

    fs::path Folder(const char* name) const { return fs::canonical(Root.Path() / name); }
    QString Text(TOpenBookDlg& dialog, const char* edit) const {
        return dialog.findChild<QLineEdit*>(edit)->text();
    }
    QStringList Preview(TOpenBookDlg& dialog) const {
        return {Text(dialog, "Edit1"), Text(dialog, "Edit2"), Text(dialog, "Edit3")};
    }

    fs::path Saved = fs::current_path();
    testing::GuiBook Good;
    testing::TempBookDir Root;
    const QStringList GoodPreview{"Test Book", "Third text", "Second text"};
    const QStringList Empty{"", "", ""};
};

TEST_F(OpenBookDialog, PreviewsTheBookOfTheSelectedDirectory) {
    TOpenBookDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Dialog");
    for (const char* edit : {"Edit1", "Edit2", "Edit3"})
        EXPECT_TRUE(dialog.findChild<QLineEdit*>(edit)->isReadOnly());

    dialog.SelectDirectory(Good.Dir.Path());
    EXPECT_EQ(Preview(dialog), GoodPreview);
    dialog.SelectDirectory(Folder("damaged"));
    EXPECT_EQ(Preview(dialog), GoodPreview);
    dialog.SelectDirectory(Folder("plain"));
    EXPECT_EQ(Preview(dialog), Empty);
    dialog.SelectDirectory(Folder("damaged"));
    EXPECT_EQ(Preview(dialog), Empty);
    dialog.SelectDirectory(Folder("lower"));
    EXPECT_EQ(Preview(dialog), GoodPreview);
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty());
}

TEST_F(OpenBookDialog, BrowsingLeavesTheCurrentDirectoryWhereItWas) {
    fs::current_path(Folder("plain"));
    TOpenBookDlg dialog;
    EXPECT_EQ(dialog.SelectedDirectory(), Folder("plain"));

    // The list: the way up from the root, then the folders (not the files) of the directory.
    auto* list = dialog.findChild<QTreeWidget*>("DirectoryListBox1");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "/");
    QTreeWidgetItem* current = list->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(0), "plain");
    ASSERT_EQ(current->childCount(), 2);
    EXPECT_EQ(current->child(0)->text(0), "Alpha");
    EXPECT_EQ(current->child(1)->text(0), "beta");

    emit list->itemActivated(current->child(1), 0);
    EXPECT_EQ(dialog.SelectedDirectory(), Folder("plain/beta"));
    // One level up through the list.
    emit list->itemActivated(list->currentItem()->parent(), 0);
    EXPECT_EQ(dialog.SelectedDirectory(), Folder("plain"));

    dialog.SelectDirectory(Good.Dir.Path());
    EXPECT_EQ(Preview(dialog), GoodPreview);
    EXPECT_EQ(fs::current_path(), Folder("plain"));

    // A directory that cannot be entered is reported and changes nothing.
    dialog.SelectDirectory(Root.Path() / "no such folder");
    EXPECT_EQ(TMessageBoxes::Shown().size(), 1);
    EXPECT_TRUE(fs::equivalent(dialog.SelectedDirectory(), Good.Dir.Path()));
}

// From the keyboard: the list has the focus, Enter goes into a folder and opens only a book,
// and OK on a folder without a readable book says so and keeps the dialog open.
TEST_F(OpenBookDialog, EnterGoesIntoFoldersAndOpensOnlyABook) {
    fs::create_directories(Root.Path() / "shelf");
    fs::copy(Good.Dir.Path(), Root.Path() / "shelf" / "good", fs::copy_options::recursive);
    fs::current_path(Root.Path());
    TOpenBookDlg dialog;
    auto* list = dialog.findChild<QTreeWidget*>("DirectoryListBox1");
    auto* problem = dialog.findChild<QLabel*>("ProblemLabel");
    const auto child = [&](const QString& name) {
        QTreeWidgetItem* current = list->currentItem();
        for (int i = 0; i < current->childCount(); ++i)
            if (current->child(i)->text(0) == name) return current->child(i);
        return static_cast<QTreeWidgetItem*>(nullptr);
    };
    const auto enter = [&](QTreeWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        list->setCurrentItem(item);
        QTest::keyClick(list, Qt::Key_Return);
    };
    int result = -1;
    TMessageBoxes::QueueDialog([&](QDialog* shown) {
        EXPECT_EQ(shown->focusWidget(), list);
        enter(child("shelf"));
        EXPECT_EQ(dialog.SelectedDirectory(), Folder("shelf"));
        EXPECT_EQ(shown->result(), QDialog::Rejected) << "a folder without a book stays open";

        shown->findChild<QPushButton*>("OKBtn")->click();
        EXPECT_FALSE(problem->isHidden());
        EXPECT_EQ(problem->text(),
                  "There is no book in " + QString::fromStdString(Folder("shelf").string()) + ".");

        enter(child("good"));
        result = shown->result();
        return result;
    });
    EXPECT_EQ(dialog.ChooseBook(), QDialog::Accepted);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedDirectory(), Folder("shelf/good"));
    EXPECT_EQ(fs::current_path(), fs::canonical(Root.Path()));

    // A damaged book is named and not opened.
    dialog.SelectDirectory(Folder("damaged"));
    dialog.setResult(QDialog::Rejected);
    dialog.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(problem->text().startsWith("The book in " +
                                           QString::fromStdString(Folder("damaged").string()) +
                                           " cannot be opened: "))
        << problem->text().toStdString();
}

TEST_F(OpenBookDialog, TheVolumeChooserMovesTheListToAVolumeRoot) {
    fs::current_path(Folder("plain"));
    TOpenBookDlg dialog;
    auto* volumes = dialog.findChild<QComboBox*>("DriveComboBox1");
    const int root = volumes->findData(QStringLiteral("/"));
    ASSERT_GE(root, 0);
    EXPECT_GE(volumes->currentIndex(), 0);

    emit volumes->activated(root);
    EXPECT_EQ(dialog.SelectedDirectory(), fs::path("/"));
    EXPECT_EQ(volumes->currentIndex(), root);
    EXPECT_EQ(dialog.findChild<QTreeWidget*>("DirectoryListBox1")->currentItem()->text(0), "/");
}

TEST_F(OpenBookDialog, ChooseBookPreviewsAndReturnsTheAnswer) {
    fs::current_path(Good.Dir.Path());
    TOpenBookDlg dialog;
    const auto press = [](const char* button) {
        return [button](QDialog* shown) {
            shown->findChild<QPushButton*>(button)->click();
            return shown->result();
        };
    };

    QStringList previewed;
    TMessageBoxes::QueueDialog([&](QDialog* shown) {
        previewed = Preview(dialog);
        EXPECT_EQ(shown, &dialog);
        const auto* ok = dialog.findChild<QPushButton*>("OKBtn");
        EXPECT_TRUE(ok->isDefault());
        return press("OKBtn")(shown);
    });
    EXPECT_EQ(dialog.ChooseBook(), QDialog::Accepted);
    EXPECT_EQ(previewed, GoodPreview);

    TMessageBoxes::QueueDialog(press("CancelBtn"));
    EXPECT_EQ(dialog.ChooseBook(), QDialog::Rejected);
}

} // namespace
} // namespace quillara::gui
