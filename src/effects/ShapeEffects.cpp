#include "effects/ShapeEffects.h"

#include "effects/CentredBox.h"
#include "effects/FrameLoop.h"
#include "effects/RoundHalfEven.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace {

using Source = Canvas::Source;
using Point = Canvas::Point;

constexpr std::int32_t kWipeCircle = 30;
constexpr std::int32_t kWipeDiamond = 31;
constexpr std::int32_t kWipeClock = 32;
constexpr std::int32_t kWipeSpiralSweep = 33;

constexpr float kCircleSteps = 20.0f;
constexpr float kDiamondSteps = 15.0f;
constexpr int kDegreesPerFrame = 10;
constexpr int kStartDegrees = -90;  // straight up: screen y grows downwards
constexpr double kPi = 3.14159265358979;
constexpr double kHalfTurnDegrees = 180.0;
constexpr double kSpiralGrowthDivisor = 500.0;

// One frame of the region protocol: clip, copy through the clip when the region could be made,
// refresh, advance the geometry, unclip, wait. Returns false when StopRequested ends the effect.
template <typename Clip, typename Copy, typename Advance>
bool clippedFrame(FrameLoop& loop, Clip clip, Copy copy, Advance advance)
{
    Canvas& canvas = loop.canvas();
    loop.startFrame();
    if (clip(canvas)) {
        copy(canvas);
    }
    canvas.refresh();
    advance();
    canvas.unclip();
    return loop.waitForFrameEnd();
}

// Runs a box effect: region(box) builds the frame's clip, the copy is the box itself.
template <typename Region>
void runGrowingBox(EffectContext& context, std::int32_t number, float steps, Region region)
{
    FrameLoop loop(context, number);
    loop.start();
    CentredBox box(loop.width(), loop.height(), steps);
    for (int i = 0; i < loop.frames(); ++i) {
        const bool goOn = clippedFrame(
            loop, [&](Canvas& canvas) { return region(canvas, box); },
            [&](Canvas& canvas) {
                canvas.copy(Source::Incoming, box.x(), box.y(), box.width(), box.height(), box.x(),
                            box.y());
            },
            [&] { box.grow(); });
        if (!goOn) {
            break;
        }
    }
    loop.finish();
}

// The clock hand's rim point at radius r for frame i: angle (i + 1) * 10 - 90 degrees.
Point rimPoint(int i, std::int32_t radius, std::int32_t cx, std::int32_t cy)
{
    const int degrees = (i + 1) * kDegreesPerFrame + kStartDegrees;
    const double radians = degrees * kPi / kHalfTurnDegrees;
    return {roundHalfEven(radius * std::cos(radians) + cx),
            roundHalfEven(radius * std::sin(radians) + cy)};
}

// Runs a sweep: each frame uncovers the triangle from the previous rim point through the centre
// to the new one, copying (0, 0, 2cx, 2cy) through it. nextRadius gives the radius after a frame.
template <typename NextRadius>
void runSweep(EffectContext& context, std::int32_t number, bool startOnRim, NextRadius nextRadius)
{
    FrameLoop loop(context, number);
    loop.start();
    const std::int32_t cx = roundHalfEven(loop.width() / 2.0f);
    const std::int32_t cy = roundHalfEven(loop.height() / 2.0f);
    // The half-diagonal: the sum of squares is an integer sum (64 bits, so that no canvas size
    // overflows it), the root a 64-bit float.
    const std::int64_t squares = std::int64_t{cx} * cx + std::int64_t{cy} * cy;
    const double halfDiagonal = std::sqrt(static_cast<double>(squares));
    std::int32_t radius = startOnRim ? roundHalfEven(halfDiagonal) : 0;
    Point previous{cx, cy - radius};
    for (int i = 0; i < loop.frames(); ++i) {
        const Point rim = rimPoint(i, radius, cx, cy);
        const std::array<Point, 3> triangle{previous, Point{cx, cy}, rim};
        const bool goOn = clippedFrame(
            loop, [&](Canvas& canvas) { return canvas.clipPolygon(triangle); },
            [&](Canvas& canvas) { canvas.copy(Source::Incoming, 0, 0, 2 * cx, 2 * cy, 0, 0); },
            [&] {
                previous = rim;
                radius = nextRadius(halfDiagonal, radius);
            });
        if (!goOn) {
            break;
        }
    }
    loop.finish();
}

}  // namespace

void EffectWipeCircle(EffectContext& context)
{
    runGrowingBox(context, kWipeCircle, kCircleSteps, [](Canvas& canvas, const CentredBox& box) {
        return canvas.clipEllipse(box.x(), box.y(), box.x() + box.width(), box.y() + box.height());
    });
}

void EffectWipeDiamond(EffectContext& context)
{
    runGrowingBox(context, kWipeDiamond, kDiamondSteps, [](Canvas& canvas, const CentredBox& box) {
        // w / 2 and h / 2 are 64-bit quotients of the integers, then the corner
        // is added and the sum rounded.
        const std::int32_t middleX = roundHalfEven(box.width() / 2.0 + box.x());
        const std::int32_t middleY = roundHalfEven(box.height() / 2.0 + box.y());
        const std::array<Point, 4> diamond{Point{middleX, box.y()}, Point{box.x(), middleY},
                                           Point{middleX, box.y() + box.height()},
                                           Point{box.x() + box.width(), middleY}};
        return canvas.clipPolygon(diamond);
    });
}

void EffectWipeClock(EffectContext& context)
{
    runSweep(context, kWipeClock, true, [](double, std::int32_t radius) { return radius; });
}

void EffectWipeSpiralSweep(EffectContext& context)
{
    runSweep(context, kWipeSpiralSweep, false, [](double halfDiagonal, std::int32_t radius) {
        return roundHalfEven(halfDiagonal / kSpiralGrowthDivisor + radius + 1);
    });
}
