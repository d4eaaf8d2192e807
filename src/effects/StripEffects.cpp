#include "effects/StripEffects.h"

#include "effects/CentredBox.h"
#include "effects/FrameLoop.h"
#include "effects/RoundHalfEven.h"

#include <cstdint>

// Arithmetic follows one rule throughout: an expression of the 32-bit floats W, H and the
// counter i with literals stays in 32-bit floats (each operation rounded to 32 bits), one that
// involves an integer variable is formed in 64-bit floats; each result given to the canvas is
// rounded half to even. A source origin written W - i is formed as (W - 1) - i + 1.

namespace {

using Source = Canvas::Source;

constexpr std::int32_t kOpenHorizontal = 1;
constexpr std::int32_t kOpenVertical = 2;
constexpr std::int32_t kFlat = 4;
constexpr std::int32_t kWipeLeftToRight = 5;
constexpr std::int32_t kWipeRightToLeft = 6;
constexpr std::int32_t kWipeTopToBottom = 7;
constexpr std::int32_t kWipeBottomToTop = 8;
constexpr std::int32_t kWipeCenter = 10;
constexpr std::int32_t kShutterFromLeft = 19;
constexpr std::int32_t kShutterFromTop = 20;
constexpr std::int32_t kShutterFromRight = 21;
constexpr std::int32_t kShutterFromBottom = 22;
constexpr std::int32_t kSlideFromLeft = 26;
constexpr std::int32_t kSlideFromTop = 27;
constexpr std::int32_t kSlideFromRight = 28;
constexpr std::int32_t kSlideFromBottom = 29;

constexpr int kFlatBands = 5;
constexpr double kStepsPerRun = 20.0;
constexpr float kStepsPerRunF = 20.0f;

std::int32_t toInt(double value)
{
    return roundHalfEven(value);
}

// (W - 1) - i + 1 in 32-bit floats: how a source origin W - i is formed.
float reachBack(float size, float i)
{
    return (size - 1.0f) - i + 1.0f;
}

// Runs an effect whose counter goes from 0 to the limit in twenty 32-bit float steps.
template <typename Draw>
void runTwentySteps(EffectContext& context, std::int32_t number, float limit, Draw draw)
{
    FrameLoop loop(context, number);
    loop.start();
    loop.runFloating(limit, limit / kStepsPerRunF, [&](float i) { draw(loop.canvas(), i); });
    loop.finish();
}

float widthOf(EffectContext& context)
{
    return static_cast<float>(context.canvas.width());
}

float heightOf(EffectContext& context)
{
    return static_cast<float>(context.canvas.height());
}

}  // namespace

void EffectOpenHorizontal(EffectContext& context)
{
    FrameLoop loop(context, kOpenHorizontal);
    loop.start();
    const float W = loop.width();
    const float H = loop.height();
    const std::int32_t half = toInt(W / 2.0f);
    const auto step = static_cast<float>(half / kStepsPerRun);
    Canvas& canvas = loop.canvas();
    loop.runFloating(static_cast<float>(half), step, [&](float i) {
        const std::int32_t narrowed = toInt(half - static_cast<double>(i));
        canvas.copy(Source::Outgoing, 0, 0, narrowed, toInt(H), toInt(i), 0);
        canvas.copy(Source::Outgoing, toInt(half + static_cast<double>(i)), 0, narrowed, toInt(H),
                    half, 0);
        canvas.copy(Source::Incoming, narrowed, 0, toInt(2.0f * i), toInt(H), narrowed, 0);
    });
    loop.finish();
}

void EffectOpenVertical(EffectContext& context)
{
    FrameLoop loop(context, kOpenVertical);
    loop.start();
    const float W = loop.width();
    const float H = loop.height();
    const std::int32_t half = toInt(H / 2.0f);
    const auto step = static_cast<float>(half / kStepsPerRun);
    Canvas& canvas = loop.canvas();
    loop.runFloating(static_cast<float>(half), step, [&](float i) {
        const std::int32_t narrowed = toInt(half - static_cast<double>(i));
        canvas.copy(Source::Outgoing, 0, 0, toInt(W), narrowed, 0, toInt(i));
        canvas.copy(Source::Outgoing, 0, toInt(half + static_cast<double>(i)), toInt(W), narrowed,
                    0, half);
        canvas.copy(Source::Incoming, 0, narrowed, toInt(W), toInt(2.0f * i), 0, narrowed);
    });
    loop.finish();
}

