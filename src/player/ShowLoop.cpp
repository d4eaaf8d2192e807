#include "player/ShowLoop.h"

#include "effects/EffectCatalogue.h"
#include "effects/EffectContext.h"
#include "effects/EffectDispatch.h"
#include "player/ColourRef.h"
#include "player/FrameComposer.h"
#include "player/ImageCanvas.h"
#include "player/OpaqueBlit.h"

#include <algorithm>

namespace {

QString quotedOpenCommand(const QString& path)
{
    return QStringLiteral("open \"%1\" alias bgm").arg(path);
}

const QString kPlay = QStringLiteral("play bgm");
const QString kStatus = QStringLiteral("status bgm mode");
const QString kSeek = QStringLiteral("seek bgm to start");
const QString kClose = QStringLiteral("close bgm");

}  // namespace

ShowLoop::ShowLoop(const ShowSource& source, Audio& audio, Ticker& ticker, ProgramState& state,
                   ShowStage& stage, ShowObserver& observer)
    : source_(source),
      audio_(audio),
      ticker_(ticker),
      state_(state),
      stage_(stage),
      observer_(observer)
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
    const QSize canvas(std::max(0, source_.canvasWidth()), std::max(0, source_.canvasHeight()));
    const QRgb background = ColourRef::toRgb(source_.backColor());
    for (QImage* surface : {&screen_, &outgoing_, &incoming_}) {
        *surface = QImage(canvas, QImage::Format_RGB32);
        surface->fill(background);
    }
    picture_ = decodedPicture(0);

    stage_.begin(screen_);
    ticker_.pumpEvents(state_);

    state_.StopRequested = 0;
    CurrentSlideIndex = 0;
    passCount_ = 0;
    stage_.armInput();

    screen_.fill(background);
    if (!source_.bgmKey().isEmpty()) {
        audio_.sendCommand(quotedOpenCommand(source_.bgmKey()));
        audio_.sendCommand(kPlay);
    }
    const SlideItem& first = source_.slide(0);
    OpaqueBlit(screen_, first.PosX, first.PosY, picture_);
    stage_.present(screen_.rect());
    observer_.slideShown(0);
}

void ShowLoop::pass()
{
    // The display time runs from here: decoding and composing happen inside it.
    const qint64 SlideDeadline = ticker_.now() + source_.slide(CurrentSlideIndex).DisplayTime;

    FrameComposer composer(screen_, outgoing_, incoming_, ColourRef::toRgb(source_.backColor()));
    composer.ComposeOutgoingFrame(source_.slide(CurrentSlideIndex), picture_);

    const int OutgoingSlideIndex = CurrentSlideIndex;
    CurrentSlideIndex = nextIndex(CurrentSlideIndex);
    ++passCount_;

    picture_ = decodedPicture(CurrentSlideIndex);
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
    const SlideItem& leaving = source_.slide(OutgoingSlideIndex);
    state_.EffectSpeed = effectSpeedForIndex(std::clamp(leaving.SpeedIndex, 0, kSpeedCount - 1));

    observer_.transitionStarting(OutgoingSlideIndex, CurrentSlideIndex, leaving.EffectNumber,
                                 state_.EffectSpeed);
    ImageCanvas canvas(screen_, outgoing_, incoming_,
                       [this](const QRegion& changed) { stage_.present(changed); });
    EffectContext context{canvas, ticker_, state_};
    runTransition(leaving.EffectNumber, context);
    observer_.transitionFinished(passCount_);

    stage_.present(screen_.rect());
    checkMusic();
    ticker_.pumpEvents(state_);
}

void ShowLoop::checkMusic()
{
    if (source_.bgmKey().isEmpty()) {
        return;
    }
    const QString mode = audio_.sendCommand(kStatus);
    if (mode.left(kStoppedMode.size()) == kStoppedMode) {
        audio_.sendCommand(kSeek);
        audio_.sendCommand(kPlay);
    }
}

void ShowLoop::cleanUp()
{
    if (!source_.bgmKey().isEmpty()) {
        audio_.sendCommand(kClose);
    }
    audio_.purgeSounds();
    stage_.end();
    observer_.stopped();
}

QImage ShowLoop::decodedPicture(int index) const
{
    // The blits work on 32-bit pixels; a picture already in that form is shared, not copied.
    return source_.image(index).convertToFormat(QImage::Format_RGB32);
}

int ShowLoop::nextIndex(int index) const
{
    return index >= source_.slideCount() - 1 ? 0 : index + 1;
}
