#include "gui/app/remembered.h"

#include "gui/widgets/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <memory>

namespace quillara::gui {

namespace {

const QString LastBookKey = QStringLiteral("LastBook");
const QString WindowKey = QStringLiteral("MainWindow/Geometry");

// Named by path rather than by organization, so that the folder follows $XDG_CONFIG_HOME as it
// is when asked, not as it was when the first settings object was made.
std::unique_ptr<QSettings> Remembered() {
    return std::make_unique<QSettings>(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/quillara/quillara.conf"),
        QSettings::IniFormat);
}

} // namespace

std::filesystem::path RememberedBook() {
    return Remembered()->value(LastBookKey).toString().toStdString();
}

void RememberBook(const std::filesystem::path& bookDirectory) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(bookDirectory, error).lexically_normal();
    Remembered()->setValue(LastBookKey, QString::fromStdString(absolute.string()));
}

void PlaceMainWindow(QWidget& window) {
    if (window.restoreGeometry(Remembered()->value(WindowKey).toByteArray())) {
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
    Remembered()->setValue(WindowKey, window.saveGeometry());
}

} // namespace quillara::gui
