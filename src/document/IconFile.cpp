#include "document/IconFile.h"

#include <QtEndian>

namespace {

constexpr int kMaxPaletteBits = 8;
constexpr int kColourCountLimit = 256;  // the entry's byte holds 0 for 256 colours or more

}  // namespace

bool IconFile::is32Pixels(QByteArrayView icon)
{
    return icon.size() > kWidthOffset && quint8(icon[kWidthOffset]) == kRequiredWidth;
}

QByteArray IconFile::stored(QByteArrayView file, QByteArrayView defaultIcon)
{
    if (defaultIcon.size() <= kDataOffset) {
        return {};
    }
    const qsizetype at = file.indexOf(defaultIcon.first(kDataOffset));
    if (at < 0 || at + defaultIcon.size() > file.size()) {
        return {};
    }
    QByteArray icon = file.sliced(at, defaultIcon.size()).toByteArray();
    const qint64 image = qFromLittleEndian<quint32>(icon.constData() + kImageOffsetOffset);
    if (image + kInfoHeaderSize > icon.size()) {
        return icon;
    }
    const quint16 bits = qFromLittleEndian<quint16>(icon.constData() + image + kInfoBitCount);
    const quint32 used = qFromLittleEndian<quint32>(icon.constData() + image + kInfoColoursUsed);
    const qint64 colours = bits <= kMaxPaletteBits ? qint64(used != 0 ? used : 1u << bits) : 0;
    icon[kColourCountOffset] = char(colours < kColourCountLimit ? colours : 0);
    qToLittleEndian<quint16>(bits, icon.data() + kBitCountOffset);
    qToLittleEndian<quint32>(quint32(icon.size() - image), icon.data() + kImageSizeOffset);
    return icon;
}
