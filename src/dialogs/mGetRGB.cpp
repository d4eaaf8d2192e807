#include "dialogs/mGetRGB.h"

namespace {

constexpr quint32 kByteMask = 0xFF;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 16;

}  // namespace

namespace mGetRGB {

quint8 red(quint32 colour)
{
    return static_cast<quint8>(colour & kByteMask);
}

quint8 green(quint32 colour)
{
    return static_cast<quint8>((colour >> kGreenShift) & kByteMask);
}

quint8 blue(quint32 colour)
{
    return static_cast<quint8>((colour >> kBlueShift) & kByteMask);
}

quint32 colour(int red, int green, int blue)
{
    return (static_cast<quint32>(red) & kByteMask) |
           ((static_cast<quint32>(green) & kByteMask) << kGreenShift) |
           ((static_cast<quint32>(blue) & kByteMask) << kBlueShift);
}

}  // namespace mGetRGB
