#pragma once

#include <QRgb>
#include <QtGlobal>

// The show's colours are stored as 0x00BBGGRR (red in the low byte); pictures use QRgb.
class ColourRef {
public:
    static constexpr QRgb toRgb(quint32 colour)
    {
        constexpr quint32 kByteMask = 0xff;
        constexpr int kGreenShift = 8;
        constexpr int kBlueShift = 16;
        return qRgb(static_cast<int>(colour & kByteMask),
                    static_cast<int>((colour >> kGreenShift) & kByteMask),
                    static_cast<int>((colour >> kBlueShift) & kByteMask));
    }
};
