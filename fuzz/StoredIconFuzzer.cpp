// Feeds arbitrary bytes, as a saver's file, to the reader of the icon stored in it. The icon
// found has the default icon's length, and decoding it must not fail in any harmful way.

#include "document/IconFile.h"
#include "runtime/SaverIdentity.h"

#include <QtEndian>

#include <cstddef>
#include <cstdint>

namespace {

// A 32 x 32 icon laid out like the runtime's default one: one 32-bit image right after the
// directory, colour rows and AND mask.
QByteArray defaultIcon()
{
    constexpr quint32 kImageBytes = 40 + 32 * 32 * 4 + 32 * 4;
    QByteArray icon(22 + kImageBytes, '\0');
    char* out = icon.data();
    qToLittleEndian<quint16>(1, out + 2);
    qToLittleEndian<quint16>(1, out + 4);
    out[6] = 32;
    out[7] = 32;
    qToLittleEndian<quint16>(1, out + 10);
    qToLittleEndian<quint16>(32, out + 12);
    qToLittleEndian<quint32>(kImageBytes, out + 14);
    qToLittleEndian<quint32>(22, out + 18);
    qToLittleEndian<quint32>(40, out + 22);
    qToLittleEndian<quint32>(32, out + 26);
    qToLittleEndian<quint32>(64, out + 30);
    qToLittleEndian<quint16>(1, out + 34);
    qToLittleEndian<quint16>(32, out + 36);
    return icon;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QByteArray kDefaultIcon = defaultIcon();
    const QByteArrayView input(data, qsizetype(size));
    const QByteArray stored = IconFile::stored(input, kDefaultIcon);
    if (!stored.isEmpty() && stored.size() != kDefaultIcon.size()) {
        __builtin_trap();
    }
    const SaverIdentity identity = SaverIdentity::read(input, kDefaultIcon);
    if (identity.icon.isNull()) {
        __builtin_trap();
    }
    return 0;
}
