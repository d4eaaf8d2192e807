#include "player/ShowLoop.h"

#include "effects/EffectCatalogue.h"
#include "effects/EffectContext.h"
#include "effects/EffectDispatch.h"
#include "player/ColourRef.h"
#include "player/FrameComposer.h"
#include "player/OpaqueBlit.h"

#include <algorithm>
#include <string>

namespace {

std::string quotedOpenCommand(const std::string& path)
{
    return "open \"" + path + "\" alias bgm";
}

const std::string kPlay = "play bgm";
const std::string kStatus = "status bgm mode";
const std::string kSeek = "seek bgm to start";
const std::string kClose = "close bgm";

}  // namespace

ShowLoop::ShowLoop(const ShowSource& source, Audio& audio, Ticker& ticker, ProgramState& state,
                   ShowStage& stage, ShowObserver& observer, CanvasFactory& canvases)
    : source_(source),
      audio_(audio),
      ticker_(ticker),
      state_(state),
      stage_(stage),
      observer_(observer),
      canvases_(canvases)
{}

void ShowLoop::run()
{
    // A stop from outside that came before the show needs no show at all.
    if (source_.slideCount() <= 0 || state_.outsideStopRequested()) {
        return;
    }
    start();
    while (!state_.stopRequested()) {
        pass();
    }
    cleanUp();
}

void ShowLoop::start()
{
    const int width = std::max(0, source_.canvasWidth());
    const int height = std::max(0, source_.canvasHeight());
    const std::uint32_t background = ColourRef::toRgb(source_.backColor());
    for (PixelImage* surface : {&screen_, &outgoing_, &incoming_}) {
        *surface = canvases_.surface(width, height);
        surface->fill(background);
    }
    picture_ = source_.image(0);

    stage_.begin(screen_);
    ticker_.pumpEvents(state_);

    state_.StopRequested = 0;
    CurrentSlideIndex = 0;
    passCount_ = 0;
    stage_.armInput();

    screen_.fill(background);
    if (!source_.bgmKey().empty()) {
        audio_.sendCommand(quotedOpenCommand(source_.bgmKey()));
        audio_.sendCommand(kPlay);
    }
    const SlideSettings& first = source_.slide(0);
    OpaqueBlit(screen_, first.PosX, first.PosY, picture_);
    presentWhole();
    observer_.slideShown(0);
}

void ShowLoop::pass()
{
    // The display time runs from here: decoding and composing happen inside it.
    const std::int64_t SlideDeadline = ticker_.now() + source_.slide(CurrentSlideIndex).DisplayTime;

    FrameComposer composer(screen_, outgoing_, incoming_, ColourRef::toRgb(source_.backColor()));
    composer.ComposeOutgoingFrame(source_.slide(CurrentSlideIndex), picture_);

    const int OutgoingSlideIndex = CurrentSlideIndex;
    CurrentSlideIndex = nextIndex(CurrentSlideIndex);
    ++passCount_;

    picture_ = source_.image(CurrentSlideIndex);
    composer.ComposeIncomingFrame(source_.slide(CurrentSlideIndex), picture_);
    observer_.framesComposed(passCount_, outgoing_, incoming_);

    ticker_.waitPast(SlideDeadline, state_);
    // Stopped from outside while waiting: the show ends now, without the slide's sound and the
    // transition's first frame, which on a large canvas take a while.
    if (state_.outsideStopRequested()) {
        return;
    }

    if (source_.soundExists(CurrentSlideIndex)) {
        audio_.playSound(source_.soundKey(CurrentSlideIndex));
    }

    // A damaged file may hold any speed index; outside the list's four entries the speed would
    // be 0 (frames that never end) or overflow.
    const SlideSettings& leaving = source_.slide(OutgoingSlideIndex);
    state_.EffectSpeed = effectSpeedForIndex(std::clamp(leaving.SpeedIndex, 0, kSpeedCount - 1));

    observer_.transitionStarting(OutgoingSlideIndex, CurrentSlideIndex, leaving.EffectNumber,
                                 state_.EffectSpeed);
    {
        const std::unique_ptr<Canvas> canvas = canvases_.canvas(
            screen_, outgoing_, incoming_,
            [this](std::span<const PixelRect> changed) { stage_.present(changed); });
        EffectContext context{*canvas, ticker_, state_};
        runTransition(leaving.EffectNumber, context);
    }
    observer_.transitionFinished(passCount_);

    presentWhole();
    checkMusic();
    ticker_.pumpEvents(state_);
}

void ShowLoop::presentWhole()
{
    const PixelRect whole = screen_.rect();
    stage_.present(std::span<const PixelRect>(&whole, 1));
}

void ShowLoop::checkMusic()
{
    if (source_.bgmKey().empty()) {
        return;
    }
    const std::string mode = audio_.sendCommand(kStatus);
    if (mode.starts_with(kStoppedMode)) {
        audio_.sendCommand(kSeek);
        audio_.sendCommand(kPlay);
    }
}

void ShowLoop::cleanUp()
{
    if (!source_.bgmKey().empty()) {
        audio_.sendCommand(kClose);
    }
    audio_.purgeSounds();
    stage_.end();
    observer_.stopped();
}

int ShowLoop::nextIndex(int index) const
{
    return index >= source_.slideCount() - 1 ? 0 : index + 1;
}
