#pragma once

#include <cstdint>
#include <random>

namespace quillara {

// Every random choice of the program: a uniform integer 0..n-1, and 0 when n is 0.
class TRandomSource {
public:
    virtual ~TRandomSource() = default;
    virtual std::uint32_t uniform(std::uint32_t n) = 0;
};

class TSeededRandom : public TRandomSource {
public:
    explicit TSeededRandom(std::uint64_t seed) : Engine(seed) {}
    std::uint32_t uniform(std::uint32_t n) override;

private:
    std::mt19937_64 Engine;
};

// The one program-wide generator, seeded from the clock the first time it is asked for.
TRandomSource& ProgramRandom();
// Puts another source in its place (nullptr restores the clock-seeded one). For tests and tools.
void SetProgramRandom(TRandomSource* source);

} // namespace quillara
