#pragma once

#include "document/SlideSettings.h"

#include <QByteArray>
#include <QString>

// One slide of the show: its settings, and the files (or, in the builder's copy, the package
// blocks) of its image and sound.
struct SlideItem : SlideSettings {
    QString ImageRef;      // package key of the slide's image; set only in the builder's copy
    QString SoundPath;     // full path of the sound-effect file (WAV); empty = none
    QByteArray ImageData;  // package only
    QByteArray SoundData;  // package only

    friend bool operator==(const SlideItem&, const SlideItem&) = default;
};
