#include "document/EditableShow.h"
#include "effects/VirtualTicker.h"
#include "media/MediaFactory.h"
#include "player/EditableShowSource.h"
#include "player/ImageCanvasFactory.h"
#include "player/RecordingAudio.h"
#include "player/ShowLoop.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <atomic>

namespace {

constexpr int kDisplayTime = 1000;
constexpr int kWipeLeftToRight = 5;

// Counts what the show did; the stage can ask for a stop as it begins, as a signal arriving
// while the window opens would.
class Witness : public ShowStage, public ShowObserver {
public:
    explicit Witness(std::atomic<bool>& outsideStop) : outsideStop_(outsideStop) {}

    void begin(const PixelImage&) override
    {
        ++begun;
        if (stopAsTheStageBegins) {
            outsideStop_.store(true);
        }
    }
    void end() override { ++ended; }
    void slideShown(int) override { ++slidesShown; }
    void transitionStarting(int, int, int, int) override { ++transitions; }
    void soundStarted(const std::string&) override { ++sounds; }
    void stopped() override { ++stops; }

    bool stopAsTheStageBegins = false;
    int begun = 0;
    int ended = 0;
    int slidesShown = 0;
    int transitions = 0;
    int sounds = 0;
    int stops = 0;

private:
    std::atomic<bool>& outsideStop_;
};

class ShowLoopOutsideStopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        show.canvasWidth = 32;
        show.canvasHeight = 24;
        const QString beep = media.wav(QStringLiteral("beep.wav"));
        for (int i = 0; i < 2; ++i) {
            SlideItem item;
            item.DisplayTime = kDisplayTime;
            item.EffectNumber = kWipeLeftToRight;
            item.SoundPath = beep;
            show.imagePaths.append(
                media.solidImage(QStringLiteral("slide%1.bmp").arg(i), {8, 6}, Qt::white));
            show.document.Slides.append(item);
        }
        show.document.SlideCount = show.slideCount();
        state.followOutsideStop(&outsideStop);
    }

    void play()
    {
        EditableShowSource source(show);
        RecordingAudio audio(ticker, witness, std::nullopt);
        ImageCanvasFactory canvases;
        ShowLoop loop(source, audio, ticker, state, witness, witness, canvases);
        loop.run();
    }

    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    EditableShow show;
    std::atomic<bool> outsideStop{false};
    ProgramState state;
    VirtualTicker ticker;
    Witness witness{outsideStop};
};

TEST_F(ShowLoopOutsideStopTest, StopBeforeTheShowShowsNothing)
{
    outsideStop.store(true);
    play();
    EXPECT_EQ(witness.begun, 0);
    EXPECT_EQ(witness.slidesShown, 0);
    EXPECT_EQ(ticker.waitCount(), 0);
}

TEST_F(ShowLoopOutsideStopTest, StopWhileTheStageOpensIsNotClearedByTheStart)
{
    witness.stopAsTheStageBegins = true;
    play();
    EXPECT_EQ(witness.begun, 1);
    EXPECT_EQ(witness.transitions, 0);
    EXPECT_EQ(ticker.waitCount(), 0);
    EXPECT_EQ(witness.ended, 1);
    EXPECT_EQ(witness.stops, 1);
}

TEST_F(ShowLoopOutsideStopTest, StopDuringTheWaitEndsTheShowBeforeSoundAndTransition)
{
    ticker.setWaitObserver([this](std::int64_t) { outsideStop.store(true); });
    play();
    EXPECT_EQ(ticker.waitCount(), 1);
    EXPECT_EQ(witness.sounds, 0);
    EXPECT_EQ(witness.transitions, 0);
    EXPECT_EQ(witness.ended, 1);
    EXPECT_EQ(witness.stops, 1);
}

TEST_F(ShowLoopOutsideStopTest, StopDuringATransitionEndsItAtItsFirstFrame)
{
    // The first wait is the display time; the second is the transition's first frame.
    ticker.setWaitObserver([this](std::int64_t) {
        if (ticker.waitCount() == 2) {
            outsideStop.store(true);
        }
    });
    play();
    EXPECT_EQ(witness.transitions, 1);
    EXPECT_EQ(ticker.waitCount(), 2);
    EXPECT_EQ(witness.stops, 1);
}

TEST_F(ShowLoopOutsideStopTest, InputStopsOfAnEarlierShowDoNotStopTheNextOne)
{
    state.requestStop();
    ticker.stopDuringWait(2);
    play();
    EXPECT_EQ(witness.slidesShown, 1);
    EXPECT_GE(ticker.waitCount(), 2);
    EXPECT_EQ(witness.transitions, 1);
}

}  // namespace
