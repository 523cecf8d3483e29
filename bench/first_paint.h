#pragma once
// The moment a window first paints, for the start-up benchmark: the program prints how long after
// its launch that was and closes the window, ending the process. The launch time comes from the
// script that starts it (QUILLARA_LAUNCH_NS, nanoseconds of the realtime clock), so that loading
// the program's libraries counts too.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>

namespace bench {

class TFirstPaint : public QObject {
public:
    // `isWatched` says whether a top-level window is the one whose first paint counts.
    explicit TFirstPaint(std::function<bool(QWidget*)> isWatched)
        : IsWatched(std::move(isWatched)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!Done && event->type() == QEvent::Paint && object->isWidgetType()) {
            QWidget* window = static_cast<QWidget*>(object)->window();
            if (IsWatched(window)) {
                Done = true;
                Report();
                // The rest of this frame paints first.
                QTimer::singleShot(0, window, &QWidget::close);
            }
        }
        return QObject::eventFilter(object, event);
    }

private:
    static void Report() {
        const char* launch = std::getenv("QUILLARA_LAUNCH_NS");
        if (!launch) return;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const long long nowNs = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
        std::printf("first paint %.2f ms\n", (nowNs - std::atoll(launch)) / 1e6);
        // The most memory the process has held so far, before anything read after the paint.
        if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status))
                if (std::strncmp(line, "VmHWM:", 6) == 0)
                    std::printf("peak at first paint %ld kB\n", std::atol(line + 6));
            std::fclose(status);
        }
        std::fflush(stdout);
    }

    std::function<bool(QWidget*)> IsWatched;
    bool Done = false;
};

} // namespace bench
