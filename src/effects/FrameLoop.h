#pragma once

#include "effects/EffectContext.h"

#include <cstdint>
#include <type_traits>

// The skeleton every effect follows: copy the outgoing picture, then per frame take the
// deadline, draw, refresh and wait past the deadline (leaving early when StopRequested is set),
// and finally copy the incoming picture in full.
class FrameLoop {
public:
    // Takes the base period, frame count and finishing refresh from the effect's catalogue entry.
    FrameLoop(EffectContext& context, std::int32_t effectNumber);

    Canvas& canvas() { return context_.canvas; }
    // W and H: the screen picture's size as 32-bit floats, the precision the effects use.
    float width() const;
    float height() const;

    // Copies the outgoing picture over the whole screen picture.
    void start();
    // Frame deadline = now + base period / EffectSpeed, in 64-bit floating point, rounded.
    void startFrame();
    // Waits past the frame deadline; false when StopRequested ends the effect.
    bool waitForFrameEnd();
    // Copies the incoming picture over the whole screen picture (and refreshes, for the
    // effects that do).
    void finish();

    // The frame count of a counted effect, from the catalogue.
    int frames() const { return frames_; }

    // Frames 0 to frames() - 1: deadline, draw(i), refresh, wait. A draw that returns bool may
    // return false to go straight to the finish.
    template <typename Draw>
    void runCounted(Draw draw);

    // A floating counter from 0 in 32-bit steps: while counter <= limit for a positive step,
    // counter >= limit for a negative one. A step of 0 would never end: it draws one frame.
    template <typename Draw>
    void runFloating(float limit, float step, Draw draw);

private:
    bool endFrame();

    EffectContext& context_;
    double period_;
    bool refreshesAfterFinish_;
    int frames_;
    std::int64_t deadline_ = 0;
};

template <typename Draw>
void FrameLoop::runCounted(Draw draw)
{
    for (int i = 0; i < frames_; ++i) {
        startFrame();
        if constexpr (std::is_same_v<std::invoke_result_t<Draw, int>, bool>) {
            if (!draw(i)) {
                return;
            }
        } else {
            draw(i);
        }
        if (!endFrame()) {
            return;
        }
    }
}

template <typename Draw>
void FrameLoop::runFloating(float limit, float step, Draw draw)
{
    float i = 0.0f;
    while (step < 0.0f ? i >= limit : i <= limit) {
        startFrame();
        draw(i);
        if (!endFrame() || step == 0.0f) {
            return;
        }
        i += step;
    }
}
