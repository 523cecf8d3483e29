// The program's whole start-up on a book, its main window shown and closed at once: what
// bench/startup_bench.sh times against a bare Qt window.
#include "app/main_form.h"
#include "app/startup_steps.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Start-up lets pending events run before the window exists: wait until it is shown.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<quillara::gui::TMainForm*>(window);
            if (form && form->isVisible()) {
                poll.stop();
                form->close();
            }
        }
    });
    poll.start(0);
    quillara::gui::TProgram program;
    return quillara::gui::RunStartup(program, std::vector<std::string>(argv + 1, argv + argc),
                                     argv[0]);
}
