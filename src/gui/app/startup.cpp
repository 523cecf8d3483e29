#include "app/startup.h"

#include "app/about_program.h"
#include "app/program.h"
#include "app/regional_from_locale.h"
#include "app/startup_steps.h"

#include <QApplication>
#include <QLocale>

namespace quillara::gui {

int RunQuillara(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: the toolkit would append it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Quillara"));
    QApplication::setWindowIcon(TAboutProgram::Icon());

    TProgram program;
    program.Regional = RegionalFromLocale(QLocale());
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    return RunStartup(program, arguments, self);
}

} // namespace quillara::gui
