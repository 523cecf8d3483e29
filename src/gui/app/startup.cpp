#include "gui/app/startup.h"

#include "gui/app/command_line.h"
#include "gui/app/remembered.h"
#include "gui/app/startup_steps.h"
#include "gui/app/translations.h"
#include "gui/help/about_program.h"
#include "gui/shell/regional_from_locale.h"
#include "gui/shell/study_session.h"
#include "gui/widgets/text_size.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>

namespace quillara::gui {

namespace {

QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Help and version go to standard output, errors to standard error.
int Answer(const TCommandLine& line) {
    const bool error = line.Action == TCommandLine::EAction::Error;
    std::fputs(line.Text.toLocal8Bit().constData(), error ? stderr : stdout);
    return error ? 2 : 0;
}

} // namespace

int RunQuillara(int argc, char** argv) {
    // Help and version need no display, so they are answered before the toolkit starts.
    if (const TCommandLine early = ParseCommandLine(RawArguments(argc, argv));
        early.Action == TCommandLine::EAction::Help ||
        early.Action == TCommandLine::EAction::Version)
        return Answer(early);

    QApplication app(argc, argv);
    // No display name: the toolkit would append it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Quillara"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLARA_VERSION));
    QApplication::setWindowIcon(TAboutProgram::Icon());
    const TTranslations translations{QLocale()};
    // The text size the student chose last time, kept as it changes.
    TTextSize::Instance().SetPercent(RememberedTextSize());
    QObject::connect(&TTextSize::Instance(), &TTextSize::Changed, &app,
                     [](int percent) { RememberTextSize(percent); });

    // The toolkit has now taken out its own options, such as -platform.
    const TCommandLine line = ParseCommandLine(QApplication::arguments());
    if (line.Action != TCommandLine::EAction::Run) return Answer(line);

    TStudySession session(RegionalFromLocale(QLocale()));
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    return RunStartup(session, line.Book, self);
}

} // namespace quillara::gui
