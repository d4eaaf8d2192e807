#include "platform/EventLoopTicker.h"

#include "effects/ProgramState.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class EventLoopTickerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "EventLoopTickerTest";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }

    EventLoopTicker ticker;
    ProgramState state;
};

TEST_F(EventLoopTickerTest, WaitEndsAtTheFirstReadingPastTheDeadline)
{
    const std::int64_t deadline = ticker.now() + 15;
    ticker.waitPast(deadline, state);
    EXPECT_GT(ticker.now(), deadline);
    EXPECT_FALSE(state.stopRequested());
}

TEST_F(EventLoopTickerTest, AStopWithWakeEndsTheWaitLongBeforeItsDeadline)
{
    QTimer::singleShot(5, [this] {
        state.requestStop();
        ticker.wake();
    });
    const std::int64_t deadline = ticker.now() + 60'000;
    ticker.waitPast(deadline, state);
    EXPECT_TRUE(state.stopRequested());
    EXPECT_LT(ticker.now(), deadline);
}

TEST_F(EventLoopTickerTest, APastDeadlineStillLetsPendingInputRun)
{
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    ticker.waitPast(ticker.now() - 5, state);
    EXPECT_TRUE(handled);

    bool pumped = false;
    QTimer::singleShot(0, [&] { pumped = true; });
    ticker.pumpEvents(state);
    EXPECT_TRUE(pumped);
}

}  // namespace
