#include "runtime/windows/MessageTicker.h"

#include "effects/ProgramState.h"

#include <windows.h>

#include <mmsystem.h>

namespace {

constexpr UINT kTimerResolutionMs = 1;
constexpr std::int64_t kMillisecondsPerSecond = 1000;

}  // namespace

MessageTicker::MessageTicker()
{
    LARGE_INTEGER frequency{};
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0) {
        frequency_ = frequency.QuadPart;
    }
    periodRaised_ = timeBeginPeriod(kTimerResolutionMs) == TIMERR_NOERROR;
}

MessageTicker::~MessageTicker()
{
    if (periodRaised_) {
        timeEndPeriod(kTimerResolutionMs);
    }
}

std::int64_t MessageTicker::now()
{
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    // Split so that the product cannot overflow however long the machine has been up.
    const std::int64_t seconds = counter.QuadPart / frequency_;
    const std::int64_t rest = counter.QuadPart % frequency_;
    return seconds * kMillisecondsPerSecond + rest * kMillisecondsPerSecond / frequency_;
}

void MessageTicker::pumpEvents(ProgramState& state)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            state.requestStop();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void MessageTicker::waitPast(std::int64_t deadline, ProgramState& state)
{
    // Pending input is looked at even when the deadline has already passed.
    pumpEvents(state);
    while (!state.stopRequested()) {
        const std::int64_t left = deadline + 1 - now();
        if (left <= 0) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(left), QS_ALLINPUT);
        pumpEvents(state);
    }
}
