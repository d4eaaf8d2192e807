#pragma once

#include "document/mGetRGB.h"

#include <QRgb>
#include <QtGlobal>

// The show's colours are stored as 0x00BBGGRR (red in the low byte); pictures use QRgb.
class ColourRef {
public:
    static constexpr QRgb toRgb(quint32 colour)
    {
        return qRgb(mGetRGB::red(colour), mGetRGB::green(colour), mGetRGB::blue(colour));
    }
};
