#include "effects/VirtualTicker.h"

#include "effects/ProgramState.h"

#include <algorithm>
#include <utility>

std::int64_t VirtualTicker::now()
{
    return now_;
}

void VirtualTicker::pumpEvents(ProgramState& state)
{
    if (stopTime_ && *stopTime_ <= now_) {
        stopTime_.reset();
        state.requestStop();
    }
}

void VirtualTicker::waitPast(std::int64_t deadline, ProgramState& state)
{
    const int index = waits_++;
    if (observer_) {
        observer_(deadline);
    }
    if (state.stopRequested()) {
        return;
    }
    if (stopWait_ && *stopWait_ == index) {
        stopWait_.reset();
        state.requestStop();
        return;
    }
    if (stopTime_ && *stopTime_ <= std::max(now_, deadline)) {
        now_ = std::max(now_, *stopTime_);
        stopTime_.reset();
        state.requestStop();
        return;
    }
    now_ = std::max(now_, deadline + 1);
}

void VirtualTicker::advance(std::int64_t milliseconds)
{
    now_ += milliseconds;
}

void VirtualTicker::stopDuringWait(int waitIndex)
{
    stopWait_ = waitIndex;
}

void VirtualTicker::stopAt(std::int64_t time)
{
    stopTime_ = time;
}

void VirtualTicker::setWaitObserver(std::function<void(std::int64_t)> observer)
{
    observer_ = std::move(observer);
}

int VirtualTicker::waitCount() const
{
    return waits_;
}
