#pragma once

#include "document/BgmFile.h"
#include "document/SlideItem.h"

#include <QList>
#include <QtGlobal>

// The show-wide record. The editor keeps the canvas fields as copies of its canvas control and
// leaves the package-only fields empty; only the builder's copy fills them.
struct ShowDocument {
    static constexpr int kMaxSlides = 32767;  // slide counts and indexes are 16-bit
    // The size dialog takes four digits per side; every reader of a show refuses more, so no
    // path allocates a canvas the editor could not make.
    static constexpr qint32 kMaxCanvasSide = 9999;

    static constexpr bool isCanvasSide(qint32 side) { return side >= 0 && side <= kMaxCanvasSide; }

    qint32 CanvasWidth = 0;
    qint32 CanvasHeight = 0;
    quint32 BackColor = 0;       // 0x00BBGGRR
    qint16 SoundSwitchable = 0;  // package only
    qint32 SlideCount = 0;
    BgmFile Bgm;  // package only
    QList<SlideItem> Slides;
    qint32 PackageSize = 0;  // package only

    // Back to the empty document: no slides, every field 0 or empty.
    void reset() { *this = ShowDocument(); }

    friend bool operator==(const ShowDocument&, const ShowDocument&) = default;
};
