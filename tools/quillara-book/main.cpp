#include "command_line.h"
#include "commands.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <string_view>

namespace {

using namespace quillara::tool;

// A CLI11 complaint in the tool's words where CLI11's own would puzzle.
std::string PlainMessage(const CLI::ParseError& error) {
    const std::string message = error.what();
    if (error.get_name() == "ArgumentMismatch")
        return message.substr(0, message.find(':')) + " needs a value";
    return message;
}

// A wrong command line: what is wrong, then the usage of the command it was for, or of the tool.
int UsageFailure(const CLI::App& tool, const std::string& message) {
    std::cerr << "quillara-book: " << message << "\n";
    const auto chosen = tool.get_subcommands();
    const TCommandUsage* usage = chosen.empty() ? nullptr : UsageOf(*chosen.front());
    if (usage)
        std::cerr << "usage: quillara-book " << usage->Synopsis << "\n";
    else
        std::cerr << tool.help();
    return 2;
}

// A standard descriptor left closed takes a file that refuses every write, so that no file the
// tool opens is given its number (output meant for it would go into that file) and what is
// written to it fails as it should.
void HoldClosedDescriptors() {
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDONLY);
}

// A command's exit status, once what it printed has reached the standard output: output that
// could not be written is a failure, so that a script never takes a cut-off result for the whole.
int Finished(int status) {
    std::cout.flush();
    if (std::cout) return status;
    std::cerr << "quillara-book: cannot write to the standard output: " << std::strerror(errno)
              << "\n";
    return status == 0 ? 1 : status;
}

} // namespace

int main(int argc, char** argv) {
    HoldClosedDescriptors();
    CLI::App tool("The book author's tool", "quillara-book");
    UseToolFormatter(tool);
    tool.set_help_flag("-h,--help", "print the use of the tool, or of a command, and exit");
    tool.set_version_flag("--version", "quillara-book " QUILLARA_VERSION,
                          "print the version and exit");
    tool.allow_extras();
    AddDumpCommand(tool);
    AddBuildCommand(tool);
    AddCheckCommand(tool);
    AddNewCommand(tool);
    AddSynthCommand(tool);
    AddShowCommand(tool);
    AddEvalCommand(tool);
    AddImportCommand(tool);
    AddExportCommand(tool);

    if (argc < 2) {
        std::cerr << tool.help();
        return 2;
    }
    if (argc == 2 && std::string_view(argv[1]) == "help") {
        std::cout << tool.help();
        return Finished(0);
    }
    try {
        tool.parse(argc, argv);
        if (tool.get_subcommands().empty()) {
            const auto words = tool.remaining();
            return UsageFailure(tool, words.empty() ? "no command given"
                                                    : "unknown command \"" + words.front() + "\"");
        }
        return Finished(0);
    } catch (const CLI::Success& help) {
        return Finished(tool.exit(help));
    } catch (const CLI::RuntimeError& failed) {
        return Finished(failed.get_exit_code());
    } catch (const CLI::ParseError& wrong) {
        return UsageFailure(tool, PlainMessage(wrong));
    } catch (const UsageError& wrong) {
        return UsageFailure(tool, wrong.what());
    }
}
