#pragma once

#include "effects/RandomGenerator.h"

#include <atomic>
#include <cstdint>

// The program-wide values shared by the player, the effects and the editor, held in one object
// that is passed where needed.
class ProgramState {
public:
    static constexpr std::int16_t kStop = -1;

    std::int16_t StopRequested = 0;  // 0 = run, -1 = stop
    std::int32_t EffectSpeed = 1;    // 1, 2, 4 or 8
    RandomGenerator Random;

    // A stop asked by input (StopRequested, which the show loop resets as it starts) or from
    // outside the program (the followed flag, which nothing resets).
    bool stopRequested() const { return StopRequested == kStop || outsideStopRequested(); }
    bool outsideStopRequested() const { return outsideStop_ != nullptr && outsideStop_->load(); }
    void requestStop() { StopRequested = kStop; }

    // Makes `flag` (set by a signal handler, say) stop the show as well, at any moment.
    void followOutsideStop(const std::atomic<bool>* flag) { outsideStop_ = flag; }

private:
    const std::atomic<bool>* outsideStop_ = nullptr;
};
