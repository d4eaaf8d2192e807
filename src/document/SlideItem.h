#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One slide of the show. Field order is the order of the saver package.
struct SlideItem {
    static constexpr qint32 kDefaultDisplayTime = 1000;

    QString ImageRef;   // package key of the slide's image; set only in the builder's copy
    QString SoundPath;  // full path of the sound-effect file (WAV); empty = none
    qint32 DisplayTime = kDefaultDisplayTime;  // milliseconds
    qint32 PosX = 0;                           // image's left edge on the canvas, may be negative
    qint32 PosY = 0;                           // image's top edge on the canvas, may be negative
    qint32 EffectNumber = 0;                   // 0 = none, 1..35 the transitions
    qint32 SpeedIndex = 0;                     // 0..3 for x1, x2, x4, x8
    qint16 KeepPrevious = 0;                   // 1 = keep the previous image under this one
    qint16 Transparent = 0;  // 1 = pixels of the background colour are transparent
    QByteArray ImageData;    // package only
    QByteArray SoundData;    // package only

    friend bool operator==(const SlideItem&, const SlideItem&) = default;
};
