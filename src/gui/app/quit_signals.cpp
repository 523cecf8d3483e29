#include "gui/app/quit_signals.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace quillara::gui {

namespace {

constexpr std::array QuitSignals = {SIGTERM, SIGINT, SIGHUP};

// The write end for the handler: a signal handler may do little more than write a byte.
int SignalWriteEnd = -1;
int SignalReadEnd = -1;

void OnQuitSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(SignalWriteEnd, &byte, 1);
}

} // namespace

TQuitSignals::TQuitSignals(std::function<void()> onSignal) : OnSignal(std::move(onSignal)) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return;
    SignalWriteEnd = ends[0];
    SignalReadEnd = ends[1];
    Notifier = new QSocketNotifier(SignalReadEnd, QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const auto read = ::read(SignalReadEnd, &byte, 1);
        OnSignal();
    });
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : QuitSignals)
        ::sigaction(signal, &action, nullptr);
}

TQuitSignals::~TQuitSignals() {
    if (!Notifier) return;
    for (int signal : QuitSignals)
        std::signal(signal, SIG_DFL);
    ::close(SignalWriteEnd);
    ::close(SignalReadEnd);
    SignalWriteEnd = SignalReadEnd = -1;
}

void CloseWhenUnblocked(QWidget& window) {
    // A window no longer shown has closed, and its close has saved and told what it had to.
    if (!window.isVisible()) return;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QPointer<QWidget> alive(&window);
        QTimer::singleShot(0, &window, [alive] {
            if (alive) CloseWhenUnblocked(*alive);
        });
        return;
    }
    window.close();
}

} // namespace quillara::gui
