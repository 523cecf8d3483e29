#pragma once

#include <QDialog>
#include <filesystem>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillara::gui {

// Lets the student browse to a book's directory, previewing the book found in each one.
// Browsing changes the process's current directory: the one place the program does so.
class TOpenBookDlg : public QDialog {
    Q_OBJECT

public:
    explicit TOpenBookDlg(QWidget* parent = nullptr);

    // Shows the title and the two texts of the selected directory's BOOK.DEF; empty boxes when
    // there is none, unchanged boxes when it cannot be read.
    void RefreshPreview();
    // Refreshes, then runs the dialog modally; QDialog::Accepted or Rejected.
    int ChooseBook();

    std::filesystem::path SelectedDirectory() const { return Directory; }
    // Starts the list in `directory` instead when the current directory holds no book but it
    // does: a student who opens the program from the desktop's menu is in the home folder and
    // sees the installed demo book at once. The current directory stays as it is.
    void StartInWhenNoBook(const std::filesystem::path& directory);
    // What choosing a directory in the list does: it becomes the selected and the current
    // directory, and the list and the preview follow.
    void SelectDirectory(const std::filesystem::path& directory);

private:
    void FolderChosen(QTreeWidgetItem* item);
    void VolumeChosen(int index);
    void FillVolumes();
    // Lists the selected directory under its ancestors and shows the volume it lies on.
    void ShowDirectory();

    std::filesystem::path Directory;
    QLineEdit* TitleBox;
    QLineEdit* EditionBox;
    QLineEdit* SubtitleBox;
    QTreeWidget* FolderList;
    QComboBox* VolumeChooser;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

} // namespace quillara::gui
