#pragma once

#include "effects/Ticker.h"

#include <cstdint>
#include <functional>
#include <optional>

// A clock that only moves when told: it starts at 0, drawing takes no time, and every wait
// jumps to the first reading past its deadline (deadline + 1). A stop can be scheduled for a
// given wait or a given time, as if the user pressed a key then.
class VirtualTicker : public Ticker {
public:
    std::int64_t now() override;
    // Sees a scheduled stop whose time has come.
    void pumpEvents(ProgramState& state) override;
    // Ends at max(now, deadline + 1); a stop scheduled for this wait, or for a time not after
    // the deadline, ends it at that time (or at once) with StopRequested set. With
    // StopRequested already set it returns at once.
    void waitPast(std::int64_t deadline, ProgramState& state) override;

    // Moves the clock on, as work that takes time would.
    void advance(std::int64_t milliseconds);
    // Sets StopRequested during wait number waitIndex (0 = the first wait), without moving the
    // clock.
    void stopDuringWait(int waitIndex);
    // Sets StopRequested at virtual time `time`: the wait in progress then ends at that time.
    void stopAt(std::int64_t time);
    // Called with each wait's deadline, before the wait.
    void setWaitObserver(std::function<void(std::int64_t deadline)> observer);
    int waitCount() const;

private:
    std::int64_t now_ = 0;
    int waits_ = 0;
    std::optional<int> stopWait_;
    std::optional<std::int64_t> stopTime_;
    std::function<void(std::int64_t)> observer_;
};
