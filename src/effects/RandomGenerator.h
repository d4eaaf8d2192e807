#pragma once

#include <cstdint>
#include <random>

// The program's one random generator: uniform on [0, 1) as 32-bit floats. It is never seeded
// from the clock, so a fresh program start always yields the same sequence.
class RandomGenerator {
public:
    float next()
    {
        // 24 random bits fill a float's mantissa exactly, so the value is always below 1.
        constexpr float kScale = 1.0f / 16777216.0f;
        return static_cast<float>(engine_() >> 8) * kScale;
    }

private:
    std::mt19937 engine_;  // default seed: the same sequence in every run
};
