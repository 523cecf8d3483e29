#include "gui/app/open_book_dialog.h"

#include "core/book/book_files.h"
#include "core/book/book_properties.h"
#include "gui/shell/message_boxes.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
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
    setWindowTitle(tr("Dialog"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    auto* caption = new QLabel(tr("Book in currently selected directory:"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    TitleBox = new QLineEdit(this);
    EditionBox = new QLineEdit(this);
    SubtitleBox = new QLineEdit(this);
    int number = 1;
    for (QLineEdit* edit : {TitleBox, EditionBox, SubtitleBox}) {
        edit->setObjectName(QStringLiteral("Edit%1").arg(number++));
        edit->setReadOnly(true);
    }
    NameControl(TitleBox, tr("Title of the book"), caption->text());
    NameControl(EditionBox, tr("About the book, line 2"), caption->text());
    NameControl(SubtitleBox, tr("About the book, line 3"), caption->text());

    FolderList = new TDirectoryTree(this);
    FolderList->setObjectName(QStringLiteral("DirectoryListBox1"));
    NameControl(FolderList, tr("Directories"));
    FolderList->setHeaderHidden(true);
    FolderList->setRootIsDecorated(false);
    FolderList->setItemsExpandable(false);
    FolderList->setIndentation(12);
    // A double click goes into a folder; Enter is read before the list would pass it on to OK.
    connect(FolderList, &QTreeWidget::itemActivated, this, &TOpenBookDlg::FolderChosen);
    FolderList->installEventFilter(this);

    Problem = new QLabel(this);
    Problem->setObjectName(QStringLiteral("ProblemLabel"));
    Problem->setWordWrap(true);
    Problem->setTextFormat(Qt::PlainText);
    Problem->hide();

    VolumeChooser = new QComboBox(this);
    VolumeChooser->setObjectName(QStringLiteral("DriveComboBox1"));
    NameControl(VolumeChooser, tr("Drive"));
    connect(VolumeChooser, &QComboBox::activated, this, &TOpenBookDlg::VolumeChosen);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0, 1, 2);
    layout->addWidget(TitleBox, 1, 0, 1, 2);
    layout->addWidget(EditionBox, 2, 0, 1, 2);
    layout->addWidget(SubtitleBox, 3, 0, 1, 2);
    layout->setRowMinimumHeight(4, 8);
    layout->addWidget(FolderList, 5, 0, 3, 1);
    layout->addWidget(OKBtn, 5, 1);
    layout->addWidget(CancelBtn, 6, 1);
    layout->setRowStretch(7, 1);
    layout->addWidget(VolumeChooser, 8, 0);
    layout->addWidget(Problem, 9, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    // The list first: it is what the student came to use.
    setTabOrder(FolderList, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, VolumeChooser);
    setTabOrder(VolumeChooser, TitleBox);
    setTabOrder(TitleBox, EditionBox);
    setTabOrder(EditionBox, SubtitleBox);

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
        TitleBox->clear();
        EditionBox->clear();
        SubtitleBox->clear();
        BookProblem = tr("There is no book in %1.").arg(FromPath(Directory));
        return;
    }
    try {
        // Only the texts are wanted; the book is dropped at once.
        const auto book = LoadBookProperties(Directory, TRegionalSettings{});
        TitleBox->setText(FromBook(book->Title));
        EditionBox->setText(FromBook(book->Text3));
        SubtitleBox->setText(FromBook(book->Text2));
        BookProblem = book->LoadFailed ? QString::fromStdString(book->LoadError) : QString();
    } catch (const std::exception& e) {
        // An unreadable book keeps the last preview.
        BookProblem = QString::fromStdString(e.what());
    }
    if (!BookProblem.isEmpty())
        BookProblem =
            tr("The book in %1 cannot be opened: %2").arg(FromPath(Directory), BookProblem);
}

int TOpenBookDlg::ChooseBook() {
    // The folders may have changed since the dialog was last open.
    FillVolumes();
    ShowDirectory();
    RefreshPreview();
    Problem->hide();
    FolderList->setFocus();
    return TMessageBoxes::Exec(this);
}

void TOpenBookDlg::accept() {
    RefreshPreview();
    if (BookProblem.isEmpty()) {
        QDialog::accept();
        return;
    }
    Problem->setText(BookProblem);
    Problem->show();
    Problem->setAccessibleName(BookProblem);
    FolderList->setFocus();
}

void TOpenBookDlg::StartInWhenNoBook(const std::filesystem::path& directory) {
    if (FindBookFile(Directory, "BOOK.DEF") || !FindBookFile(directory, "BOOK.DEF")) return;
    std::error_code error;
    const auto canonical = std::filesystem::canonical(directory, error);
    Directory = error ? std::filesystem::absolute(directory).lexically_normal() : canonical;
    ShowDirectory();
}

void TOpenBookDlg::SelectDirectory(const std::filesystem::path& directory) {
    std::error_code error;
    const auto canonical = std::filesystem::canonical(std::filesystem::absolute(directory), error);
    if (error || !QDir(FromPath(canonical)).isReadable()) {
        TMessageBoxes::Error(this,
                             tr("Cannot open the directory \"%1\".").arg(FromPath(directory)));
        return;
    }
    Directory = canonical;
    Problem->hide();
    ShowDirectory();
    RefreshPreview();
}

void TOpenBookDlg::FolderChosen(QTreeWidgetItem* item) {
    SelectDirectory(ToPath(item->data(0, Qt::UserRole).toString()));
}

void TOpenBookDlg::FolderEntered(QTreeWidgetItem* item) {
    if (!item) return;
    const auto folder = ToPath(item->data(0, Qt::UserRole).toString());
    std::error_code error;
    const auto target = std::filesystem::canonical(folder, error);
    // The list is made afresh for the folder entered, this item with it.
    SelectDirectory(folder);
    if (!error && Directory == target && FindBookFile(Directory, "BOOK.DEF")) accept();
}

bool TOpenBookDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FolderList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FolderEntered(FolderList->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOpenBookDlg::VolumeChosen(int index) {
    if (index >= 0) SelectDirectory(ToPath(VolumeChooser->itemData(index).toString()));
}

void TOpenBookDlg::FillVolumes() {
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    volumes.removeIf([](const QStorageInfo& volume) { return !IsBookVolume(volume); });
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.rootPath() < b.rootPath();
    });
    VolumeChooser->clear();
    for (const QStorageInfo& volume : volumes) {
        const QString name = volume.name();
        VolumeChooser->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon),
                               name.isEmpty()
                                   ? volume.rootPath()
                                   : QStringLiteral("%1 [%2]").arg(volume.rootPath(), name),
                               volume.rootPath());
    }
}

void TOpenBookDlg::ShowDirectory() {
    FolderList->clear();
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
                                : new QTreeWidgetItem(FolderList, {text});
        item->setIcon(0, open);
        item->setData(0, Qt::UserRole, FromPath(walked));
        parentItem = item;
    }
    if (!parentItem) return;
    FolderList->setCurrentItem(parentItem);

    const QFileInfoList children =
        QDir(FromPath(Directory))
            .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        auto* item = new QTreeWidgetItem(parentItem, {child.fileName()});
        item->setIcon(0, closed);
        item->setData(0, Qt::UserRole, child.absoluteFilePath());
    }
    FolderList->expandAll();
    FolderList->scrollToItem(parentItem, QAbstractItemView::PositionAtTop);

    // The volume chooser shows the innermost listed volume that holds the directory.
    int volume = -1;
    std::size_t longest = 0;
    for (int i = 0; i < VolumeChooser->count(); ++i) {
        const auto root = ToPath(VolumeChooser->itemData(i).toString());
        const auto length = root.native().size();
        if (IsInside(Directory, root) && (volume < 0 || length > longest)) {
            volume = i;
            longest = length;
        }
    }
    VolumeChooser->setCurrentIndex(volume);
}

} // namespace quillara::gui
