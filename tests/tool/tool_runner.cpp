#include "tool_runner.h"

#include "temp_book_dir.h"

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quillara::testing {

namespace {
std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

ToolResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      unsigned timeLimitSeconds) {
    TempBookDir scratch;
    const std::string outPath = (scratch.Path() / "out").string();
    const std::string errPath = (scratch.Path() / "err").string();

    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (auto& a : argv)
        pointers.push_back(a.data());
    pointers.push_back(nullptr);

    ToolResult result;
    // The child's count starts at what this test holds (below): memory the test has freed but
    // the allocator still keeps would count as the program's.
    malloc_trim(0);
    const pid_t pid = fork();
    if (pid == 0) {
        // The kernel counts a program's peak memory from the process it replaced: start that
        // count at what this copy of the test holds now, not at the most the test ever held.
        if (const int fd = open("/proc/self/clear_refs", O_WRONLY); fd >= 0) {
            if (write(fd, "5", 1) < 0) _exit(126);
            close(fd);
        }
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
        if (timeLimitSeconds > 0) alarm(timeLimitSeconds);
        execve(pointers[0], pointers.data(), environ);
        _exit(127);
    }
    if (pid > 0) {
        int status = 0;
        rusage usage{};
        // This child's own accounting, not that of every child the test has run.
        wait4(pid, &status, 0, &usage);
        result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.PeakKiB = usage.ru_maxrss;
    }
    result.Out = Slurp(outPath);
    result.Err = Slurp(errPath);
    return result;
}

ToolResult RunTool(const std::vector<std::string>& args, unsigned timeLimitSeconds) {
    return RunProgram(QUILLARA_BOOK_TOOL, args, timeLimitSeconds);
}

} // namespace quillara::testing
