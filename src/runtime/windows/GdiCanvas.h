#pragma once

#include "effects/Canvas.h"
#include "player/PixelImage.h"
#include "player/PixelRect.h"

#include <windows.h>

#include <functional>
#include <span>
#include <vector>

// The effects' canvas on GDI, drawing as the effects were written for: copies are BitBlt, stretches
// StretchBlt in COLORONCOLOR mode (a negative size mirrors), the black fill a PatBlt from
// (-1, -1) to (W, H), clips are elliptic and polygon regions. refresh() flushes GDI's batch, so
// the pixels can be read, and hands the part drawn since the last refresh to onRefresh. A
// picture without a device context (not made by GdiCanvasFactory) is neither drawn on nor read.
class GdiCanvas : public Canvas {
public:
    GdiCanvas(const PixelImage& screen, HDC screenDc, HDC outgoingDc, HDC incomingDc,
              std::function<void(std::span<const PixelRect> changed)> onRefresh);
    ~GdiCanvas() override;

    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

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
    HDC dcOf(Source source) const;
    // Records that `area` (screen coordinates, before clipping) was drawn.
    void changed(RECT area);
    bool selectClip(HRGN region);

    int width_;
    int height_;
    HDC screen_;
    HDC outgoing_;
    HDC incoming_;
    int previousStretchMode_ = 0;
    std::function<void(std::span<const PixelRect>)> onRefresh_;
    std::vector<PixelRect> changed_;
    RECT clipBox_{};
    bool clipped_ = false;
    std::vector<POINT> polygon_;
};
