#include "temp_book_dir.h"
#include "tool_runner.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quillara::testing {
namespace {

const std::vector<std::string> Commands{"dump", "build", "check", "new",   "synth",
                                        "show", "eval",  "import", "export"};

TEST(BookToolCommandLine, HelpShowsEveryCommandAndEachCommandItsOwnUse) {
    const auto all = RunTool({"--help"});
    EXPECT_EQ(all.ExitCode, 0);
    EXPECT_TRUE(all.Err.empty());
    for (const auto& command : Commands)
        EXPECT_NE(all.Out.find("quillara-book " + command + " "), std::string::npos) << command;

    for (const auto& command : Commands) {
        // Asked for anywhere on the line, help wins over running the command.
        const auto help = RunTool({command, "/no/such/book", "--help"});
        EXPECT_EQ(help.ExitCode, 0) << command;
        EXPECT_EQ(help.Out.rfind("usage: quillara-book " + command + " ", 0), 0u) << help.Out;
        EXPECT_TRUE(help.Err.empty()) << help.Err;
        EXPECT_EQ(RunTool({command, "-h"}).Out, help.Out);
    }

    const auto version = RunTool({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, "quillara-book " QUILLARA_VERSION "\n");
}

TEST(BookToolCommandLine, AWrongArgumentIsNamedAndExitsTwo) {
    TempBookDir dir;
    const std::string d = dir.Path().string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"check", "--frob"}, "\"--frob\""},
        {{"check", d, "extra"}, "\"extra\""},
        {{"dump", d, "extra"}, "\"extra\""},
        {{"build", "a.json", d, "--pictur"}, "\"--pictur\""},
        {{"synth", d, "--chapter", "2"}, "\"--chapter\""},
        {{"show", d, "1", "--colour"}, "\"--colour\""},
        {{"eval", "--sett", "1"}, "\"--sett\""},
        {{"eval", "--functions", "1+1"}, "--functions"},
        {{"new", d, "--frob"}, "\"--frob\""},
        {{"new", d, "second"}, "\"second\""},
        {{"import", "a.gift", d, "--chapter", "1", "--chaptr", "2"}, "\"--chaptr\""},
        {{"import", "a.gift", d}, "--chapter"},
        {{"import", "a.gift", d, "--chapter", "0"}, "--chapter"},
        {{"import", "a.gift", d, "--chapter", "1", "--format", "csv"}, "--format"},
        {{"export", d, "1", "--format", "aiken"}, "--format"},
        {{"export", d, "x", "--format", "gift"}, "CHAPTER"},
        {{"export", d, "1"}, "--format"},
        {{"export", d, "1", "--format"}, "--format"},
        {{"frobnicate"}, "\"frobnicate\""},
        // Words before the command are not dropped either.
        {{"--frob", "check", d}, "\"--frob\""},
        {{"stray", "check", d}, "\"stray\""},
    };
    for (const auto& [args, named] : cases) {
        const auto result = RunTool(args);
        EXPECT_EQ(result.ExitCode, 2) << args[0] << " " << named;
        EXPECT_EQ(result.Err.rfind("quillara-book: ", 0), 0u) << result.Err;
        EXPECT_NE(result.Err.find(named), std::string::npos) << result.Err;
        EXPECT_NE(result.Err.find("usage:"), std::string::npos);
        EXPECT_TRUE(result.Out.empty());
    }
}

// Sets an environment variable, or unsets it for nullopt, for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, std::optional<std::string> value) : Name(name) {
        if (const char* before = std::getenv(name)) Before = before;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnvironment() {
        if (Before)
            setenv(Name, Before->c_str(), 1);
        else
            unsetenv(Name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* Name;
    std::optional<std::string> Before;
};

TEST(ProgramCommandLine, HelpAndVersionNeedNoDisplay) {
    // A display platform with no display to open: the toolkit would end the program.
    const ScopedEnvironment platform("QT_QPA_PLATFORM", "xcb");
    const ScopedEnvironment display("DISPLAY", std::nullopt);
    const ScopedEnvironment wayland("WAYLAND_DISPLAY", std::nullopt);

    const auto help = RunProgram(QUILLARA_PROGRAM, {"--help"});
    EXPECT_EQ(help.ExitCode, 0) << help.Err;
    EXPECT_EQ(help.Out.rfind("Usage: quillara [OPTION]... [BOOK]\n", 0), 0u) << help.Out;
    EXPECT_NE(help.Out.find("--version"), std::string::npos);
    EXPECT_EQ(RunProgram(QUILLARA_PROGRAM, {"-h"}).Out, help.Out);

    const auto version = RunProgram(QUILLARA_PROGRAM, {"--version"});
    EXPECT_EQ(version.ExitCode, 0) << version.Err;
    EXPECT_EQ(version.Out, "quillara " QUILLARA_VERSION "\n");
    EXPECT_TRUE(version.Err.empty()) << version.Err;
}

TEST(ProgramCommandLine, AWrongArgumentIsNamedAndExitsTwo) {
    const ScopedEnvironment platform("QT_QPA_PLATFORM", "offscreen");
    const auto option = RunProgram(QUILLARA_PROGRAM, {"--frob"});
    EXPECT_EQ(option.ExitCode, 2);
    EXPECT_NE(option.Err.find("frob"), std::string::npos) << option.Err;
    EXPECT_NE(option.Err.find("quillara --help"), std::string::npos) << option.Err;
    EXPECT_TRUE(option.Out.empty());

    const auto extra = RunProgram(QUILLARA_PROGRAM, {"/no/such/BOOK.DEF", "second"});
    EXPECT_EQ(extra.ExitCode, 2);
    EXPECT_NE(extra.Err.find("second"), std::string::npos) << extra.Err;

    // The toolkit's own options are its to take, not errors of the program's.
    const auto toolkit = RunProgram(QUILLARA_PROGRAM, {"-platform", "offscreen", "--frob"});
    EXPECT_EQ(toolkit.ExitCode, 2);
    EXPECT_EQ(toolkit.Err.find("platform"), std::string::npos) << toolkit.Err;
    EXPECT_NE(toolkit.Err.find("frob"), std::string::npos) << toolkit.Err;
    // One of the toolkit's options, not the letters -r -e -v...: no version printed.
    const auto reverse = RunProgram(QUILLARA_PROGRAM, {"-reverse", "--frob"});
    EXPECT_EQ(reverse.ExitCode, 2);
    EXPECT_TRUE(reverse.Out.empty()) << reverse.Out;
}

} // namespace
} // namespace quillara::testing
