#include "tool_file_ops.h"

#include <charconv>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace quillara::tool {

namespace {

class TKillingFileOps : public TSaveFileOps {
public:
    explicit TKillingFileOps(long renamesLeft) : RenamesLeft(renamesLeft) {}

    int createNew(const std::string& path) override { return Real().createNew(path); }
    bool setMode(int fd, mode_t mode) override { return Real().setMode(fd, mode); }
    bool write(int fd, std::string_view bytes) override { return Real().write(fd, bytes); }
    bool flush(int fd) override { return Real().flush(fd); }
    bool close(int fd) override { return Real().close(fd); }
    bool link(const std::string& existing, const std::string& newPath) override {
        return Real().link(existing, newPath);
    }
    bool rename(const std::string& from, const std::string& to) override {
        if (RenamesLeft-- == 0) std::raise(SIGKILL);
        return Real().rename(from, to);
    }
    bool syncDirectory(const std::string& directory) override {
        return Real().syncDirectory(directory);
    }
    bool remove(const std::string& path) override { return Real().remove(path); }

private:
    static TSaveFileOps& Real() { return PosixSaveFileOps(); }
    long RenamesLeft;
};

std::optional<long> KillAfterRenames() {
    const char* value = std::getenv("QUILLARA_BOOK_KILL_AFTER_RENAMES");
    if (!value) return std::nullopt;
    const std::string_view text(value);
    long renames = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), renames);
    if (error != std::errc() || end != text.data() + text.size() || renames < 0)
        return std::nullopt;
    return renames;
}

} // namespace

TSaveFileOps& ToolFileOps() {
    static const std::optional<long> killAfter = KillAfterRenames();
    if (!killAfter) return PosixSaveFileOps();
    static TKillingFileOps killing(*killAfter);
    return killing;
}

} // namespace quillara::tool
