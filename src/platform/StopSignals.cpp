#include "platform/StopSignals.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <thread>

namespace {

constexpr std::array kStopSignals = {SIGTERM, SIGINT, SIGHUP};
// Without the descriptor the watchdog looks at the flag this often.
constexpr int kFlagPollMs = 20;

std::atomic<bool> stopAsked{false};
std::atomic<int> stopDescriptor{-1};
std::atomic<bool> installed{false};

void onStopSignal(int)
{
    const int savedErrno = errno;
    stopAsked.store(true);
    const int descriptor = stopDescriptor.load();
    if (descriptor >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(descriptor, &one, sizeof one);
    }
    errno = savedErrno;
}

sigset_t stopSet()
{
    sigset_t stops;
    sigemptyset(&stops);
    for (const int signal : kStopSignals) {
        sigaddset(&stops, signal);
    }
    return stops;
}

void waitForStop(int descriptor)
{
    pollfd watched{descriptor, POLLIN, 0};
    while (!stopAsked.load()) {
        ::poll(&watched, 1, descriptor >= 0 ? -1 : kFlagPollMs);
    }
}

}  // namespace

bool StopSignals::install()
{
    if (installed.exchange(true)) {
        return stopDescriptor.load() >= 0;
    }
    stopDescriptor.store(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    struct sigaction action = {};
    action.sa_handler = &onStopSignal;
    action.sa_mask = stopSet();
    action.sa_flags = SA_RESTART;
    for (const int signal : kStopSignals) {
        ::sigaction(signal, &action, nullptr);
    }
    // A starter that blocked them (they stay blocked across exec) must still be able to stop
    // the program; one that came meanwhile is delivered now.
    ::sigprocmask(SIG_UNBLOCK, &action.sa_mask, nullptr);
    return stopDescriptor.load() >= 0;
}

bool StopSignals::asked()
{
    return stopAsked.load();
}

StopSignals::Handle StopSignals::handle()
{
    return Handle{&stopAsked, stopDescriptor.load()};
}

void StopSignals::armWatchdog(std::chrono::milliseconds grace)
{
    const int descriptor = stopDescriptor.load();
    std::thread([descriptor, grace] {
        // The thread leaves the stop signals to the others, so its poll() is not the one they
        // interrupt.
        const sigset_t blocked = stopSet();
        ::pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
        waitForStop(descriptor);
        std::this_thread::sleep_for(grace);
        ::_exit(0);
    }).detach();
}

StopSignals::Deferral::Deferral()
{
    const sigset_t stops = stopSet();
    ::pthread_sigmask(SIG_BLOCK, &stops, &previous_);
}

StopSignals::Deferral::~Deferral()
{
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}
