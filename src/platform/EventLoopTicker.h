#pragma once

#include "effects/Ticker.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdint>

// The show's real clock: std::chrono::steady_clock in whole milliseconds. Waits keep the
// deadline rule of the frame loop (they end at the first reading strictly greater than the
// deadline) but sleep in Qt's event loop until then instead of spinning, so a running show does
// not burn a core.
//
// Input handlers that run during a wait call state.requestStop() and then wake(), which ends
// the wait at once; a stop set without wake() is still seen, but only when the wait ends.
// Construct it after the QCoreApplication, on the thread that runs the show.
class EventLoopTicker : public Ticker {
public:
    EventLoopTicker();

    std::int64_t now() override;
    // QCoreApplication::processEvents().
    void pumpEvents(ProgramState& state) override;
    void waitPast(std::int64_t deadline, ProgramState& state) override;

    // Ends the wait in progress, if any; the waiting side then looks at StopRequested.
    void wake();

private:
    QEventLoop loop_;
    QTimer timer_;
    bool waiting_ = false;
};
