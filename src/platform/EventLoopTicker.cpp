#include "platform/EventLoopTicker.h"

#include "effects/ProgramState.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace {
constexpr std::chrono::milliseconds kFinalStretch{1};
}  // namespace

EventLoopTicker::EventLoopTicker()
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &loop_, &QEventLoop::quit);
}

std::int64_t EventLoopTicker::now()
{
    using std::chrono::milliseconds;
    using std::chrono::steady_clock;
    return std::chrono::duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void EventLoopTicker::pumpEvents(ProgramState&)
{
    QCoreApplication::processEvents();
}

void EventLoopTicker::waitPast(std::int64_t deadline, ProgramState& state)
{
    using std::chrono::milliseconds;
    using std::chrono::steady_clock;
    // The first reading greater than the deadline comes at this instant.
    const steady_clock::time_point end{milliseconds(deadline + 1)};
    // Pending input is looked at even when the deadline has already passed.
    QCoreApplication::processEvents();
    while (!state.stopRequested()) {
        const steady_clock::duration left = end - steady_clock::now();
        if (left <= steady_clock::duration::zero()) {
            return;
        }
        // Qt's timers count whole milliseconds and wake up to a millisecond late, so the event
        // loop sleeps until about a millisecond before the end and the rest is slept without
        // events (too short to delay input noticeably): the wait then ends on time instead of
        // late in every frame.
        const auto whole = std::chrono::duration_cast<milliseconds>(left) - kFinalStretch;
        if (whole <= milliseconds::zero()) {
            std::this_thread::sleep_until(end);
            QCoreApplication::processEvents();
            continue;
        }
        timer_.start(whole);
        waiting_ = true;
        loop_.exec();
        waiting_ = false;
        timer_.stop();
    }
}

void EventLoopTicker::wake()
{
    if (waiting_) {
        loop_.quit();
    }
}
