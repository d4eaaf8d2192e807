#include "effects/StretchEffects.h"

#include "effects/CentredBox.h"
#include "effects/FrameLoop.h"
#include "effects/RoundHalfEven.h"

#include <cstdint>
#include <functional>

// Offsets are integers, re-rounded (half to even) at every update from the 64-bit sum of the
// integer and the 32-bit float increment; sizes such as W - 2x are formed in 64-bit floats from
// the 32-bit integer product.

namespace {

using Source = Canvas::Source;

constexpr std::int32_t kSpinHorizontal = 11;
constexpr std::int32_t kSpinVertical = 12;
constexpr std::int32_t kSpin2Horizontal = 13;
constexpr std::int32_t kSpin2Vertical = 14;
constexpr std::int32_t kSpringFromLeft = 15;
constexpr std::int32_t kSpringFromTop = 16;
constexpr std::int32_t kSpringFromRight = 17;
constexpr std::int32_t kSpringFromBottom = 18;
constexpr std::int32_t kZoomIn = 23;
constexpr std::int32_t kZoomOut = 24;
constexpr std::int32_t kZoom = 25;

constexpr int kSpinLastShrinking = 10;
constexpr int kSpin2LastOutgoing = 20;
constexpr int kSpin2LastNarrowing = 10;
constexpr int kSpin2LastIncomingNarrowing = 30;
constexpr int kZoomLastShrinking = 20;
constexpr float kSteps = 20.0f;

std::int32_t moved(std::int32_t offset, float by)
{
    return roundHalfEven(offset + static_cast<double>(by));
}

// The length left between two offsets of x from each side: size - 2x.
std::int32_t between(float size, std::int32_t offset)
{
    return roundHalfEven(size - static_cast<double>(2 * offset));
}

// The length after one offset: size - x.
std::int32_t after(float size, std::int32_t offset)
{
    return roundHalfEven(size - static_cast<double>(offset));
}

// Draws one image across the axis the effect moves along: (offset, length) on that axis, the
// whole canvas on the other.
using Stretch = std::function<void(Canvas&, Source, std::int32_t, std::int32_t)>;

Stretch alongWidth(float H)
{
    return [H](Canvas& canvas, Source source, std::int32_t x, std::int32_t w) {
        canvas.stretch(source, x, 0, w, roundHalfEven(H));
    };
}

Stretch alongHeight(float W)
{
    return [W](Canvas& canvas, Source source, std::int32_t y, std::int32_t h) {
        canvas.stretch(source, 0, y, roundHalfEven(W), h);
    };
}

void spin(EffectContext& context, std::int32_t number, bool horizontal)
{
    FrameLoop loop(context, number);
    loop.start();
    const float size = horizontal ? loop.width() : loop.height();
    const Stretch draw = horizontal ? alongWidth(loop.height()) : alongHeight(loop.width());
    const float d = size / kSteps;
    std::int32_t offset = 0;
    Canvas& canvas = loop.canvas();
    loop.runCounted([&](int i) {
        if (i <= kSpinLastShrinking) {
            canvas.fillBlack();
            draw(canvas, Source::Outgoing, offset, between(size, offset));
            offset = moved(offset, d);
        } else {
            offset = moved(offset, -d);
            draw(canvas, Source::Incoming, offset, between(size, offset));
        }
    });
    loop.finish();
}

void spin2(EffectContext& context, std::int32_t number, bool horizontal)
{
    FrameLoop loop(context, number);
    loop.start();
    const float size = horizontal ? loop.width() : loop.height();
    const Stretch draw = horizontal ? alongWidth(loop.height()) : alongHeight(loop.width());
    const float d = size / kSteps;
    std::int32_t offset = 0;
    Canvas& canvas = loop.canvas();
    loop.runCounted([&](int i) {
        if (i <= kSpin2LastOutgoing) {
            draw(canvas, Source::Outgoing, offset, between(size, offset));
            offset = moved(offset, i <= kSpin2LastNarrowing ? d : -d);
        } else {
            offset = moved(offset, i <= kSpin2LastIncomingNarrowing ? d : -d);
            draw(canvas, Source::Incoming, offset, between(size, offset));
        }
    });
    loop.finish();
}

// Spring from the left or top: the outgoing image squeezed after the offset, the incoming one
// before it.
void springFromStart(EffectContext& context, std::int32_t number, bool horizontal)
{
    FrameLoop loop(context, number);
    loop.start();
    const float size = horizontal ? loop.width() : loop.height();
    const Stretch draw = horizontal ? alongWidth(loop.height()) : alongHeight(loop.width());
    const float d = size / kSteps;
    std::int32_t offset = 0;
    Canvas& canvas = loop.canvas();
    loop.runCounted([&](int) {
        draw(canvas, Source::Outgoing, offset, after(size, offset));
        draw(canvas, Source::Incoming, 0, offset);
        offset = moved(offset, d);
    });
    loop.finish();
}

// Spring from the right or bottom: the outgoing image squeezed before size - offset, the
// incoming one after it.
void springFromEnd(EffectContext& context, std::int32_t number, bool horizontal)
{
    FrameLoop loop(context, number);
    loop.start();
    const float size = horizontal ? loop.width() : loop.height();
    const Stretch draw = horizontal ? alongWidth(loop.height()) : alongHeight(loop.width());
    const float d = size / kSteps;
    std::int32_t offset = 0;
    Canvas& canvas = loop.canvas();
    loop.runCounted([&](int) {
        const std::int32_t rest = after(size, offset);
        draw(canvas, Source::Outgoing, 0, rest);
        draw(canvas, Source::Incoming, rest, offset);
        offset = moved(offset, d);
    });
    loop.finish();
}

void stretchBox(Canvas& canvas, Source source, const CentredBox& box)
{
    canvas.stretch(source, box.x(), box.y(), box.width(), box.height());
}

}  // namespace

