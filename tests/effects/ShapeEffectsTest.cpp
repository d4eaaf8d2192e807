#include "EffectRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using Kind = RecordedOperation::Kind;
using Source = Canvas::Source;
using Point = Canvas::Point;

TEST(ShapeEffects, EachFrameClipsCopiesRefreshesAndUnclipsBeforeItsWait)
{
    for (int effect : {30, 31, 32, 33}) {
        for (const auto& frame : runEffect(effect, 80, 60).frames()) {
            ASSERT_EQ(frame.size(), 4u) << effect;
            EXPECT_TRUE(frame[0].kind == Kind::ClipEllipse || frame[0].kind == Kind::ClipPolygon);
            EXPECT_EQ(frame[1].kind, Kind::Copy);
            EXPECT_EQ(frame[2].kind, Kind::Refresh);
            EXPECT_EQ(frame[3].kind, Kind::Unclip);
        }
    }
}

TEST(ShapeEffects, ClockWedgesStartAboveTheCentreAndChainTheirRimPoints)
{
    const auto frames = runEffect(32, 800, 600).frames();
    ASSERT_EQ(frames.size(), 36u);
    EXPECT_EQ(frames[0][0].points, (std::vector<Point>{{400, -200}, {400, 300}, {487, -192}}));
    for (std::size_t i = 1; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i][0].points[0], frames[i - 1][0].points[2]);
        EXPECT_EQ(frames[i][1], copyOp(Source::Incoming, 0, 0, 800, 600, 0, 0));
    }
    // The last wedge closes the circle at 12 o'clock.
    EXPECT_EQ(frames[35][0].points[2], (Point{400, -200}));
}

TEST(ShapeEffects, SweepsCopyOnlyTwiceTheCentreOnAnOddCanvas)
{
    const auto frames = runEffect(32, 801, 600).frames();
    EXPECT_EQ(frames[0][1], copyOp(Source::Incoming, 0, 0, 800, 600, 0, 0));
}

TEST(ShapeEffects, CircleBoxMatchesTheCanvasAfterTwentyFrames)
{
    const auto frames = runEffect(30, 800, 600).frames();
    ASSERT_EQ(frames.size(), 25u);
    EXPECT_EQ(frames[0][0].rect, (std::array<int, 4>{400, 300, 400, 300}));
    EXPECT_EQ(frames[19][0].rect, (std::array<int, 4>{20, 15, 780, 585}));
    EXPECT_EQ(frames[19][1], copyOp(Source::Incoming, 20, 15, 760, 570, 20, 15));
    EXPECT_EQ(frames[20][1], copyOp(Source::Incoming, 0, 0, 800, 600, 0, 0));
    EXPECT_EQ(frames[24][1], copyOp(Source::Incoming, -80, -60, 960, 720, -80, -60));
}

TEST(ShapeEffects, DiamondPointsRunTopLeftBottomRight)
{
    const auto frames = runEffect(31, 800, 600).frames();
    ASSERT_EQ(frames.size(), 30u);
    // dx = 26.67, dy = 20: the corner moves to (373, 280).
    EXPECT_EQ(frames[1][0].points,
              (std::vector<Point>{{400, 280}, {373, 300}, {400, 320}, {427, 300}}));
    EXPECT_EQ(frames[1][1], copyOp(Source::Incoming, 373, 280, 54, 40, 373, 280));
}

TEST(ShapeEffects, SpiralSweepRadiusGrowsByTwoOnTheStandardCanvas)
{
    const auto frames = runEffect(33, 800, 600).frames();
    ASSERT_EQ(frames.size(), 201u);
    EXPECT_EQ(frames[0][0].points, (std::vector<Point>{{400, 300}, {400, 300}, {400, 300}}));
    // Last frame: radius 400 at 1920 degrees (120 degrees).
    EXPECT_EQ(frames[200][0].points[2], (Point{200, 646}));
}

TEST(ShapeEffects, SpiralSweepOnATinyCanvasOutgrowsTheHalfDiagonal)
{
    const auto frames = runEffect(33, 10, 10).frames();
    const Point rim = frames[40][0].points[2];
    const double distance = std::hypot(rim.x - 5.0, rim.y - 5.0);
    EXPECT_NEAR(distance, 40.0, 1.0);
}

}  // namespace
