#include "EffectRun.h"

#include "effects/EffectCatalogue.h"

#include <gtest/gtest.h>

namespace {

using Kind = RecordedOperation::Kind;
using Source = Canvas::Source;

TEST(FrameTiming, DeadlineIsBasePeriodOverSpeedAfterTheFrameStart)
{
    // 50 / 8 = 6.25 -> 6; every wait ends one tick past its deadline.
    const auto fast = runEffect(5, 800, 600, 8).deadlines();
    ASSERT_EQ(fast.size(), 21u);
    EXPECT_EQ(fast[0], 6);
    EXPECT_EQ(fast[1], 13);
    EXPECT_EQ(fast[20], 146);
    EXPECT_EQ(runEffect(5, 800, 600).deadlines()[1], 101);
}

TEST(FrameTiming, DeadlineRoundsTheWholeSumHalfToEven)
{
    // 25 / 2 = 12.5 on top of an even or odd start tick.
    const auto deadlines = runEffect(15, 80, 60, 2).deadlines();
    EXPECT_EQ(deadlines[0], 12);  // 0 + 12.5
    EXPECT_EQ(deadlines[1], 26);  // 13 + 12.5
    EXPECT_EQ(deadlines[2], 40);  // 27 + 12.5
}

TEST(FrameTiming, EveryEffectRunsTheSameFramesAtEveryBasePeriod)
{
    for (int effect = 1; effect < kEffectCount; ++effect) {
        const EffectRun slow = runEffect(effect, 64, 200);
        const EffectRun fast = runEffect(effect, 64, 200, 8);
        ASSERT_EQ(slow.frameCount(), fast.frameCount()) << effect;
        const auto deadlines = slow.deadlines();
        ASSERT_FALSE(deadlines.empty()) << effect;
        EXPECT_EQ(deadlines[0], effectCatalogue()[effect].basePeriodMs) << effect;
        if (effect != 3 && effect != 34 && effect != 35) {  // random order differs per run
            EXPECT_EQ(slow.frames(), fast.frames()) << effect;
        }
    }
}

TEST(FrameTiming, CountedEffectsRunTheFramesTheCatalogueNames)
{
    for (const EffectDescription& effect : effectCatalogue()) {
        if (effect.frameKind == FrameKind::Counted) {
            EXPECT_EQ(runEffect(effect.number, 37, 23).frameCount(), effect.frames)
                << effect.procedureName;
        }
    }
    EXPECT_EQ(effectCatalogue()[0].frameKind, FrameKind::None);
    EXPECT_EQ(effectCatalogue()[4].frameKind, FrameKind::FloatingCounter);
}

TEST(FrameTiming, ADamagedSpeedBelowOneCountsAsOne)
{
    EXPECT_EQ(runEffect(5, 80, 60, 0).deadlines()[0], 50);
}

TEST(FrameTiming, StopDuringAWaitDrawsTheFinishAtOnce)
{
    for (int effect = 1; effect < kEffectCount; ++effect) {
        const EffectRun run = runEffect(effect, 64, 200, 1, 2);
        EXPECT_EQ(run.frameCount(), 3) << effect;
        EXPECT_EQ(run.stopRequested, -1);
        const auto& ops = run.operations;
        const bool refreshes = effect >= 11 && effect <= 18;
        const std::size_t finish = ops.size() - (refreshes ? 2 : 1);
        EXPECT_EQ(ops[finish], copyOp(Source::Incoming, 0, 0, 64, 200, 0, 0)) << effect;
        EXPECT_EQ(ops[finish - 1].kind, Kind::Wait) << effect;
    }
}

TEST(FrameTiming, AStopAlreadySetLetsEveryEffectDrawOneFrame)
{
    for (int effect = 1; effect < kEffectCount; ++effect) {
        RecordingCanvas canvas(64, 200);
        VirtualTicker ticker;
        ProgramState state;
        state.requestStop();
        EffectContext context{canvas, ticker, state};
        runTransition(effect, context);
        EXPECT_EQ(ticker.waitCount(), 1) << effect;
        EXPECT_EQ(ticker.now(), 0);
        EXPECT_EQ(canvas.operations().front(), copyOp(Source::Outgoing, 0, 0, 64, 200, 0, 0));
    }
}

TEST(FrameTiming, StopAtAVirtualTimeEndsTheWaitInProgressThen)
{
    RecordingCanvas canvas(800, 600);
    VirtualTicker ticker;
    ticker.stopAt(120);
    ProgramState state;
    EffectContext context{canvas, ticker, state};
    runTransition(5, context);
    // Waits end at 51 and 102; the third (deadline 152) is cut at 120.
    EXPECT_EQ(ticker.waitCount(), 3);
    EXPECT_EQ(ticker.now(), 120);
    EXPECT_TRUE(state.stopRequested());
}

TEST(VirtualTickerTest, WaitsJumpPastTheDeadlineAndPumpsSeeAStopInTime)
{
    VirtualTicker ticker;
    ProgramState state;
    ticker.waitPast(10, state);
    EXPECT_EQ(ticker.now(), 11);
    ticker.advance(20);
    ticker.waitPast(15, state);  // already past: no jump back
    EXPECT_EQ(ticker.now(), 31);
    ticker.stopAt(40);
    ticker.pumpEvents(state);
    EXPECT_FALSE(state.stopRequested());
    ticker.advance(9);
    ticker.pumpEvents(state);
    EXPECT_TRUE(state.stopRequested());
}

TEST(EffectDispatch, NumbersOutsideTheListDrawNothingAndNoneCopiesAtOnce)
{
    EXPECT_TRUE(runEffect(36, 80, 60).operations.empty());
    EXPECT_TRUE(runEffect(-1, 80, 60).operations.empty());
    const EffectRun none = runEffect(0, 80, 60);
    ASSERT_EQ(none.operations.size(), 1u);
    EXPECT_EQ(none.operations[0], copyOp(Source::Incoming, 0, 0, 80, 60, 0, 0));
}

TEST(RecordedOperationTest, TraceLinesAreCompactJsonWithKeysInOrder)
{
    EXPECT_EQ(copyOp(Source::Outgoing, 0, -1, 800, 600, 3, 4).toJson(),
              R"({"op":"copy","src":"out","dst":[0,-1,800,600],"at":[3,4]})");
    RecordingCanvas canvas(8, 6);
    canvas.stretch(Source::Incoming, 440, 0, -80, 600);
    canvas.fillBlack();
    canvas.clipEllipse(1, 2, 3, 4);
    const Canvas::Point triangle[] = {{400, -200}, {400, 300}, {487, -192}};
    canvas.clipPolygon(triangle);
    canvas.unclip();
    canvas.refresh();
    canvas.recordWait(6);
    std::string lines;
    for (const auto& op : canvas.operations()) {
        lines += op.toJson() + "\n";
    }
    EXPECT_EQ(lines,
              "{\"op\":\"stretch\",\"src\":\"in\",\"dst\":[440,0,-80,600]}\n"
              "{\"op\":\"fill\"}\n"
              "{\"op\":\"clip\",\"ellipse\":[1,2,3,4]}\n"
              "{\"op\":\"clip\",\"polygon\":[[400,-200],[400,300],[487,-192]]}\n"
              "{\"op\":\"unclip\"}\n"
              "{\"op\":\"refresh\"}\n"
              "{\"op\":\"wait\",\"until\":6}\n");
}

}  // namespace
