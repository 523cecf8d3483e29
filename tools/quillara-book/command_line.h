#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

namespace quillara::tool {

// A command's one usage text: what its --help prints and its entry in the manual page repeats.
struct TCommandUsage {
    TCommandUsage(std::string synopsis, std::string description, std::string notes = {})
        : Synopsis(std::move(synopsis)), Description(std::move(description)),
          Notes(std::move(notes)) {}

    // What follows "quillara-book " on the usage line(s).
    std::string Synopsis;
    // What the command does, a paragraph.
    std::string Description;
    // Said after the options, when the command has more to tell.
    std::string Notes;
};

// Adds a command to the tool. run is called once the line has parsed, with every argument the
// command does not know rejected first; its result is the tool's exit status.
CLI::App& AddCommand(CLI::App& tool, const std::string& name, const TCommandUsage& usage,
                     std::function<int()> run);

// The usage text of a command added by AddCommand; empty for any other.
const TCommandUsage* UsageOf(const CLI::App& command);

// Formats the whole tool's help: every command's synopsis, then its own options.
void UseToolFormatter(CLI::App& tool);

} // namespace quillara::tool
