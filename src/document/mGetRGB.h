#pragma once

#include <QtGlobal>

// Splits a colour 0x00BBGGRR (red in the low byte, as the show stores colours) into its
// channels, and makes one of three channels. The one place that knows the layout.
namespace mGetRGB {

constexpr quint32 kByteMask = 0xFF;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 16;

constexpr quint8 red(quint32 colour)
{
    return static_cast<quint8>(colour & kByteMask);
}

constexpr quint8 green(quint32 colour)
{
    return static_cast<quint8>((colour >> kGreenShift) & kByteMask);
}

constexpr quint8 blue(quint32 colour)
{
    return static_cast<quint8>((colour >> kBlueShift) & kByteMask);
}

// The colour of three channels: red + green * 256 + blue * 65536.
constexpr quint32 colour(int red, int green, int blue)
{
    return (static_cast<quint32>(red) & kByteMask) |
           ((static_cast<quint32>(green) & kByteMask) << kGreenShift) |
           ((static_cast<quint32>(blue) & kByteMask) << kBlueShift);
}

}  // namespace mGetRGB
