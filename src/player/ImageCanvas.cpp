#include "player/ImageCanvas.h"

#include "player/QtPixels.h"

#include <QPolygon>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr int kBytesPerPixel = 4;  // Format_RGB32
constexpr int kBitsPerPixel = 32;
constexpr int kMaxChangedParts = 64;

// The source index sampled for target index t when `sourceLength` pixels are scaled to
// `targetLength`: the pixel under the target pixel's centre.
int nearest(int t, int sourceLength, int targetLength)
{
    return static_cast<int>((2 * std::int64_t{t} + 1) * sourceLength /
                            (2 * std::int64_t{targetLength}));
}

}  // namespace

ImageCanvas::ImageCanvas(QImage& screen, const QImage& outgoing, const QImage& incoming,
                         std::function<void(const QRegion& changed)> onRefresh)
    : screen_(screen), outgoing_(outgoing), incoming_(incoming), onRefresh_(std::move(onRefresh))
{
    columns_.reserve(static_cast<std::size_t>(std::max(screen_.width(), 0)));
}

ImageCanvas::ImageCanvas(PixelImage& screen, const PixelImage& outgoing, const PixelImage& incoming,
                         std::function<void(std::span<const PixelRect> changed)> onRefresh)
    : views_{QtPixels::view(screen), QtPixels::constView(outgoing), QtPixels::constView(incoming)},
      screen_(views_[0]),
      outgoing_(views_[1]),
      incoming_(views_[2]),
      onRefresh_([onRefresh = std::move(onRefresh)](const QRegion& changed) {
          if (onRefresh) {
              const std::vector<PixelRect> parts = QtPixels::rects(changed);
              onRefresh(parts);
          }
      })
{
    columns_.reserve(static_cast<std::size_t>(std::max(screen_.width(), 0)));
}

int ImageCanvas::width() const
{
    return screen_.width();
}

int ImageCanvas::height() const
{
    return screen_.height();
}

void ImageCanvas::copy(Source source, int x, int y, int w, int h, int sx, int sy)
{
    const QImage& from = picture(source);
    if (w <= 0 || h <= 0 || !movable(from)) {
        return;
    }
    // Like a block transfer: only pixels inside both the source and the screen picture move.
    const QPoint shift(x - sx, y - sy);
    const QRect target = (QRect(sx, sy, w, h) & from.rect()).translated(shift) & screen_.rect();
    if (target.isEmpty()) {
        return;
    }
    if (!clipped_) {
        copyRows(from, target, shift);
        changed(target);
        return;
    }
    changed(target & clip_.boundingRect());
    for (const QRect& band : clip_) {
        const QRect part = band & target;
        if (!part.isEmpty()) {
            copyRows(from, part, shift);
        }
    }
}

void ImageCanvas::copyRows(const QImage& from, const QRect& target, const QPoint& shift)
{
    const qsizetype rowBytes = qsizetype{target.width()} * kBytesPerPixel;
    uchar* screenBits = screen_.bits();
    const qsizetype screenStride = screen_.bytesPerLine();
    const uchar* fromBits = from.constBits();
    const qsizetype fromStride = from.bytesPerLine();
    const qsizetype screenOffset = qsizetype{target.left()} * kBytesPerPixel;
    const qsizetype fromOffset = qsizetype{target.left() - shift.x()} * kBytesPerPixel;
    for (int row = target.top(); row <= target.bottom(); ++row) {
        std::memcpy(screenBits + row * screenStride + screenOffset,
                    fromBits + (row - shift.y()) * fromStride + fromOffset,
                    static_cast<std::size_t>(rowBytes));
    }
}

void ImageCanvas::stretch(Source source, int x, int y, int w, int h)
{
    const QImage& from = picture(source);
    if (w == 0 || h == 0 || from.isNull() || !movable(from)) {
        return;
    }
    // A negative size mirrors the image and extends it to the left of (above) the position.
    const QRect target(std::min(x, x + w), std::min(y, y + h), std::abs(w), std::abs(h));
    const QRect visible = target & screen_.rect();
    if (visible.isEmpty()) {
        return;
    }
    const int fromWidth = from.width();
    const int fromHeight = from.height();
    columns_.clear();
    for (int column = visible.left(); column <= visible.right(); ++column) {
        const int sampled = nearest(column - target.left(), fromWidth, target.width());
        columns_.push_back(w < 0 ? fromWidth - 1 - sampled : sampled);
    }
    rows_.plan(columns_, fromWidth);
    changed(visible);

    uchar* screenBits = screen_.bits();
    const qsizetype screenStride = screen_.bytesPerLine();
    for (int row = visible.top(); row <= visible.bottom(); ++row) {
        const int sampled = nearest(row - target.top(), fromHeight, target.height());
        const int fromRow = h < 0 ? fromHeight - 1 - sampled : sampled;
        rows_.drawRow(reinterpret_cast<const QRgb*>(from.constScanLine(fromRow)),
                      reinterpret_cast<QRgb*>(screenBits + row * screenStride) + visible.left());
    }
}

void ImageCanvas::fillBlack()
{
    // The box from (-1, -1) to (W, H) covers the whole picture.
    screen_.fill(Qt::black);
    changed(screen_.rect());
}

void ImageCanvas::changed(const QRect& area)
{
    changed_ += area;
    // Many small parts (tiles) cost more to put on the screen one by one than their bounds.
    if (changed_.rectCount() > kMaxChangedParts) {
        changed_ = changed_.boundingRect();
    }
}

bool ImageCanvas::clipEllipse(int x1, int y1, int x2, int y2)
{
    const QRect box(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    clip_ = QRegion(box, QRegion::Ellipse);
    clipped_ = true;
    return true;
}

bool ImageCanvas::clipPolygon(std::span<const Point> points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& point : points) {
        polygon.append(QPoint(point.x, point.y));
    }
    clip_ = QRegion(polygon, Qt::OddEvenFill);
    clipped_ = true;
    return true;
}

void ImageCanvas::unclip()
{
    clip_ = QRegion();
    clipped_ = false;
}

void ImageCanvas::refresh()
{
    const QRegion changed = std::exchange(changed_, QRegion());
    if (onRefresh_) {
        onRefresh_(changed);
    }
}

bool ImageCanvas::movable(const QImage& from) const
{
    return from.depth() == kBitsPerPixel && screen_.depth() == kBitsPerPixel;
}

const QImage& ImageCanvas::picture(Source source) const
{
    return source == Source::Outgoing ? outgoing_ : incoming_;
}
