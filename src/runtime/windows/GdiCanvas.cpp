#include "runtime/windows/GdiCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr std::size_t kMaxChangedParts = 64;

// The source pictures are the screen's size.
RECT bounds(int width, int height)
{
    return RECT{0, 0, width, height};
}

}  // namespace

GdiCanvas::GdiCanvas(const PixelImage& screen, HDC screenDc, HDC outgoingDc, HDC incomingDc,
                     std::function<void(std::span<const PixelRect> changed)> onRefresh)
    : width_(screen.width()),
      height_(screen.height()),
      screen_(screenDc),
      outgoing_(outgoingDc),
      incoming_(incomingDc),
      onRefresh_(std::move(onRefresh))
{
    if (screen_ != nullptr) {
        previousStretchMode_ = SetStretchBltMode(screen_, COLORONCOLOR);
    }
}

GdiCanvas::~GdiCanvas()
{
    if (screen_ != nullptr) {
        SelectClipRgn(screen_, nullptr);
        if (previousStretchMode_ != 0) {
            SetStretchBltMode(screen_, previousStretchMode_);
        }
    }
    // The show reads the screen's pixels as soon as the effect is done.
    GdiFlush();
}

int GdiCanvas::width() const
{
    return width_;
}

int GdiCanvas::height() const
{
    return height_;
}

HDC GdiCanvas::dcOf(Source source) const
{
    return source == Source::Outgoing ? outgoing_ : incoming_;
}

void GdiCanvas::copy(Source source, int x, int y, int w, int h, int sx, int sy)
{
    const HDC from = dcOf(source);
    if (w <= 0 || h <= 0 || from == nullptr || screen_ == nullptr) {
        return;
    }
    BitBlt(screen_, x, y, w, h, from, sx, sy, SRCCOPY);
    // Only what comes from inside the source picture changes the screen.
    RECT sourceArea{sx, sy, sx + w, sy + h};
    const RECT inside = bounds(width_, height_);
    RECT taken{};
    if (IntersectRect(&taken, &sourceArea, &inside)) {
        OffsetRect(&taken, x - sx, y - sy);
        changed(taken);
    }
}

void GdiCanvas::stretch(Source source, int x, int y, int w, int h)
{
    const HDC from = dcOf(source);
    if (w == 0 || h == 0 || from == nullptr || screen_ == nullptr) {
        return;
    }
    StretchBlt(screen_, x, y, w, h, from, 0, 0, width_, height_, SRCCOPY);
    changed(RECT{std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)});
}

void GdiCanvas::fillBlack()
{
    if (screen_ == nullptr) {
        return;
    }
    PatBlt(screen_, -1, -1, width_ + 1, height_ + 1, BLACKNESS);
    changed(bounds(width_, height_));
}

bool GdiCanvas::selectClip(HRGN region)
{
    if (region == nullptr || screen_ == nullptr) {
        if (region != nullptr) {
            DeleteObject(region);
        }
        return false;
    }
    // The device context keeps its own copy of the region.
    SelectClipRgn(screen_, region);
    GetRgnBox(region, &clipBox_);
    DeleteObject(region);
    clipped_ = true;
    return true;
}

bool GdiCanvas::clipEllipse(int x1, int y1, int x2, int y2)
{
    return selectClip(CreateEllipticRgn(x1, y1, x2, y2));
}

bool GdiCanvas::clipPolygon(std::span<const Point> points)
{
    polygon_.clear();
    for (const Point& point : points) {
        polygon_.push_back(POINT{point.x, point.y});
    }
    if (polygon_.empty()) {
        return false;
    }
    return selectClip(CreatePolygonRgn(polygon_.data(), int(polygon_.size()), ALTERNATE));
}

void GdiCanvas::unclip()
{
    if (screen_ != nullptr) {
        SelectClipRgn(screen_, nullptr);
    }
    clipped_ = false;
}

void GdiCanvas::changed(RECT area)
{
    const RECT inside = bounds(width_, height_);
    RECT visible{};
    if (!IntersectRect(&visible, &area, &inside)) {
        return;
    }
    if (clipped_ && !IntersectRect(&visible, &visible, &clipBox_)) {
        return;
    }
    changed_.push_back(PixelRect{int(visible.left), int(visible.top),
                                 int(visible.right - visible.left),
                                 int(visible.bottom - visible.top)});
    // Many small parts (tiles) cost more to put on the screen one by one than their bounds.
    if (changed_.size() > kMaxChangedParts) {
        RECT all{changed_[0].x, changed_[0].y, changed_[0].x + changed_[0].width,
                 changed_[0].y + changed_[0].height};
        for (const PixelRect& part : changed_) {
            const RECT one{part.x, part.y, part.x + part.width, part.y + part.height};
            UnionRect(&all, &all, &one);
        }
        changed_.assign(1, PixelRect{int(all.left), int(all.top), int(all.right - all.left),
                                     int(all.bottom - all.top)});
    }
}

void GdiCanvas::refresh()
{
    GdiFlush();
    const std::vector<PixelRect> parts = std::exchange(changed_, {});
    if (onRefresh_) {
        onRefresh_(parts);
    }
}
