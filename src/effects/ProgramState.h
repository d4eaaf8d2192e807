#pragma once

#include "effects/RandomGenerator.h"

#include <cstdint>

// The program-wide values shared by the player, the effects and the editor, held in one object
// that is passed where needed.
class ProgramState {
public:
    static constexpr std::int16_t kStop = -1;

    std::int16_t StopRequested = 0;  // 0 = run, -1 = stop
    std::int32_t EffectSpeed = 1;    // 1, 2, 4 or 8
    RandomGenerator Random;

    bool stopRequested() const { return StopRequested == kStop; }
    void requestStop() { StopRequested = kStop; }
};
