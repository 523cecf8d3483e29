#include "gui/app/remembered.h"

#include "core/scores/file_lock.h"
#include "gui/app/own_file.h"
#include "gui/widgets/screen_fit.h"
#include "gui/widgets/text_size.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

namespace quillara::gui {

namespace {

const QString LastBookKey = QStringLiteral("LastBook");
const QString RecentKey = QStringLiteral("RecentBooks");
const QString WindowKey = QStringLiteral("MainWindow/Geometry");
const QString TextSizeKey = QStringLiteral("Text/SizePercent");

// A few lines of settings; a file larger than this is not one of ours.
constexpr std::uintmax_t MaxRememberedFileSize = 1 << 20;
// Another window writes the file in a moment; one that holds it longer is not waited for.
constexpr std::chrono::seconds LockPatience(1);

// A private copy of the remembered settings, read and changed through QSettings, so that
// QSettings never opens the student's file itself (it would write through a link there).
class TRememberedCopy {
public:
    // Unusable when the bytes do not read as settings.
    explicit TRememberedCopy(const std::string& bytes) {
        if (!Folder.isValid()) return;
        QFile file(Folder.filePath(QStringLiteral("quillara.conf")));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            return;
        file.close();
        Settings.emplace(file.fileName(), QSettings::IniFormat);
        if (Settings->status() != QSettings::NoError) Settings.reset();
    }
    explicit operator bool() const { return Settings.has_value(); }
    QSettings& operator*() { return *Settings; }

    // The copy's bytes with its changes; nothing when they cannot be written.
    std::optional<std::string> Bytes() {
        Settings->sync();
        if (Settings->status() != QSettings::NoError) return std::nullopt;
        return ReadOwnFile(Settings->fileName().toStdString(), MaxRememberedFileSize);
    }

private:
    QTemporaryDir Folder;
    std::optional<QSettings> Settings;
};

// Reads what is remembered. False, with nothing read, when what bears the file's name is no
// settings file of ours: a link, a FIFO (which would hold the window at start), a file too large
// or one that does not read as settings. Such a thing is left as it is.
bool ReadRemembered(const std::function<void(QSettings&)>& read) {
    const auto bytes = ReadOwnFile(RememberedFile(), MaxRememberedFileSize);
    if (!bytes) return false;
    TRememberedCopy copy(*bytes);
    if (!copy) return false;
    read(*copy);
    return true;
}

// Changes what is remembered as the file holds it now, under the file's lock, so that two
// windows changing it at once each keep their change; the result replaces the file whole. A file
// that is no settings file of ours is left as it is, and nothing is remembered.
void ChangeRemembered(const std::function<void(QSettings&)>& change) {
    const std::filesystem::path file = RememberedFile();
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    TFileLock lock;
    if (!lock.Take(file.string(), LockPatience)) return;
    const auto before = ReadOwnFile(file, MaxRememberedFileSize);
    if (!before) return;
    TRememberedCopy copy(*before);
    if (!copy) return;
    change(*copy);
    if (const auto after = copy.Bytes(); after && *after != *before) ReplaceOwnFile(file, *after);
}

std::filesystem::path Absolute(const std::filesystem::path& directory) {
    std::error_code error;
    auto absolute = std::filesystem::absolute(directory, error).lexically_normal();
    // "books/demo/" and "books/demo" are one folder.
    if (!absolute.has_filename() && absolute.has_parent_path()) absolute = absolute.parent_path();
    return absolute;
}

std::vector<TRecentBook> ReadRecentBooks(QSettings& settings) {
    std::vector<TRecentBook> books;
    const int count = std::min(settings.beginReadArray(RecentKey), RecentBookCount);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QString folder = settings.value(QStringLiteral("Folder")).toString();
        if (folder.isEmpty()) continue;
        books.push_back({folder.toStdString(), settings.value(QStringLiteral("Title")).toString()});
    }
    settings.endArray();
    return books;
}

void WriteRecentBooks(QSettings& settings, const std::vector<TRecentBook>& books) {
    settings.remove(RecentKey);
    settings.beginWriteArray(RecentKey, int(books.size()));
    for (int i = 0; i < int(books.size()); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("Folder"), QString::fromStdString(books[i].Directory));
        settings.setValue(QStringLiteral("Title"), books[i].Title);
    }
    settings.endArray();
    // Kept for the versions that remember only the last book.
    settings.setValue(LastBookKey,
                      books.empty() ? QString() : QString::fromStdString(books[0].Directory));
}

} // namespace

// Named by path rather than by organization, so that the folder follows $XDG_CONFIG_HOME as it
// is when asked, not as it was when the first settings object was made.
std::filesystem::path RememberedFile() {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/quillara/quillara.conf"))
        .toStdString();
}

std::filesystem::path RememberedBook() {
    std::filesystem::path last;
    ReadRemembered([&last](QSettings& settings) {
        const auto recent = ReadRecentBooks(settings);
        last = !recent.empty()
                   ? recent.front().Directory
                   : std::filesystem::path(settings.value(LastBookKey).toString().toStdString());
    });
    return last;
}

std::vector<TRecentBook> RecentBooks() {
    std::vector<TRecentBook> books;
    ReadRemembered([&books](QSettings& settings) { books = ReadRecentBooks(settings); });
    return books;
}

void RememberBook(const std::filesystem::path& bookDirectory, const QString& title) {
    const auto folder = Absolute(bookDirectory);
    ChangeRemembered([&](QSettings& settings) {
        std::vector<TRecentBook> books{{folder, title}};
        for (TRecentBook& book : ReadRecentBooks(settings))
            if (book.Directory != folder && int(books.size()) < RecentBookCount)
                books.push_back(std::move(book));
        WriteRecentBooks(settings, books);
    });
}

void ForgetBook(const std::filesystem::path& bookDirectory) {
    const auto folder = Absolute(bookDirectory);
    ChangeRemembered([&folder](QSettings& settings) {
        auto books = ReadRecentBooks(settings);
        std::erase_if(books, [&](const TRecentBook& book) { return book.Directory == folder; });
        WriteRecentBooks(settings, books);
    });
}

void PlaceMainWindow(QWidget& window) {
    QByteArray geometry;
    ReadRemembered(
        [&geometry](QSettings& settings) { geometry = settings.value(WindowKey).toByteArray(); });
    if (window.restoreGeometry(geometry)) {
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
    const QByteArray geometry = window.saveGeometry();
    ChangeRemembered([&geometry](QSettings& settings) { settings.setValue(WindowKey, geometry); });
}

int RememberedTextSize() {
    int percent = TTextSize::Normal;
    ReadRemembered([&percent](QSettings& settings) {
        bool number = false;
        const int read = settings.value(TextSizeKey).toInt(&number);
        if (number) percent = std::clamp(read, TTextSize::Smallest, TTextSize::Largest);
    });
    return percent;
}

void RememberTextSize(int percent) {
    ChangeRemembered([percent](QSettings& settings) { settings.setValue(TextSizeKey, percent); });
}

} // namespace quillara::gui
