#pragma once

#include <cstdint>

// What the player needs of a slide besides its picture and sound: timing, position, transition
// and compositing. Field order is the order of the saver package.
struct SlideSettings {
    static constexpr std::int32_t kDefaultDisplayTime = 1000;

    std::int32_t DisplayTime = kDefaultDisplayTime;  // milliseconds
    std::int32_t PosX = 0;          // image's left edge on the canvas, may be negative
    std::int32_t PosY = 0;          // image's top edge on the canvas, may be negative
    std::int32_t EffectNumber = 0;  // 0 = none, 1..35 the transitions
    std::int32_t SpeedIndex = 0;    // 0..3 for x1, x2, x4, x8
    std::int16_t KeepPrevious = 0;  // 1 = keep the previous image under this one
    std::int16_t Transparent = 0;   // 1 = pixels of the background colour are transparent

    friend bool operator==(const SlideSettings&, const SlideSettings&) = default;
};