void EffectSpinHorizontal(EffectContext& context)
{
    spin(context, kSpinHorizontal, true);
}

void EffectSpinVertical(EffectContext& context)
{
    spin(context, kSpinVertical, false);
}

void EffectSpin2Horizontal(EffectContext& context)
{
    spin2(context, kSpin2Horizontal, true);
}

void EffectSpin2Vertical(EffectContext& context)
{
    spin2(context, kSpin2Vertical, false);
}

void EffectSpringFromLeft(EffectContext& context)
{
    springFromStart(context, kSpringFromLeft, true);
}

void EffectSpringFromTop(EffectContext& context)
{
    springFromStart(context, kSpringFromTop, false);
}

void EffectSpringFromRight(EffectContext& context)
{
    springFromEnd(context, kSpringFromRight, true);
}

void EffectSpringFromBottom(EffectContext& context)
{
    springFromEnd(context, kSpringFromBottom, false);
}

void EffectZoomIn(EffectContext& context)
{
    FrameLoop loop(context, kZoomIn);
    loop.start();
    CentredBox box(loop.width(), loop.height(), kSteps);
    Canvas& canvas = loop.canvas();
    loop.runCounted([&](int) {
        stretchBox(canvas, Source::Incoming, box);
        box.grow();
    });
    loop.finish();
}

void EffectZoomOut(EffectContext& context)
{
    FrameLoop loop(context, kZoomOut);
    loop.start();
    CentredBox box(loop.width(), loop.height(), kSteps);
    box.fillCanvas();
    Canvas& canvas = loop.canvas();
    loop.runCounted([&](int) {
        canvas.copy(Source::Incoming, 0, 0, canvas.width(), canvas.height(), 0, 0);
        stretchBox(canvas, Source::Outgoing, box);
        box.shrink();
    });
    loop.finish();
}

void EffectZoom(EffectContext& context)
{
    FrameLoop loop(context, kZoom);
    loop.start();
    CentredBox box(loop.width(), loop.height(), kSteps);
    box.fillCanvas();
    Canvas& canvas = loop.canvas();
    loop.runCounted([&](int i) {
        if (i <= kZoomLastShrinking) {
            canvas.fillBlack();
            stretchBox(canvas, Source::Outgoing, box);
            box.shrink();
        } else {
            box.grow();
            stretchBox(canvas, Source::Incoming, box);
        }
    });
    loop.finish();
}
