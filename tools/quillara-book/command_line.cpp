#include "command_line.h"

#include "commands.h"

#include <memory>

namespace quillara::tool {

namespace {

// A command's help: its usage text around the options CLI11 lists.
class TCommandFormatter : public CLI::Formatter {
public:
    explicit TCommandFormatter(TCommandUsage usage) : Usage(std::move(usage)) { column_width(17); }

    std::string make_help(const CLI::App* command, std::string, CLI::AppFormatMode) const override {
        std::string text =
            "usage: quillara-book " + Usage.Synopsis + "\n" + Usage.Description + "\n";
        for (const CLI::Option* option : command->get_options([&](const CLI::Option* option) {
                 return option->nonpositional() && option != command->get_help_ptr();
             }))
            text += make_option(option, false);
        if (!Usage.Notes.empty()) text += Usage.Notes + "\n";
        return text;
    }

    // "-o, --output FILE": one placeholder for the value, however many times it may be given.
    std::string make_option_name(const CLI::Option* option, bool) const override {
        std::string names = option->get_name(false, true);
        for (std::size_t comma = names.find(','); comma != std::string::npos;
             comma = names.find(',', comma + 2))
            names.insert(comma + 1, " ");
        return names;
    }
    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_type_size() == 0 ? "" : " " + option->get_type_name();
    }

    const TCommandUsage Usage;
};

// The tool's help: every command's synopsis, and how to learn more.
class TToolFormatter : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* tool, std::string, CLI::AppFormatMode) const override {
        std::string text;
        for (const CLI::App* command : tool->get_subcommands({}))
            if (const TCommandUsage* usage = UsageOf(*command))
                text += (text.empty() ? "usage: " : "       ") + std::string("quillara-book ") +
                        usage->Synopsis + "\n";
        return text + "       quillara-book COMMAND --help\n"
                      "       quillara-book --help | --version\n";
    }
};

// A usage error naming the first of words the line should not hold: an option, or else `what`.
void RejectFirst(const std::vector<std::string>& words, const std::string& what) {
    if (words.empty()) return;
    const std::string& word = words.front();
    const bool option = word.size() > 1 && word[0] == '-';
    throw UsageError((option ? "unknown option" : what) + " \"" + word + "\"");
}

} // namespace

CLI::App& AddCommand(CLI::App& tool, const std::string& name, const TCommandUsage& usage,
                     std::function<int()> run) {
    CLI::App& command = *tool.add_subcommand(name, usage.Description);
    command.formatter(std::make_shared<TCommandFormatter>(usage));
    // Arguments the command does not know are named in the tool's own words, not CLI11's.
    command.allow_extras();
    command.callback([&command, run = std::move(run)] {
        // Words before the command are the tool's, after it the command's.
        RejectFirst(command.get_parent()->remaining(), "unknown command");
        RejectFirst(command.remaining(), "unexpected argument");
        if (const int status = run()) throw CLI::RuntimeError(status);
    });
    return command;
}

const TCommandUsage* UsageOf(const CLI::App& command) {
    const auto formatter = std::dynamic_pointer_cast<TCommandFormatter>(command.get_formatter());
    return formatter ? &formatter->Usage : nullptr;
}

void UseToolFormatter(CLI::App& tool) {
    tool.formatter(std::make_shared<TToolFormatter>());
}

} // namespace quillara::tool
