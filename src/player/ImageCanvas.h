#pragma once

#include "effects/Canvas.h"
#include "player/ColumnGather.h"
#include "player/PixelImage.h"
#include "player/PixelRect.h"

#include <QImage>
#include <QRegion>

#include <array>
#include <functional>
#include <span>
#include <vector>

// The canvas of the effects on real pixels: the screen, outgoing and incoming pictures are
// QImages of one size (Format_RGB32); copies are clipped to both pictures like a block
// transfer. refresh() calls the given function with the part of the screen picture drawn since
// the last refresh (the player window repaints that part from the screen picture; it must not
// keep a shallow copy of it, which would make every draw detach).
//
// Copies move whole rows with memcpy, through the clip region's rectangles when a clip is set;
// stretches sample the nearest source pixel (no smoothing, like a default stretch mode) and
// draw mirrored for negative sizes, row by row through one column map (ColumnGather). The clip
// applies to copies, the only operation the effects clip. Nothing is allocated per frame but the
// clip regions themselves.
class ImageCanvas : public Canvas {
public:
    ImageCanvas(QImage& screen, const QImage& outgoing, const QImage& incoming,
                std::function<void(const QRegion& changed)> onRefresh = {});
    // The same over the show core's pictures, drawing on their pixels through QImage views;
    // refresh() hands on the changed part as rectangles.
    ImageCanvas(PixelImage& screen, const PixelImage& outgoing, const PixelImage& incoming,
                std::function<void(std::span<const PixelRect> changed)> onRefresh);

    int width() const override;
    int height() const override;
    void copy(Source source, int x, int y, int w, int h, int sx, int sy) override;
    void stretch(Source source, int x, int y, int w, int h) override;
    void fillBlack() override;
    bool clipEllipse(int x1, int y1, int x2, int y2) override;
    bool clipPolygon(std::span<const Point> points) override;
    void unclip() override;
    void refresh() override;

private:
    const QImage& picture(Source source) const;
    // Pixels move as 32-bit words: a picture of another depth is never copied from or into.
    bool movable(const QImage& from) const;
    // Copies target (inside the screen) from `from` at target - shift, row by row.
    void copyRows(const QImage& from, const QRect& target, const QPoint& shift);
    void changed(const QRect& area);

    // The views over the core's pictures, when made from them; the references below point here.
    std::array<QImage, 3> views_;
    QImage& screen_;
    const QImage& outgoing_;
    const QImage& incoming_;
    std::function<void(const QRegion&)> onRefresh_;
    QRegion changed_;
    QRegion clip_;
    bool clipped_ = false;
    std::vector<int> columns_;  // stretch: source column of each visible target column
    ColumnGather rows_;
};
