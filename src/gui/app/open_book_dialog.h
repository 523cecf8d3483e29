#pragma once

#include <QDialog>
#include <filesystem>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillara::gui {

// Lets the student browse to a book's directory, previewing the book found in each one. Browsing
// leaves the process's current directory as it is, so that nothing read or saved against it
// moves. OK opens only a folder that holds a book it can read; otherwise the dialog says why and
// stays.
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
    // What choosing a directory in the list does: it becomes the selected directory, and the
    // list and the preview follow.
    void SelectDirectory(const std::filesystem::path& directory);
    // OK: closes with Accepted when the selected folder holds a book that can be read.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FolderChosen(QTreeWidgetItem* item);
    // Enter on a folder: opens its book when it holds one, else goes into it.
    void FolderEntered(QTreeWidgetItem* item);
    void VolumeChosen(int index);
    void FillVolumes();
    // Lists the selected directory under its ancestors and shows the volume it lies on.
    void ShowDirectory();

    std::filesystem::path Directory;
    QLineEdit* TitleBox;
    QLineEdit* EditionBox;
    QLineEdit* SubtitleBox;
    // Why OK did not open the selected folder; empty until it is pressed there.
    QLabel* Problem;
    // Why the selected folder's book cannot be opened; empty when it can.
    QString BookProblem;
    QTreeWidget* FolderList;
    QComboBox* VolumeChooser;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

} // namespace quillara::gui
