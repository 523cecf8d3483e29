#include "gui/app/open_book_dialog.h"

#include "gui/shell/message_boxes.h"
#include "core/book/book_files.h"
#include "core/book/book_properties.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <exception>
#include <system_error>

namespace quillara::gui {

namespace {

QString FromPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}

// Volumes a book can lie on: memory-only and image file systems are left out, the root never is.
bool IsBookVolume(const QStorageInfo& volume) {
    if (!volume.isValid() || !volume.isReady()) return false;
    if (volume.isRoot()) return true;
    static const QByteArrayList notForBooks{"tmpfs",   "devtmpfs", "ramfs",   "squashfs",
                                            "overlay", "autofs",   "efivarfs"};
    return !notForBooks.contains(volume.fileSystemType());
}

// Whether the path lies in the directory or is it.
bool IsInside(const std::filesystem::path& path, const std::filesystem::path& directory) {
    const auto relative = path.lexically_relative(directory);
    return !relative.empty() && *relative.begin() != "..";
}

// Every level of the list is always open, so branch arrows would only be noise.
class TDirectoryTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

} // namespace

TOpenBookDlg::TOpenBookDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OpenBookDlg"));
    setWindowTitle(QStringLiteral("Dialog"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    auto* caption = new QLabel(QStringLiteral("Book in currently selected directory:"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    Edit3 = new QLineEdit(this);
    int number = 1;
    for (QLineEdit* edit : {Edit1, Edit2, Edit3}) {
        edit->setObjectName(QStringLiteral("Edit%1").arg(number++));
        edit->setReadOnly(true);
    }
    NameControl(Edit1, QStringLiteral("Title of the book"), caption->text());
    NameControl(Edit2, QStringLiteral("About the book, line 2"), caption->text());
    NameControl(Edit3, QStringLiteral("About the book, line 3"), caption->text());

    DirectoryListBox1 = new TDirectoryTree(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    NameControl(DirectoryListBox1, QStringLiteral("Directories"));
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setRootIsDecorated(false);
    DirectoryListBox1->setItemsExpandable(false);
    DirectoryListBox1->setIndentation(12);
    connect(DirectoryListBox1, &QTreeWidget::itemActivated, this,
            &TOpenBookDlg::DirectoryListBox1Change);

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    NameControl(DriveComboBox1, QStringLiteral("Drive"));
    connect(DriveComboBox1, &QComboBox::activated, this, &TOpenBookDlg::DriveComboBox1Change);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0, 1, 2);
    layout->addWidget(Edit1, 1, 0, 1, 2);
    layout->addWidget(Edit2, 2, 0, 1, 2);
    layout->addWidget(Edit3, 3, 0, 1, 2);
    layout->setRowMinimumHeight(4, 8);
    layout->addWidget(DirectoryListBox1, 5, 0, 3, 1);
    layout->addWidget(OKBtn, 5, 1);
    layout->addWidget(CancelBtn, 6, 1);
    layout->setRowStretch(7, 1);
    layout->addWidget(DriveComboBox1, 8, 0);
    layout->setColumnStretch(0, 1);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, DirectoryListBox1);
    setTabOrder(DirectoryListBox1, DriveComboBox1);

    std::error_code error;
    Directory = std::filesystem::current_path(error);
    // A current directory that no longer exists leaves nothing to start from but the root.
    if (error) Directory = "/";
    FillVolumes();
    ShowDirectory();

    resize(460, 440);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TOpenBookDlg::RefreshPreview() {
    if (!FindBookFile(Directory, "BOOK.DEF")) {
        Edit1->clear();
        Edit2->clear();
        Edit3->clear();
        return;
    }
    try {
        // Only the texts are wanted; the book is dropped at once.
        const auto book = LoadBookProperties(Directory, TRegionalSettings{});
        Edit1->setText(FromBook(book->Title));
        Edit2->setText(FromBook(book->Text3));
        Edit3->setText(FromBook(book->Text2));
    } catch (const std::exception&) {
        // An unreadable book keeps the last preview.
    }
}

int TOpenBookDlg::ChooseBook() {
    // The folders may have changed since the dialog was last open.
    FillVolumes();
    ShowDirectory();
    RefreshPreview();
    OKBtn->setFocus();
    return TMessageBoxes::Exec(this);
}

void TOpenBookDlg::StartInWhenNoBook(const std::filesystem::path& directory) {
    if (FindBookFile(Directory, "BOOK.DEF") || !FindBookFile(directory, "BOOK.DEF")) return;
    std::error_code error;
    const auto canonical = std::filesystem::canonical(directory, error);
    Directory = error ? std::filesystem::absolute(directory).lexically_normal() : canonical;
    ShowDirectory();
}

void TOpenBookDlg::SelectDirectory(const std::filesystem::path& directory) {
    if (!QDir::setCurrent(FromPath(directory))) {
        TMessageBoxes::Error(
            this, QStringLiteral("Cannot open the directory \"%1\".").arg(FromPath(directory)));
        return;
    }
    std::error_code error;
    const auto current = std::filesystem::current_path(error);
    Directory = error ? std::filesystem::absolute(directory).lexically_normal() : current;
    ShowDirectory();
    RefreshPreview();
}

void TOpenBookDlg::DirectoryListBox1Change(QTreeWidgetItem* item) {
    SelectDirectory(ToPath(item->data(0, Qt::UserRole).toString()));
}

void TOpenBookDlg::DriveComboBox1Change(int index) {
    if (index >= 0) SelectDirectory(ToPath(DriveComboBox1->itemData(index).toString()));
}

void TOpenBookDlg::FillVolumes() {
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    volumes.removeIf([](const QStorageInfo& volume) { return !IsBookVolume(volume); });
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.rootPath() < b.rootPath();
    });
    DriveComboBox1->clear();
    for (const QStorageInfo& volume : volumes) {
        const QString name = volume.name();
        DriveComboBox1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon),
                                name.isEmpty()
                                    ? volume.rootPath()
                                    : QStringLiteral("%1 [%2]").arg(volume.rootPath(), name),
                                volume.rootPath());
    }
}

