#pragma once

#include "document/BgmFile.h"
#include "document/ShowLimits.h"
#include "document/SlideItem.h"

#include <QList>
#include <QtGlobal>

// The show-wide record. The editor keeps the canvas fields as copies of its canvas control and
// leaves the package-only fields empty; only the builder's copy fills them.
struct ShowDocument {
    static constexpr int kMaxSlides = ShowLimits::kMaxSlides;
    static constexpr qint32 kMaxCanvasSide = ShowLimits::kMaxCanvasSide;

    static constexpr bool isCanvasSide(qint32 side) { return ShowLimits::isCanvasSide(side); }

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
