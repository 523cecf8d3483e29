#include "core/platform/clock.h"

#include <ctime>

namespace quillara {

double TSystemClock::now() const {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    // Days from 1899-12-30 to 1970-01-01 are 25569; timegm reads the local fields as if UTC.
    const std::time_t asUtc = timegm(&local);
    return 25569.0 + static_cast<double>(asUtc) / 86400.0;
}

namespace {
TClock* Installed = nullptr;
}

TClock& ProgramClock() {
    static TSystemClock system;
    return Installed ? *Installed : system;
}

void SetProgramClock(TClock* clock) {
    Installed = clock;
}

} // namespace quillara
