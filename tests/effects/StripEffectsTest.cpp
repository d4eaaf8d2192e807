#include "EffectRun.h"

#include <gtest/gtest.h>

namespace {

using Kind = RecordedOperation::Kind;
using Source = Canvas::Source;
constexpr Source kIn = Source::Incoming;
constexpr Source kOut = Source::Outgoing;

TEST(StripEffects, FloatingCounterFrameCountsFollow32BitAccumulation)
{
    // Limit W with step 40 lands on 800 exactly; limit 799 with step 39.95 overshoots.
    EXPECT_EQ(runEffect(5, 800, 600).frameCount(), 21);
    EXPECT_EQ(runEffect(19, 800, 600).frameCount(), 21);
    EXPECT_EQ(runEffect(6, 800, 600).frameCount(), 20);
    EXPECT_EQ(runEffect(28, 800, 600).frameCount(), 20);
    // Step 51.2 accumulates past 1024 before the 21st value.
    const EffectRun wide = runEffect(5, 1024, 600);
    ASSERT_EQ(wide.frameCount(), 20);
    EXPECT_EQ(wide.frames()[19][0].rect[2], 974);  // i = 972.8, width i + 1
    EXPECT_EQ(runEffect(8, 800, 600).frameCount(), 20);
    EXPECT_EQ(runEffect(7, 800, 600).frameCount(), 21);
}

TEST(StripEffects, WipeLeftToRightDrawsTheIncomingRightEdgeFirst)
{
    const auto frames = runEffect(5, 800, 600).frames();
    EXPECT_EQ(frames[0][0], copyOp(kIn, 0, 0, 1, 600, 800, 0));
    // i = 400: the incoming columns 400..799 land on columns 0..399 (the 401st is outside).
    EXPECT_EQ(frames[10][0], copyOp(kIn, 0, 0, 401, 600, 400, 0));
    EXPECT_EQ(frames[20][0], copyOp(kIn, 0, 0, 801, 600, 0, 0));
}

TEST(StripEffects, OpenOnOddWidthUsesTheEvenHalfAndRoundsEachCopy)
{
    const EffectRun run = runEffect(1, 101, 30);
    // half = 50 (50.5 ties to even), step 2.5: 21 frames.
    ASSERT_EQ(run.frameCount(), 21);
    const auto frames = run.frames();
    EXPECT_EQ(frames[0][0], copyOp(kOut, 0, 0, 50, 30, 0, 0));
    EXPECT_EQ(frames[0][2], copyOp(kIn, 50, 0, 0, 30, 50, 0));
    // i = 2.5: half - i = 47.5 -> 48, half + i = 52.5 -> 52, i -> 2, 2i = 5.
    EXPECT_EQ(frames[1][0], copyOp(kOut, 0, 0, 48, 30, 2, 0));
    EXPECT_EQ(frames[1][1], copyOp(kOut, 52, 0, 48, 30, 50, 0));
    EXPECT_EQ(frames[1][2], copyOp(kIn, 48, 0, 5, 30, 48, 0));
    EXPECT_EQ(frames[20][2], copyOp(kIn, 0, 0, 100, 30, 0, 0));
}

TEST(StripEffects, FlatFrameCountDependsSharplyOnHeight)
{
    EXPECT_EQ(runEffect(4, 50, 600).frameCount(), 25);
    EXPECT_EQ(runEffect(4, 50, 200).frameCount(), 41);
    EXPECT_EQ(runEffect(4, 50, 120).frameCount(), 120);
    EXPECT_EQ(runEffect(4, 50, 105).frameCount(), 421);
    EXPECT_EQ(runEffect(4, 50, 500).frameCount(), 26);
}

TEST(StripEffects, FlatCopiesFiveOverlappingStripsPerFrame)
{
    const auto frames = runEffect(4, 800, 600).frames();
    ASSERT_EQ(frames[1].size(), 6u);  // five copies and the refresh
    for (int k = 0; k < 5; ++k) {
        const int top = 120 * k + 5;
        EXPECT_EQ(frames[1][k], copyOp(kIn, 0, top, 800, 6, 0, top));
    }
    // H = 500: band 100, step 4, strips 5 high.
    EXPECT_EQ(runEffect(4, 800, 500).frames()[2][4], copyOp(kIn, 0, 408, 800, 5, 0, 408));
}

TEST(StripEffects, FlatWithNegativeStepDrawsNoFrameAndZeroStepDrawsOne)
{
    const EffectRun low = runEffect(4, 40, 80);  // band 16, step -0.2
    EXPECT_EQ(low.frameCount(), 0);
    ASSERT_EQ(low.operations.size(), 2u);
    EXPECT_EQ(low.operations[0], copyOp(kOut, 0, 0, 40, 80, 0, 0));
    EXPECT_EQ(low.operations[1], copyOp(kIn, 0, 0, 40, 80, 0, 0));
    // band 20, step 0: the counter would never move.
    EXPECT_EQ(runEffect(4, 40, 100).frameCount(), 1);
    // limit W - 1 = 0 on a one-pixel canvas, step 0.
    EXPECT_EQ(runEffect(6, 1, 40).frameCount(), 1);
    EXPECT_EQ(runEffect(1, 1, 40).frameCount(), 1);  // half = 0
}

TEST(StripEffects, CentreWipeTakesTwentyFramesAndGrowsByAFortieth)
{
    const EffectRun run = runEffect(10, 800, 600);
    ASSERT_EQ(run.frameCount(), 20);
    const auto frames = run.frames();
    EXPECT_EQ(frames[0][0], copyOp(kIn, 400, 300, 0, 0, 400, 300));
    EXPECT_EQ(frames[19][0], copyOp(kIn, 20, 15, 760, 570, 20, 15));
    EXPECT_EQ(runEffect(10, 7, 3).frameCount(), 20);
}

TEST(StripEffects, ShuttersUncoverInPlaceAndSlidesPushTheOutgoingImage)
{
    const auto right = runEffect(21, 800, 600).frames();
    EXPECT_EQ(right[1][0], copyOp(kIn, 760, 0, 40, 600, 760, 0));
    const auto bottom = runEffect(22, 800, 600).frames();
    EXPECT_EQ(bottom[0][0], copyOp(kIn, 0, 599, 800, 0, 0, 599));
    const auto slide = runEffect(26, 800, 600).frames();
    EXPECT_EQ(slide[1][0], copyOp(kOut, 40, 0, 760, 600, 0, 0));
    EXPECT_EQ(slide[1][1], copyOp(kIn, 0, 0, 41, 600, 760, 0));
}

TEST(StripEffects, SlideFromBottomScrollsTheIncomingPictureAroundItself)
{
    const auto frames = runEffect(29, 800, 600).frames();
    // The first frame covers the outgoing image but for its last row.
    EXPECT_EQ(frames[0][0], copyOp(kIn, 0, 0, 800, 599, 0, 0));
    EXPECT_EQ(frames[0][1], copyOp(kIn, 0, 599, 800, 0, 0, 0));
    // i = 29.95 -> 30: rows 30.. at the top, the first 30 rows at the bottom.
    EXPECT_EQ(frames[1][0], copyOp(kIn, 0, 0, 800, 569, 0, 30));
    EXPECT_EQ(frames[1][1], copyOp(kIn, 0, 569, 800, 30, 0, 0));
}

}  // namespace
