#include "core/platform/random_source.h"

#include <chrono>

namespace quillara {

std::uint32_t TSeededRandom::uniform(std::uint32_t n) {
    if (n == 0) return 0;
    return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(Engine);
}

namespace {
TRandomSource* Installed = nullptr;

TRandomSource& ClockSeeded() {
    static TSeededRandom generator(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return generator;
}
} // namespace

TRandomSource& ProgramRandom() {
    return Installed ? *Installed : ClockSeeded();
}

void SetProgramRandom(TRandomSource* source) {
    Installed = source;
}

} // namespace quillara
