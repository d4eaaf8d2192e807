#include "SaverIdentity.h"

#include "builder/IconPatch.h"
#include "builder/VersionPatch.h"

#include <QtEndian>

namespace {

// Offsets in an .ico file with one image whose data starts right after the directory.
constexpr qsizetype kEntryColourCount = 8;
constexpr qsizetype kEntryBitCount = 12;
constexpr qsizetype kEntryImageSize = 14;
constexpr qsizetype kEntryImageOffset = 18;
constexpr qsizetype kInfoBitCount = 14;  // within the BITMAPINFOHEADER
constexpr qsizetype kInfoColoursUsed = 32;
constexpr qsizetype kInfoHeaderSize = 40;
constexpr int kMaxPaletteBits = 8;

}  // namespace

QByteArray SaverIdentity::storedIcon(QByteArrayView file, QByteArrayView defaultIcon)
{
    if (defaultIcon.size() <= IconPatch::kDataOffset) {
        return {};
    }
    const qsizetype at = file.indexOf(defaultIcon.first(IconPatch::kDataOffset));
    if (at < 0 || at + defaultIcon.size() > file.size()) {
        return {};
    }
    QByteArray icon = file.sliced(at, defaultIcon.size()).toByteArray();
    const qsizetype image = qFromLittleEndian<quint32>(icon.constData() + kEntryImageOffset);
    if (image < 0 || image + kInfoHeaderSize > icon.size()) {
        return icon;
    }
    const quint16 bits = qFromLittleEndian<quint16>(icon.constData() + image + kInfoBitCount);
    const quint32 used = qFromLittleEndian<quint32>(icon.constData() + image + kInfoColoursUsed);
    const int colours = bits <= kMaxPaletteBits ? int(used != 0 ? used : 1u << bits) : 0;
    icon[kEntryColourCount] = char(colours < 256 ? colours : 0);
    qToLittleEndian<quint16>(bits, icon.data() + kEntryBitCount);
    qToLittleEndian<quint32>(quint32(icon.size() - image), icon.data() + kEntryImageSize);
    return icon;
}

SaverIdentity SaverIdentity::read(QByteArrayView file, QByteArrayView defaultIcon)
{
    SaverIdentity identity;
    if (const auto values = VersionPatch::read(file)) {
        identity.title = (*values)[VersionPatch::FileDescription];
        identity.version = (*values)[VersionPatch::FileVersion];
    }
    identity.icon = QImage::fromData(storedIcon(file, defaultIcon), "ICO");
    if (identity.icon.isNull()) {
        identity.icon = QImage::fromData(defaultIcon.toByteArray(), "ICO");
    }
    return identity;
}