void EffectFlat(EffectContext& context)
{
    FrameLoop loop(context, kFlat);
    loop.start();
    const float W = loop.width();
    const float H = loop.height();
    const std::int32_t band = toInt(H / static_cast<float>(kFlatBands));
    // The step is one less than the strip height, so the strips of one band overlap.
    const auto step = static_cast<float>(band / kStepsPerRun - 1.0);
    const std::int32_t stripHeight = toInt(band / kStepsPerRun);
    Canvas& canvas = loop.canvas();
    loop.runFloating(static_cast<float>(band), step, [&](float i) {
        for (std::int32_t k = 0; k < kFlatBands; ++k) {
            const std::int32_t top = toInt(k * band + static_cast<double>(i));
            canvas.copy(Source::Incoming, 0, top, toInt(W), stripHeight, 0, top);
        }
    });
    loop.finish();
}

void EffectWipeLeftToRight(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kWipeLeftToRight, W, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Incoming, 0, 0, toInt(i + 1.0f), toInt(H), toInt(reachBack(W, i)), 0);
    });
}

void EffectWipeRightToLeft(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kWipeRightToLeft, W - 1.0f, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Incoming, toInt(W - i), 0, toInt(i), toInt(H), 0, 0);
    });
}

void EffectWipeTopToBottom(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kWipeTopToBottom, H, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Incoming, 0, 0, toInt(W), toInt(i + 1.0f), 0, toInt(reachBack(H, i)));
    });
}

void EffectWipeBottomToTop(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kWipeBottomToTop, H - 1.0f, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Incoming, 0, toInt(H - 1.0f - i), toInt(W), toInt(i), 0, 0);
    });
}

void EffectWipeCenter(EffectContext& context)
{
    FrameLoop loop(context, kWipeCenter);
    loop.start();
    CentredBox box(loop.width(), loop.height(), kStepsPerRunF);
    Canvas& canvas = loop.canvas();
    loop.runCounted([&](int) {
        canvas.copy(Source::Incoming, box.x(), box.y(), box.width(), box.height(), box.x(),
                    box.y());
        box.grow();
    });
    loop.finish();
}

void EffectShutterFromLeft(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kShutterFromLeft, W, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Incoming, 0, 0, toInt(i + 1.0f), toInt(H), 0, 0);
    });
}

void EffectShutterFromTop(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kShutterFromTop, H - 1.0f, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Incoming, 0, 0, toInt(W), toInt(i), 0, 0);
    });
}

void EffectShutterFromRight(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kShutterFromRight, W, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Incoming, toInt(W - i), 0, toInt(i), toInt(H), toInt(reachBack(W, i)),
                    0);
    });
}

void EffectShutterFromBottom(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kShutterFromBottom, H - 1.0f, [&](Canvas& canvas, float i) {
        const std::int32_t top = toInt(H - 1.0f - i);
        canvas.copy(Source::Incoming, 0, top, toInt(W), toInt(i), 0, top);
    });
}

void EffectSlideFromLeft(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kSlideFromLeft, W, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Outgoing, toInt(i), 0, toInt(W - i), toInt(H), 0, 0);
        canvas.copy(Source::Incoming, 0, 0, toInt(i + 1.0f), toInt(H), toInt(reachBack(W, i)), 0);
    });
}

void EffectSlideFromTop(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kSlideFromTop, H, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Outgoing, 0, toInt(i), toInt(W), toInt(H - i), 0, 0);
        canvas.copy(Source::Incoming, 0, 0, toInt(W), toInt(i + 1.0f), 0, toInt(reachBack(H, i)));
    });
}

void EffectSlideFromRight(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kSlideFromRight, W - 1.0f, [&](Canvas& canvas, float i) {
        canvas.copy(Source::Outgoing, 0, 0, toInt(W - i), toInt(H), toInt(i), 0);
        canvas.copy(Source::Incoming, toInt(W - i), 0, toInt(i), toInt(H), 0, 0);
    });
}

void EffectSlideFromBottom(EffectContext& context)
{
    const float W = widthOf(context);
    const float H = heightOf(context);
    runTwentySteps(context, kSlideFromBottom, H - 1.0f, [&](Canvas& canvas, float i) {
        const std::int32_t split = toInt(H - 1.0f - i);
        canvas.copy(Source::Incoming, 0, 0, toInt(W), split, 0, toInt(i));
        canvas.copy(Source::Incoming, 0, split, toInt(W), toInt(i), 0, 0);
    });
}