void TOpenBookDlg::ShowDirectory() {
    DirectoryListBox1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The way up: every ancestor from the root, each nested in the one before.
    QTreeWidgetItem* parentItem = nullptr;
    std::filesystem::path walked;
    for (const auto& part : Directory) {
        if (part.empty()) continue; // the trailing separator of a path ending in "/"
        walked /= part;
        const QString text = parentItem ? FromPath(part) : FromPath(walked);
        auto* item = parentItem ? new QTreeWidgetItem(parentItem, {text})
                                : new QTreeWidgetItem(DirectoryListBox1, {text});
        item->setIcon(0, open);
        item->setData(0, Qt::UserRole, FromPath(walked));
        parentItem = item;
    }
    if (!parentItem) return;
    DirectoryListBox1->setCurrentItem(parentItem);

    const QFileInfoList children =
        QDir(FromPath(Directory))
            .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        auto* item = new QTreeWidgetItem(parentItem, {child.fileName()});
        item->setIcon(0, closed);
        item->setData(0, Qt::UserRole, child.absoluteFilePath());
    }
    DirectoryListBox1->expandAll();
    DirectoryListBox1->scrollToItem(parentItem, QAbstractItemView::PositionAtTop);

    // The volume chooser shows the innermost listed volume that holds the directory.
    int volume = -1;
    std::size_t longest = 0;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const auto root = ToPath(DriveComboBox1->itemData(i).toString());
        const auto length = root.native().size();
        if (IsInside(Directory, root) && (volume < 0 || length > longest)) {
            volume = i;
            longest = length;
        }
    }
    DriveComboBox1->setCurrentIndex(volume);
}

} // namespace quillara::gui
