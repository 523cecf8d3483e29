#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;
class QWidget;

namespace quillara::gui {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop, so that the program ends the
// way a student closing the window ends it instead of being cut off. While it lives it owns those
// signals; afterwards they act as before.
class TQuitSignals : public QObject {
public:
    explicit TQuitSignals(std::function<void()> onSignal);
    ~TQuitSignals() override;

private:
    std::function<void()> OnSignal;
    QSocketNotifier* Notifier = nullptr;
};

// Closes the window once no modal dialog stands in the way: each one open is rejected first, and
// the close is tried again when its loop has returned. A window closed already is left be.
void CloseWhenUnblocked(QWidget& window);

} // namespace quillara::gui
