#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace quillara::gui {

// What the window's command line asks for.
struct TCommandLine {
    enum class EAction { Run, Help, Version, Error };
    EAction Action = EAction::Run;
    // The help, the version or the error to print instead of running.
    QString Text;
    // The book argument, when there is one: start-up takes its directory part.
    std::vector<std::string> Book;
};

// Reads the arguments, the program's own name first. Help and version win over errors, so that
// they can be answered before the toolkit has taken its own options out.
TCommandLine ParseCommandLine(const QStringList& arguments);

} // namespace quillara::gui
