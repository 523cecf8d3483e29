// The manual page repeats each command's --help: its synopsis, its description, its options and
// their descriptions, in the same words.
#include "tool_runner.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>

namespace quillara {
namespace {

using testing::RunTool;

// Runs of blanks and line breaks as one space, none at the ends.
std::string Normalized(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\t';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// A macro line's arguments, split at blanks outside double quotes.
std::vector<std::string> MacroArguments(std::string_view line) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    bool any = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any) arguments.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) arguments.push_back(current);
    return arguments;
}

std::string Unescaped(std::string text) {
    for (std::size_t at = text.find('\\'); at != std::string::npos; at = text.find('\\', at)) {
        const char escaped = at + 1 < text.size() ? text[at + 1] : '\0';
        text.replace(at, 2, escaped == '-' ? "-" : escaped == 'e' ? "\\" : "");
        ++at;
    }
    return text;
}

// A part of the page as plain text: a section (".SH NAME"), or within one, the entry of a term
// (".TP" then ".B TERM" at the outer level) up to the next.
struct PagePart {
    std::string Section;
    std::string Term;
    std::string Text;
};

// The page in parts, the fonts dropped and every paragraph or line break a blank.
std::vector<PagePart> PlainParts(const std::string& page) {
    std::vector<PagePart> parts(1);
    std::istringstream lines(page);
    int depth = 0;
    bool termNext = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(".")) {
            parts.back().Text += Unescaped(line) + "\n";
            termNext = false;
            continue;
        }
        const std::size_t space = std::min(line.find(' '), line.size());
        const std::string macro = line.substr(1, space - 1);
        const auto arguments = MacroArguments(line.substr(space));
        // .B and .I join their words with blanks; .BR, .IR, .RB and the like alternate fonts
        // with none between.
        std::string text;
        for (const auto& argument : arguments)
            text += (macro.size() == 1 && !text.empty() ? " " : "") + argument;
        if (macro == "SH") {
            parts.push_back({Unescaped(text), "", ""});
            depth = 0;
        } else if (macro == "RS" || macro == "RE") {
            depth += macro == "RS" ? 1 : -1;
        } else if (macro == "TP" && depth == 0) {
            termNext = true;
            continue;
        } else if (macro == "B" && termNext) {
            parts.push_back({parts.back().Section, Unescaped(text), ""});
        } else {
            parts.back().Text += Unescaped(text) + "\n";
        }
        termNext = false;
    }
    return parts;
}

// The commands the tool's --help lists, in its order.
std::vector<std::string> CommandsOfTheTool() {
    const auto help = RunTool({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    std::vector<std::string> commands;
    std::istringstream lines(help.Out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word;
        std::string command;
        words >> word;
        if (word == "usage:") words >> word;
        if (word == "quillara-book" && words >> command && command != "COMMAND" &&
            !command.starts_with("-") &&
            std::find(commands.begin(), commands.end(), command) == commands.end())
            commands.push_back(command);
    }
    return commands;
}

TEST(BookToolManualPage, RepeatsEachCommandsUsageText) {
    std::ifstream file(QUILLARA_BOOK_MANUAL_PAGE);
    ASSERT_TRUE(file) << QUILLARA_BOOK_MANUAL_PAGE;
    const std::string page{std::istreambuf_iterator<char>(file), {}};
    std::string synopsis;
    std::map<std::string, std::string> entries;
    for (const PagePart& part : PlainParts(page)) {
        if (part.Section == "SYNOPSIS") synopsis = Normalized(part.Text) + " ";
        if (part.Section == "COMMANDS" && !part.Term.empty())
            entries[part.Term] = Normalized(part.Text);
    }

    const auto commands = CommandsOfTheTool();
    EXPECT_GE(commands.size(), 6u);
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        const auto help = RunTool({command, "--help"});
        ASSERT_EQ(help.ExitCode, 0);
        // The usage line and the lines that continue it, indented; then the rest.
        std::size_t body = help.Out.find('\n') + 1;
        while (body < help.Out.size() && help.Out[body] == ' ')
            body = help.Out.find('\n', body) + 1;
        const std::string usage = Normalized(help.Out.substr(0, body));
        ASSERT_TRUE(usage.starts_with("usage: ")) << usage;
        // The page's synopsis of the command runs to the next "quillara-book".
        const std::string head = "quillara-book " + command + " ";
        const auto from = synopsis.find(head);
        ASSERT_NE(from, std::string::npos) << "no synopsis";
        // A command with more than one usage line names itself again on each.
        auto to = synopsis.find("quillara-book ", from + head.size());
        while (to != std::string::npos && synopsis.compare(to, head.size(), head) == 0)
            to = synopsis.find("quillara-book ", to + head.size());
        EXPECT_EQ(Normalized(synopsis.substr(from, to - from)), usage.substr(7));

        ASSERT_TRUE(entries.contains(command)) << "no entry under COMMANDS";
        EXPECT_EQ(entries[command], Normalized(help.Out.substr(body)));
    }
}

} // namespace
} // namespace quillara
