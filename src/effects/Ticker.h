#pragma once

#include <cstdint>

class ProgramState;

// Time and event pumping for the show loop and the effects. The real ticker reads a monotonic
// millisecond clock and sleeps in the event loop; the virtual one is driven by tests.
class Ticker {
public:
    virtual ~Ticker() = default;

    // Milliseconds on a monotonic clock (never wraps).
    virtual std::int64_t now() = 0;
    // Lets pending events run once (input handlers may set state.StopRequested).
    virtual void pumpEvents(ProgramState& state) = 0;
    // Waits, letting events run, until the first clock reading strictly greater than
    // deadline, or until state.StopRequested is set, whichever comes first. Always lets
    // events run at least once, so a deadline already past still sees pending input.
    virtual void waitPast(std::int64_t deadline, ProgramState& state) = 0;
};
