#pragma once

#include "document/mGetRGB.h"

#include <cstdint>

// The show's colours are stored as 0x00BBGGRR (red in the low byte); pictures hold 0xFFRRGGBB.
class ColourRef {
public:
    static constexpr std::uint32_t kOpaque = 0xFF000000;
    static constexpr int kRedShift = 16;
    static constexpr int kGreenShift = 8;

    static constexpr std::uint32_t toRgb(std::uint32_t colour)
    {
        return kOpaque | (std::uint32_t{mGetRGB::red(colour)} << kRedShift) |
               (std::uint32_t{mGetRGB::green(colour)} << kGreenShift) | mGetRGB::blue(colour);
    }
};
