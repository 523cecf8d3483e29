#pragma once

#include "core/platform/clock.h"
#include "core/platform/random_source.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace quillara::testing {

// Answers every draw from a script and records what was asked. With the script used up it
// answers 0. Installed as the program's generator for its lifetime.
class ScriptedRandom : public TRandomSource {
public:
    explicit ScriptedRandom(std::vector<std::uint32_t> script = {});
    ~ScriptedRandom() override;
    std::uint32_t uniform(std::uint32_t n) override;
    void Push(std::uint32_t value) { Script.push_back(value); }

    std::vector<std::uint32_t> Asked; // the n of every draw, in order

private:
    std::deque<std::uint32_t> Script;
};

// A clock that shows a fixed time until moved. Installed for its lifetime.
class FakeClock : public TClock {
public:
    explicit FakeClock(double time);
    ~FakeClock() override;
    double now() const override { return Time; }
    double Time;
};

} // namespace quillara::testing
