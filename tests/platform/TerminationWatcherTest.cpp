#include "platform/TerminationWatcher.h"

#include "effects/ProgramState.h"
#include "platform/EventLoopTicker.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/eventfd.h>
#include <unistd.h>
#include <atomic>

#include <cstdint>

namespace {

constexpr std::int64_t kLongWaitMs = 60000;

// A stop of its own, set the way the signal handler sets it, so the test process keeps its
// signals.
class FakeStop {
public:
    FakeStop() : descriptor_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~FakeStop() { ::close(descriptor_); }

    void ask()
    {
        asked_.store(true);
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(descriptor_, &one, sizeof one);
    }
    StopSignals::Handle handle() const { return {&asked_, descriptor_}; }

private:
    std::atomic<bool> asked_{false};
    int descriptor_;
};

class TerminationWatcherTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "TerminationWatcherTest";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }

    FakeStop stop;
};

TEST_F(TerminationWatcherTest, StopAskedBeforeTheWatcherIsReportedOnceWhenEventsRun)
{
    stop.ask();
    int reports = 0;
    const TerminationWatcher watcher(stop.handle(), [&reports] { ++reports; });
    EXPECT_TRUE(watcher.terminated());
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(reports, 1);
}

TEST_F(TerminationWatcherTest, NothingIsReportedWithoutAStop)
{
    int reports = 0;
    const TerminationWatcher watcher(stop.handle(), [&reports] { ++reports; });
    QCoreApplication::processEvents();
    EXPECT_FALSE(watcher.terminated());
    EXPECT_EQ(reports, 0);
}

TEST_F(TerminationWatcherTest, StopEndsALongWaitOfTheShow)
{
    EventLoopTicker ticker;
    ProgramState state;
    state.followOutsideStop(stop.handle().asked);
    const TerminationWatcher watcher(stop.handle(), [&ticker] { ticker.wake(); });
    QTimer::singleShot(0, [this] { stop.ask(); });

    const std::int64_t deadline = ticker.now() + kLongWaitMs;
    ticker.waitPast(deadline, state);
    EXPECT_TRUE(state.stopRequested());
    EXPECT_LT(ticker.now(), deadline);
}

}  // namespace
