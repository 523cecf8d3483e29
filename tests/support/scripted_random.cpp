#include "scripted_random.h"

#include <stdexcept>
#include <string>

namespace quillara::testing {

ScriptedRandom::ScriptedRandom(std::vector<std::uint32_t> script)
    : Script(script.begin(), script.end()) {
    SetProgramRandom(this);
}

ScriptedRandom::~ScriptedRandom() {
    SetProgramRandom(nullptr);
}

std::uint32_t ScriptedRandom::uniform(std::uint32_t n) {
    Asked.push_back(n);
    if (Script.empty() || n == 0) return 0;
    const std::uint32_t value = Script.front();
    Script.pop_front();
    if (value >= n)
        throw std::logic_error("scripted draw " + std::to_string(value) + " is not below " +
                               std::to_string(n));
    return value;
}

FakeClock::FakeClock(double time) : Time(time) {
    SetProgramClock(this);
}

FakeClock::~FakeClock() {
    SetProgramClock(nullptr);
}

} // namespace quillara::testing
