#include "gui/app/command_line.h"

#include <QCommandLineParser>
#include <QFile>

namespace quillara::gui {

namespace {

constexpr const char* HelpText =
    "Usage: quillara [OPTION]... [BOOK]\n"
    "Opens a book in the study window. BOOK is the book's folder or any file in it, such as its\n"
    "BOOK.DEF; without it the book is looked for beside the program, and when there is none\n"
    "Quillara asks for one.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n";

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // The toolkit's own options are single words after one dash, like -reverse: read as letters
    // they could spell -v or -h before the toolkit has taken them out.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("book"), QString(), QStringLiteral("[BOOK]"));
    const bool parsed = parser.parse(arguments);

    TCommandLine line;
    if (parser.isSet(help)) {
        line.Action = TCommandLine::EAction::Help;
        line.Text = QString::fromLatin1(HelpText);
        return line;
    }
    if (parser.isSet(version)) {
        line.Action = TCommandLine::EAction::Version;
        line.Text = QStringLiteral("quillara %1\n").arg(QStringLiteral(QUILLARA_VERSION));
        return line;
    }
    const QStringList positional = parser.positionalArguments();
    QString error;
    if (!parsed)
        error = parser.errorText();
    else if (positional.size() > 1)
        error = QStringLiteral("Unexpected argument: %1").arg(positional[1]);
    if (!error.isEmpty()) {
        line.Action = TCommandLine::EAction::Error;
        line.Text = QStringLiteral("quillara: %1\nTry \"quillara --help\".\n").arg(error);
        return line;
    }
    // Back to the bytes of the file name, as the file system knows it.
    if (!positional.isEmpty()) line.Book.push_back(QFile::encodeName(positional[0]).toStdString());
    return line;
}

} // namespace quillara::gui
