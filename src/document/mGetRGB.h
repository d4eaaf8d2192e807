#pragma once

#include <cstdint>

// Splits a colour 0x00BBGGRR (red in the low byte, as the show stores colours) into its
// channels, and makes one of three channels. The one place that knows the layout.
namespace mGetRGB {

constexpr std::uint32_t kByteMask = 0xFF;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 16;

constexpr std::uint8_t red(std::uint32_t colour)
{
    return static_cast<std::uint8_t>(colour & kByteMask);
}

constexpr std::uint8_t green(std::uint32_t colour)
{
    return static_cast<std::uint8_t>((colour >> kGreenShift) & kByteMask);
}

constexpr std::uint8_t blue(std::uint32_t colour)
{
    return static_cast<std::uint8_t>((colour >> kBlueShift) & kByteMask);
}

// The colour of three channels: red + green * 256 + blue * 65536.
constexpr std::uint32_t colour(int red, int green, int blue)
{
    return (static_cast<std::uint32_t>(red) & kByteMask) |
           ((static_cast<std::uint32_t>(green) & kByteMask) << kGreenShift) |
           ((static_cast<std::uint32_t>(blue) & kByteMask) << kBlueShift);
}

}  // namespace mGetRGB
