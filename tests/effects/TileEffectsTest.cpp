#include "EffectRun.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using Kind = RecordedOperation::Kind;
using Source = Canvas::Source;

TEST(TileEffects, SpiralUncoversTheTilesClockwiseInwards)
{
    const std::pair<int, int> order[25] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}, {4, 2},
                                           {4, 3}, {4, 4}, {3, 4}, {2, 4}, {1, 4}, {0, 4}, {0, 3},
                                           {0, 2}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3},
                                           {2, 3}, {1, 3}, {1, 2}, {2, 2}};
    const auto frames = runEffect(9, 800, 600).frames();
    ASSERT_EQ(frames.size(), 25u);
    for (int k = 0; k < 25; ++k) {
        const int x = order[k].first * 161;
        const int y = order[k].second * 121;
        EXPECT_EQ(frames[k][0], copyOp(Source::Incoming, x, y, 161, 121, x, y)) << k;
    }
}

TEST(TileEffects, TileOverUncoversEveryTileOnceInRandomOrder)
{
    const auto frames = runEffect(3, 800, 600).frames();
    ASSERT_EQ(frames.size(), 25u);
    std::set<std::pair<int, int>> seen;
    for (const auto& frame : frames) {
        const RecordedOperation& copy = frame.at(0);
        EXPECT_EQ(copy.rect[2], 161);
        EXPECT_EQ(copy.rect[3], 121);
        EXPECT_EQ(copy.rect[0] % 161, 0);
        EXPECT_EQ(copy.rect[1] % 121, 0);
        seen.insert({copy.rect[0], copy.rect[1]});
    }
    EXPECT_EQ(seen.size(), 25u);
    EXPECT_TRUE(seen.count({644, 484}));  // the corner tile reaches past the canvas
}

TEST(TileEffects, StripVariantsUseTwentyFiveStripsOneWiderThanAShare)
{
    const auto columns = runEffect(34, 800, 600).frames();
    ASSERT_EQ(columns.size(), 25u);
    std::set<int> lefts;
    for (const auto& frame : columns) {
        EXPECT_EQ(frame[0].rect[2], 33);
        EXPECT_EQ(frame[0].rect[3], 600);
        lefts.insert(frame[0].rect[0]);
    }
    EXPECT_EQ(lefts.size(), 25u);
    EXPECT_EQ(*lefts.rbegin(), 24 * 33);

    const auto rows = runEffect(35, 800, 600).frames();
    std::set<int> tops;
    for (const auto& frame : rows) {
        EXPECT_EQ(frame[0].rect[3], 25);
        tops.insert(frame[0].at.y);
    }
    EXPECT_EQ(tops.size(), 25u);
}

TEST(TileEffects, NarrowCanvasStillGetsFiveColumns)
{
    const auto frames = runEffect(9, 10, 10).frames();
    EXPECT_EQ(frames[4][0], copyOp(Source::Incoming, 12, 0, 3, 3, 12, 0));
}

TEST(TileEffects, RandomOrderContinuesTheProgramWideSequence)
{
    // Two runs on one state draw different orders: the generator is not reseeded per call.
    RecordingCanvas canvas(800, 600);
    VirtualTicker ticker;
    ProgramState state;
    EffectContext context{canvas, ticker, state};
    runTransition(3, context);
    const std::vector<RecordedOperation> first = canvas.operations();
    runTransition(3, context);
    const std::vector<RecordedOperation> both = canvas.operations();
    const std::vector<RecordedOperation> second(both.begin() + first.size(), both.end());
    EXPECT_NE(first, second);
    // A fresh program state starts the same sequence again.
    EXPECT_EQ(EffectRun::only(first, Kind::Copy),
              EffectRun::only(runEffect(3, 800, 600).operations, Kind::Copy));
}

}  // namespace
