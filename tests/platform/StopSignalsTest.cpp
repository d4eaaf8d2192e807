#include "platform/StopSignals.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr int kChildGaveUp = 7;
constexpr auto kChildBound = 10s;

bool readable(int descriptor)
{
    pollfd watched{descriptor, POLLIN, 0};
    return ::poll(&watched, 1, 0) == 1 && (watched.revents & POLLIN) != 0;
}

// Runs `body` in a child process and gives its wait status, or -1 when it did not end within
// the bound (it is then killed).
template <typename Body>
int inChild(Body body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(kChildGaveUp);
    }
    const auto end = std::chrono::steady_clock::now() + kChildBound;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(5ms);
    }
    return status;
}

// The handlers are process-wide, so each case runs in a child of its own.
TEST(StopSignalsTest, EachStopSignalIsKeptAsAFlagAndAReadableDescriptor)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const int status = inChild([signal] {
            if (!StopSignals::install() || StopSignals::asked() ||
                readable(StopSignals::handle().descriptor)) {
                return;
            }
            ::raise(signal);
            const StopSignals::Handle handle = StopSignals::handle();
            if (StopSignals::asked() && handle.asked->load() && readable(handle.descriptor)) {
                ::_exit(0);
            }
        });
        ASSERT_TRUE(WIFEXITED(status)) << "signal " << signal << ", status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0) << "signal " << signal;
    }
}

TEST(StopSignalsTest, StopIsNeverClearedByLaterSignalsOrReadings)
{
    const int status = inChild([] {
        StopSignals::install();
        ::raise(SIGTERM);
        ::raise(SIGINT);
        StopSignals::install();
        const int descriptor = StopSignals::handle().descriptor;
        if (readable(descriptor) && readable(descriptor) && StopSignals::asked()) {
            ::_exit(0);
        }
    });
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(StopSignalsTest, SignalThatCameWhileBlockedIsTakenAtTheInstall)
{
    const int status = inChild([] {
        sigset_t blocked;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGTERM);
        ::sigprocmask(SIG_BLOCK, &blocked, nullptr);
        ::raise(SIGTERM);
        StopSignals::install();
        if (StopSignals::asked()) {
            ::_exit(0);
        }
    });
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(StopSignalsTest, WatchdogEndsAStoppedProcessWithStatusZero)
{
    const int status = inChild([] {
        StopSignals::install();
        StopSignals::armWatchdog(20ms);
        ::raise(SIGTERM);
        // A program stuck after the stop: only the watchdog can end it.
        for (;;) {
            std::this_thread::sleep_for(1s);
        }
    });
    ASSERT_NE(status, -1) << "the stopped process kept running";
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(StopSignalsTest, WatchdogLeavesARunningProcessAlone)
{
    const int status = inChild([] {
        StopSignals::install();
        StopSignals::armWatchdog(1ms);
        std::this_thread::sleep_for(100ms);
    });
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), kChildGaveUp);
}

}  // namespace

TEST(StopSignalsTest, StopDuringADeferralIsTakenWhenItEnds)
{
    const int status = inChild([] {
        StopSignals::install();
        {
            const StopSignals::Deferral deferral;
            ::raise(SIGTERM);
            if (StopSignals::asked()) {
                return;
            }
        }
        if (StopSignals::asked()) {
            ::_exit(0);
        }
    });
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
