// Study logs from arbitrary bytes: whatever lies in study.sqlite, opening it, asking what is due
// and what was missed, and adding an answer either work or raise, and never read out of bounds.
#include "core/review/study_log.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    // A folder of the run's own, gone with it.
    static const struct TFolder {
        fs::path Path = fs::temp_directory_path() / ("study-log-fuzz-" + std::to_string(getpid()));
        TFolder() { fs::create_directories(Path); }
        ~TFolder() {
            std::error_code error;
            fs::remove_all(Path, error);
        }
    } run;
    const fs::path& folder = run.Path;
    for (const auto& entry : fs::directory_iterator(folder))
        fs::remove(entry.path());
    std::ofstream(folder / "study.sqlite", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        quillara::TStudyLog log(folder, 1796720400000);
        log.DueBy(1796720400 + 400 * 86400);
        log.NextDueAfter(0);
        const auto last = log.LastAttempt();
        log.Record({{"truefalse", 1, "0", "0123456789abcdef"},
                    true,
                    "T",
                    "",
                    10,
                    last.Description,
                    1796720400000,
                    1796720401000});
    } catch (const std::exception&) {
        // A log that cannot be used is told of by its caller.
    }
    return 0;
}
