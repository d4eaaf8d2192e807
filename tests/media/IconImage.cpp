#include "IconImage.h"

#include "document/IconFile.h"
#include "document/LittleEndian.h"

#include <QtEndian>

namespace {

constexpr quint16 kIconType = 1;
constexpr int kPaletteEntries = 16;
constexpr int kPaletteEntrySize = 4;
constexpr int kPaletteBits = 4;
constexpr int kTrueColourBits = 32;
constexpr int kRowAlignment = 4;
constexpr quint8 kFillIndex = 1;
constexpr quint8 kBorderIndex = 2;

int alignedRow(int bits)
{
    const int bytes = (bits + 7) / 8;
    return (bytes + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
}

void appendBgra(QByteArray& out, QColor colour, quint8 alpha)
{
    out.append(char(colour.blue())).append(char(colour.green())).append(char(colour.red()));
    out.append(char(alpha));
}

}  // namespace

QByteArray IconImage::bytes(int size, QColor colour, QColor border, int bitsPerPixel)
{
    const bool palette = bitsPerPixel == kPaletteBits;
    const int bits = palette ? kPaletteBits : kTrueColourBits;
    const int colourRow = alignedRow(size * bits);
    const int maskRow = alignedRow(size);
    const int paletteSize = palette ? kPaletteEntries * kPaletteEntrySize : 0;
    const quint32 imageSize =
        IconFile::kInfoHeaderSize + paletteSize + quint32(colourRow + maskRow) * quint32(size);

    QByteArray out;
    appendLittleEndian<quint16>(out, 0);
    appendLittleEndian<quint16>(out, kIconType);
    appendLittleEndian<quint16>(out, 1);
    // Directory entry: width, height, colour count, reserved, planes, bits, size, offset.
    out.append(char(size)).append(char(size));
    out.append(char(palette ? kPaletteEntries : 0)).append(char(0));
    appendLittleEndian<quint16>(out, 1);
    appendLittleEndian<quint16>(out, quint16(bits));
    appendLittleEndian<quint32>(out, imageSize);
    appendLittleEndian<quint32>(out, IconFile::kImageOffset);

    appendLittleEndian<quint32>(out, IconFile::kInfoHeaderSize);
    appendLittleEndian<quint32>(out, quint32(size));
    appendLittleEndian<quint32>(out, quint32(size * 2));  // colour rows and mask rows
    appendLittleEndian<quint16>(out, 1);
    appendLittleEndian<quint16>(out, quint16(bits));
    appendLittleEndian<quint32>(out, 0);  // no compression
    appendLittleEndian<quint32>(out, quint32(colourRow + maskRow) * quint32(size));
    appendLittleEndian<quint32>(out, 0);
    appendLittleEndian<quint32>(out, 0);
    appendLittleEndian<quint32>(out, 0);
    appendLittleEndian<quint32>(out, 0);
    if (palette) {
        appendBgra(out, Qt::black, 0);
        appendBgra(out, colour, 0);
        appendBgra(out, border, 0);
        for (int i = 3; i < kPaletteEntries; ++i) {
            appendBgra(out, Qt::black, 0);
        }
    }
    for (int y = 0; y < size; ++y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < size; ++x) {
            const bool edge = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            if (palette) {
                const quint8 index = edge ? kBorderIndex : kFillIndex;
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
            } else {
                const QColor pixel = edge ? border : colour;
                row[x * 4] = char(pixel.blue());
                row[x * 4 + 1] = char(pixel.green());
                row[x * 4 + 2] = char(pixel.red());
                row[x * 4 + 3] = char(0xFF);
            }
        }
        out.append(row);
    }
    out.append(QByteArray(maskRow * size, '\0'));  // every pixel opaque
    return out;
}
