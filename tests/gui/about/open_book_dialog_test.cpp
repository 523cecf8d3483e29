#include "gui/shell/message_boxes.h"
#include "gui/app/open_book_dialog.h"
#include "gui_book.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

namespace fs = std::filesystem;

// Browsing moves the process's current directory; every test puts it back.
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

TEST_F(OpenBookDialog, BrowsingMovesTheCurrentDirectory) {
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
    EXPECT_EQ(fs::current_path(), Folder("plain/beta"));

    // One level up through the list.
    emit list->itemActivated(list->currentItem()->parent(), 0);
    EXPECT_EQ(fs::current_path(), Folder("plain"));

    dialog.SelectDirectory(Good.Dir.Path());
    EXPECT_TRUE(fs::equivalent(fs::current_path(), Good.Dir.Path()));
    EXPECT_EQ(Preview(dialog), GoodPreview);

    // A directory that cannot be entered is reported and changes nothing.
    dialog.SelectDirectory(Root.Path() / "no such folder");
    EXPECT_EQ(TMessageBoxes::Shown().size(), 1);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), Good.Dir.Path()));
    EXPECT_TRUE(fs::equivalent(dialog.SelectedDirectory(), Good.Dir.Path()));
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
    EXPECT_EQ(fs::current_path(), fs::path("/"));
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
        EXPECT_EQ(shown->focusWidget(), ok);
        return press("OKBtn")(shown);
    });
    EXPECT_EQ(dialog.ChooseBook(), QDialog::Accepted);
    EXPECT_EQ(previewed, GoodPreview);

    TMessageBoxes::QueueDialog(press("CancelBtn"));
    EXPECT_EQ(dialog.ChooseBook(), QDialog::Rejected);
}

} // namespace
} // namespace quillara::gui
