#include "gui/app/remembered.h"

#include "gui/widgets/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <filesystem>
#include <memory>

namespace quillara::gui {

namespace {

const QString LastBookKey = QStringLiteral("LastBook");
const QString RecentKey = QStringLiteral("RecentBooks");
const QString WindowKey = QStringLiteral("MainWindow/Geometry");

// A few lines of settings; a file larger than this is not one of ours.
constexpr std::uintmax_t MaxRememberedFileSize = 1 << 20;

// Named by path rather than by organization, so that the folder follows $XDG_CONFIG_HOME as it
// is when asked, not as it was when the first settings object was made. Nothing when the name
// holds something other than a file of ours (a FIFO would hold the window at start): then
// nothing is remembered, and nothing is written over it.
std::unique_ptr<QSettings> Remembered() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/quillara/quillara.conf");
    const std::filesystem::path file = path.toStdString();
    std::error_code error;
    const auto type = std::filesystem::status(file, error).type();
    const bool usable =
        type == std::filesystem::file_type::not_found ||
        (type == std::filesystem::file_type::regular &&
         std::filesystem::file_size(file, error) <= MaxRememberedFileSize && !error);
    if (!usable) return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

std::filesystem::path Absolute(const std::filesystem::path& directory) {
    std::error_code error;
    auto absolute = std::filesystem::absolute(directory, error).lexically_normal();
    // "books/demo/" and "books/demo" are one folder.
    if (!absolute.has_filename() && absolute.has_parent_path()) absolute = absolute.parent_path();
    return absolute;
}

void WriteRecentBooks(const std::vector<TRecentBook>& books) {
    const auto settings = Remembered();
    if (!settings) return;
    settings->remove(RecentKey);
    settings->beginWriteArray(RecentKey, int(books.size()));
    for (int i = 0; i < int(books.size()); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(QStringLiteral("Folder"), QString::fromStdString(books[i].Directory));
        settings->setValue(QStringLiteral("Title"), books[i].Title);
    }
    settings->endArray();
    // Kept for the versions that remember only the last book.
    settings->setValue(LastBookKey,
                       books.empty() ? QString() : QString::fromStdString(books[0].Directory));
}

} // namespace

std::filesystem::path RememberedBook() {
    const auto recent = RecentBooks();
    if (!recent.empty()) return recent.front().Directory;
    const auto settings = Remembered();
    return settings ? settings->value(LastBookKey).toString().toStdString() : std::string();
}

std::vector<TRecentBook> RecentBooks() {
    const auto settings = Remembered();
    std::vector<TRecentBook> books;
    if (!settings) return books;
    const int count = std::min(settings->beginReadArray(RecentKey), RecentBookCount);
    for (int i = 0; i < count; ++i) {
        settings->setArrayIndex(i);
        const QString folder = settings->value(QStringLiteral("Folder")).toString();
        if (folder.isEmpty()) continue;
        books.push_back(
            {folder.toStdString(), settings->value(QStringLiteral("Title")).toString()});
    }
    settings->endArray();
    return books;
}

void RememberBook(const std::filesystem::path& bookDirectory, const QString& title) {
    const auto folder = Absolute(bookDirectory);
    std::vector<TRecentBook> books{{folder, title}};
    for (TRecentBook& book : RecentBooks())
        if (book.Directory != folder && int(books.size()) < RecentBookCount)
            books.push_back(std::move(book));
    WriteRecentBooks(books);
}

void ForgetBook(const std::filesystem::path& bookDirectory) {
    const auto folder = Absolute(bookDirectory);
    auto books = RecentBooks();
    std::erase_if(books, [&](const TRecentBook& book) { return book.Directory == folder; });
    WriteRecentBooks(books);
}

void PlaceMainWindow(QWidget& window) {
    const auto settings = Remembered();
    if (settings && window.restoreGeometry(settings->value(WindowKey).toByteArray())) {
        if (!window.isMaximized()) KeepOnScreen(&window);
        return;
    }
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    QRect frame(QPoint(), (room.size() * 2 / 3).expandedTo(window.minimumSize()));
    frame.moveCenter(room.center());
    window.setGeometry(frame);
    KeepOnScreen(&window);
}

void RememberMainWindowPlace(const QWidget& window) {
    if (const auto settings = Remembered()) settings->setValue(WindowKey, window.saveGeometry());
}

} // namespace quillara::gui
