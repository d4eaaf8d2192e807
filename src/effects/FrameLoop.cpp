#include "effects/FrameLoop.h"

#include "effects/EffectCatalogue.h"
#include "effects/RoundHalfEven.h"

#include <algorithm>

namespace {
// A speed below 1 can only come from a damaged speed index; it would divide the period by
// zero and never end the frame, so it counts as 1x.
constexpr std::int32_t kSlowestSpeed = 1;
}  // namespace

FrameLoop::FrameLoop(EffectContext& context, std::int32_t effectNumber)
    : context_(context),
      period_(static_cast<double>(effectCatalogue().at(effectNumber).basePeriodMs) /
              std::max(context.state.EffectSpeed, kSlowestSpeed)),
      refreshesAfterFinish_(effectCatalogue().at(effectNumber).refreshesAfterFinish),
      frames_(effectCatalogue().at(effectNumber).frames)
{}

float FrameLoop::width() const
{
    return static_cast<float>(context_.canvas.width());
}

float FrameLoop::height() const
{
    return static_cast<float>(context_.canvas.height());
}

void FrameLoop::start()
{
    Canvas& canvas = context_.canvas;
    canvas.copy(Canvas::Source::Outgoing, 0, 0, canvas.width(), canvas.height(), 0, 0);
}

void FrameLoop::startFrame()
{
    deadline_ = roundHalfEven64(static_cast<double>(context_.ticker.now()) + period_);
}

bool FrameLoop::waitForFrameEnd()
{
    context_.ticker.waitPast(deadline_, context_.state);
    return !context_.state.stopRequested();
}

bool FrameLoop::endFrame()
{
    context_.canvas.refresh();
    return waitForFrameEnd();
}

void FrameLoop::finish()
{
    Canvas& canvas = context_.canvas;
    canvas.copy(Canvas::Source::Incoming, 0, 0, canvas.width(), canvas.height(), 0, 0);
    if (refreshesAfterFinish_) {
        canvas.refresh();
    }
}
