#pragma once

#include "effects/Ticker.h"

#include <cstdint>

// The show's real clock on Windows: the performance counter in whole milliseconds (monotonic,
// never wraps). Waits keep the deadline rule of the frame loop (they end at the first reading
// strictly greater than the deadline) but sleep in MsgWaitForMultipleObjects until then, waking
// for every message, instead of spinning: a running saver must not burn a core. The timer
// resolution is raised to one millisecond for the ticker's life, so sleeps end on time.
//
// Messages are dispatched to the thread's windows; their handlers stop the show through the
// ProgramState they hold. A WM_QUIT stops the show too.
class MessageTicker : public Ticker {
public:
    MessageTicker();
    ~MessageTicker() override;

    MessageTicker(const MessageTicker&) = delete;
    MessageTicker& operator=(const MessageTicker&) = delete;

    std::int64_t now() override;
    void pumpEvents(ProgramState& state) override;
    void waitPast(std::int64_t deadline, ProgramState& state) override;

private:
    std::int64_t frequency_ = 1;
    bool periodRaised_ = false;
};
