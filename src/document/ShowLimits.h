#pragma once

#include <cstdint>

// The bounds every reader of a show enforces, so that no path allocates what the editor could
// not make.
namespace ShowLimits {

constexpr int kMaxSlides = 32767;  // slide counts and indexes are 16-bit
// The size dialog takes four digits per side.
constexpr std::int32_t kMaxCanvasSide = 9999;

constexpr bool isCanvasSide(std::int32_t side)
{
    return side >= 0 && side <= kMaxCanvasSide;
}

}  // namespace ShowLimits
