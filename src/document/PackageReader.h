#pragma once

#include "document/Expected.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QtGlobal>

// One slide of a package, with its image and sound resolved to the blocks that hold them.
struct PackageSlide {
    QString imageRef;
    QString soundPath;  // "3.wav" or empty
    qint32 DisplayTime = 0;
    qint32 PosX = 0;
    qint32 PosY = 0;
    qint32 EffectNumber = 0;
    qint32 SpeedIndex = 0;
    qint16 KeepPrevious = 0;
    qint16 Transparent = 0;
    int imageHolder = 0;       // index of the slide whose block holds the image bytes
    int soundHolder = -1;      // -1 when the slide has no sound
    QByteArrayView imageData;  // the holder's bytes (views into the package, never copies)
    QByteArrayView soundData;
};

// A validated package: views into the caller's bytes, which must outlive it.
struct PackageView {
    qint32 CanvasWidth = 0;
    qint32 CanvasHeight = 0;
    quint32 BackColor = 0;
    qint16 SoundSwitchable = 0;
    QString bgmName;
    QByteArrayView bgmData;
    QList<PackageSlide> slides;
    qint32 PackageSize = 0;
};

// Checks everything before use: counts against the bytes left, keys that point at the same or
// an earlier slide holding data, PackageSize equal to the bytes read. Refusals are errors with
// a message; nothing is allocated from a count in the file before it has been checked.
class PackageReader {
public:
    // bytes = exactly one package.
    static Expected<PackageView> read(QByteArrayView bytes);
    // bytes = a whole file that ends with a package (a built screen saver).
    static Expected<PackageView> readTrailing(QByteArrayView file);
};
