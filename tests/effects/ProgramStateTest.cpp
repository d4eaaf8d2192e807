#include "effects/ProgramState.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

TEST(ProgramStateTest, InputStopIsResetByTheShowButAnOutsideStopIsNot)
{
    std::atomic<bool> outside{false};
    ProgramState state;
    state.followOutsideStop(&outside);
    state.requestStop();
    EXPECT_TRUE(state.stopRequested());
    EXPECT_FALSE(state.outsideStopRequested());

    state.StopRequested = 0;
    EXPECT_FALSE(state.stopRequested());

    outside.store(true);
    state.StopRequested = 0;
    EXPECT_TRUE(state.stopRequested());
    EXPECT_TRUE(state.outsideStopRequested());
}

TEST(ProgramStateTest, WithoutAnOutsideFlagOnlyInputStops)
{
    ProgramState state;
    EXPECT_FALSE(state.stopRequested());
    EXPECT_FALSE(state.outsideStopRequested());
    state.requestStop();
    EXPECT_TRUE(state.stopRequested());
}

}  // namespace
