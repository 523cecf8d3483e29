// The program's whole start-up on a book until its main window first paints, when it closes:
// what bench/run-all.sh times against the bare window (bare_window.cpp).
#include "gui/app/main_form.h"
#include "gui/app/startup_steps.h"
#include "first_paint.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::TFirstPaint firstPaint(
        [](QWidget* window) { return qobject_cast<quillara::gui::TMainForm*>(window) != nullptr; });
    quillara::gui::TStudySession program;
    return quillara::gui::RunStartup(program, std::vector<std::string>(argv + 1, argv + argc),
                                     argv[0]);
}
