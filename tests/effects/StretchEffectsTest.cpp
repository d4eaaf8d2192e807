#include "EffectRun.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Kind = RecordedOperation::Kind;
using Source = Canvas::Source;

// The destination rectangle of a frame's only stretch.
std::array<int, 4> stretchIn(const std::vector<RecordedOperation>& frame, Source source)
{
    const auto stretches = EffectRun::only(frame, Kind::Stretch);
    EXPECT_EQ(stretches.size(), 1u);
    EXPECT_EQ(stretches.at(0).source, source);
    return stretches.at(0).rect;
}

TEST(StretchEffects, SpinNarrowsOnBlackThenWidensTheIncomingImage)
{
    const EffectRun run = runEffect(11, 800, 600);
    ASSERT_EQ(run.frameCount(), 20);
    const auto frames = run.frames();
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(frames[i][0].kind, Kind::Fill) << i;
        EXPECT_EQ(stretchIn(frames[i], Source::Outgoing),
                  (std::array<int, 4>{40 * i, 0, 800 - 80 * i, 600}));
    }
    EXPECT_EQ(stretchIn(frames[11], Source::Incoming), (std::array<int, 4>{400, 0, 0, 600}));
    EXPECT_EQ(stretchIn(frames[12], Source::Incoming), (std::array<int, 4>{360, 0, 80, 600}));
    EXPECT_EQ(stretchIn(frames[19], Source::Incoming), (std::array<int, 4>{80, 0, 640, 600}));
    for (int i = 11; i < 20; ++i) {
        EXPECT_TRUE(EffectRun::only(frames[i], Kind::Fill).empty()) << i;
    }
}

TEST(StretchEffects, Spin2MirrorsAtTheTurnAndNeverClears)
{
    const EffectRun run = runEffect(13, 800, 600);
    ASSERT_EQ(run.frameCount(), 40);
    const auto frames = run.frames();
    const std::array<int, 40> widths{800, 720, 640, 560, 480, 400, 320, 240, 160, 80,
                                     0,   -80, 0,   80,  160, 240, 320, 400, 480, 560,
                                     640, 640, 560, 480, 400, 320, 240, 160, 80,  0,
                                     -80, 0,   80,  160, 240, 320, 400, 480, 560, 640};
    for (int i = 0; i < 40; ++i) {
        const Source source = i <= 20 ? Source::Outgoing : Source::Incoming;
        EXPECT_EQ(stretchIn(frames[i], source)[2], widths[i]) << i;
        EXPECT_TRUE(EffectRun::only(frames[i], Kind::Fill).empty()) << i;
    }
    // Frame 11: mirrored, 80 wide, extending left from column 440.
    EXPECT_EQ(stretchIn(frames[11], Source::Outgoing), (std::array<int, 4>{440, 0, -80, 600}));
    EXPECT_EQ(stretchIn(run.frames()[30], Source::Incoming)[0], 440);
}

TEST(StretchEffects, SpringSqueezesTheOutgoingImageTowardsTheFarEdge)
{
    const auto frames = runEffect(17, 800, 600).frames();
    ASSERT_EQ(frames.size(), 21u);
    EXPECT_EQ(frames[0][0].rect, (std::array<int, 4>{0, 0, 800, 600}));
    EXPECT_EQ(frames[0][1].rect, (std::array<int, 4>{800, 0, 0, 600}));
    EXPECT_EQ(frames[20][0].rect, (std::array<int, 4>{0, 0, 0, 600}));
    EXPECT_EQ(frames[20][1].rect, (std::array<int, 4>{0, 0, 800, 600}));
    const auto top = runEffect(16, 800, 600).frames();
    EXPECT_EQ(top[5][0].rect, (std::array<int, 4>{0, 150, 800, 450}));
    EXPECT_EQ(top[5][1].rect, (std::array<int, 4>{0, 0, 800, 150}));
}

TEST(StretchEffects, ZoomCentresOnTheEvenHalfOfAnOddCanvas)
{
    const auto frames = runEffect(23, 101, 101).frames();
    ASSERT_EQ(frames.size(), 21u);
    EXPECT_EQ(stretchIn(frames[0], Source::Incoming), (std::array<int, 4>{50, 50, 0, 0}));
    // dx = 2.525: 50 - 2.525 = 47.475 -> 47.
    EXPECT_EQ(stretchIn(frames[1], Source::Incoming), (std::array<int, 4>{47, 47, 6, 6}));
}

TEST(StretchEffects, ZoomShrinksOnBlackThenGrowsTheIncomingImage)
{
    const EffectRun run = runEffect(25, 800, 600);
    ASSERT_EQ(run.frameCount(), 41);
    const auto frames = run.frames();
    EXPECT_EQ(stretchIn(frames[0], Source::Outgoing), (std::array<int, 4>{0, 0, 800, 600}));
    EXPECT_EQ(stretchIn(frames[20], Source::Outgoing), (std::array<int, 4>{400, 300, 0, 0}));
    EXPECT_EQ(stretchIn(frames[21], Source::Incoming), (std::array<int, 4>{400, 300, 0, 0}));
    EXPECT_EQ(stretchIn(frames[40], Source::Incoming), (std::array<int, 4>{20, 15, 760, 570}));
    EXPECT_EQ(frames[20][0].kind, Kind::Fill);
    EXPECT_TRUE(EffectRun::only(frames[21], Kind::Fill).empty());
}

TEST(StretchEffects, ZoomOutDrawsTheIncomingPictureUnderEveryFrame)
{
    const auto frames = runEffect(24, 800, 600).frames();
    EXPECT_EQ(frames[3][0], copyOp(Source::Incoming, 0, 0, 800, 600, 0, 0));
    EXPECT_EQ(stretchIn(frames[3], Source::Outgoing), (std::array<int, 4>{60, 45, 680, 510}));
}

TEST(StretchEffects, OnlySpinSpin2AndSpringRefreshAfterTheirFinish)
{
    for (int effect : {11, 12, 13, 14, 15, 16, 17, 18}) {
        const auto& ops = runEffect(effect, 40, 30).operations;
        EXPECT_EQ(ops[ops.size() - 2], copyOp(Source::Incoming, 0, 0, 40, 30, 0, 0));
        EXPECT_EQ(ops.back().kind, Kind::Refresh) << effect;
    }
    for (int effect : {23, 24, 25}) {
        EXPECT_EQ(runEffect(effect, 40, 30).operations.back(),
                  copyOp(Source::Incoming, 0, 0, 40, 30, 0, 0));
    }
}

}  // namespace
