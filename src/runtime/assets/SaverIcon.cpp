#include "SaverIcon.h"

#include "document/IconFile.h"
#include "document/LittleEndian.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace {

constexpr quint16 kIconType = 1;
constexpr quint16 kBitsPerPixel = 32;
constexpr int kBytesPerPixel = 4;
constexpr int kMaskRowBytes = 4;  // 32 bits, already 4-byte aligned
constexpr qreal kCornerRadius = 6.0;

void drawStar(QPainter& painter, QPointF centre, qreal radius)
{
    QPainterPath star;
    star.moveTo(centre.x(), centre.y() - radius);
    star.lineTo(centre.x() + radius / 4, centre.y() - radius / 4);
    star.lineTo(centre.x() + radius, centre.y());
    star.lineTo(centre.x() + radius / 4, centre.y() + radius / 4);
    star.lineTo(centre.x(), centre.y() + radius);
    star.lineTo(centre.x() - radius / 4, centre.y() + radius / 4);
    star.lineTo(centre.x() - radius, centre.y());
    star.lineTo(centre.x() - radius / 4, centre.y() - radius / 4);
    star.closeSubpath();
    painter.fillPath(star, QColor(255, 250, 205));
}

}  // namespace

QImage SaverIcon::picture()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kSize);
    sky.setColorAt(0, QColor(10, 20, 70));
    sky.setColorAt(1, QColor(60, 40, 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(1, 1, kSize - 2, kSize - 2), kCornerRadius, kCornerRadius);

    QPainterPath moon;
    moon.addEllipse(QRectF(6, 6, 16, 16));
    QPainterPath bite;
    bite.addEllipse(QRectF(11, 3, 16, 16));
    painter.fillPath(moon.subtracted(bite), QColor(255, 220, 90));

    drawStar(painter, {24, 22}, 4);
    drawStar(painter, {17, 26}, 2.5);
    drawStar(painter, {25, 9}, 2);
    return image;
}

QByteArray SaverIcon::icoBytes(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const quint32 colourBytes = quint32(kSize * kSize * kBytesPerPixel);
    const quint32 maskBytes = quint32(kSize * kMaskRowBytes);
    const quint32 imageBytes = IconFile::kInfoHeaderSize + colourBytes + maskBytes;

    QByteArray out;
    appendLittleEndian<quint16>(out, 0);
    appendLittleEndian<quint16>(out, kIconType);
    appendLittleEndian<quint16>(out, 1);
    // Directory entry: width, height, colour count, reserved, planes, bits, size, offset.
    out.append(char(kSize)).append(char(kSize)).append('\0').append('\0');
    appendLittleEndian<quint16>(out, 1);
    appendLittleEndian<quint16>(out, kBitsPerPixel);
    appendLittleEndian<quint32>(out, imageBytes);
    appendLittleEndian<quint32>(out, IconFile::kImageOffset);

    appendLittleEndian<quint32>(out, IconFile::kInfoHeaderSize);
    appendLittleEndian<quint32>(out, kSize);
    appendLittleEndian<quint32>(out, kSize * 2);  // colour rows and mask rows
    appendLittleEndian<quint16>(out, 1);
    appendLittleEndian<quint16>(out, kBitsPerPixel);
    appendLittleEndian<quint32>(out, 0);  // no compression
    appendLittleEndian<quint32>(out, colourBytes + maskBytes);
    for (int unused = 0; unused < 4; ++unused) {
        appendLittleEndian<quint32>(out, 0);
    }
    // Rows bottom-up, BGRA.
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; ++x) {
            appendLittleEndian<quint32>(out, image.pixel(x, y));
        }
    }
    // AND mask: a set bit marks a fully transparent pixel.
    for (int y = kSize - 1; y >= 0; --y) {
        quint32 row = 0;
        for (int x = 0; x < kSize; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                row |= 1u << (31 - x);
            }
        }
        char raw[4];
        qToBigEndian(row, raw);
        out.append(raw, sizeof raw);
    }
    return out;
}
