#include "document/VersionResource.h"

#include <QtEndian>

namespace {

constexpr qsizetype kUnitSize = 2;
constexpr int kMinorDigits = 2;

QByteArray utf16le(const char* ascii)
{
    QByteArray bytes;
    for (const char* c = ascii; *c != '\0'; ++c) {
        bytes.append(*c);
        bytes.append('\0');
    }
    return bytes;
}

}  // namespace

QString VersionResource::versionText(const QString& major, const QString& minor)
{
    const QString padded = QStringLiteral("00") + minor;
    return major + QLatin1Char('.') + padded.right(kMinorDigits);
}

qsizetype VersionResource::findKey(QByteArrayView bytes, Key key, qsizetype from)
{
    const QByteArray pattern = utf16le(kFields[key].key);
    while (true) {
        const qsizetype found = bytes.indexOf(pattern, from);
        if (found < 0 || found % kUnitSize == 0) {
            return found;
        }
        from = found + 1;
    }
}

qsizetype VersionResource::valueEnd(qsizetype valueAt, Key key)
{
    return valueAt + kFields[key].width * kUnitSize;
}

VersionResource::Positions VersionResource::positions(QByteArrayView bytes)
{
    Positions found;
    found.fill(-1);
    qsizetype from = 0;
    for (int key = 0; key < kKeyCount; ++key) {
        const qsizetype keyAt = findKey(bytes, Key(key), from);
        if (keyAt < 0) {
            break;
        }
        const qsizetype valueAt = keyAt + kFields[key].valueOffset * kUnitSize;
        from = valueEnd(valueAt, Key(key));
        if (from > bytes.size()) {
            break;
        }
        found[key] = valueAt;
    }
    return found;
}

std::optional<VersionResource::Values> VersionResource::read(QByteArrayView bytes)
{
    const Positions at = positions(bytes);
    Values values;
    for (int key = 0; key < kKeyCount; ++key) {
        if (at[key] < 0) {
            return std::nullopt;
        }
        QString& value = values[key];
        for (int unit = 0; unit < kFields[key].width; ++unit) {
            value.append(
                QChar(qFromLittleEndian<quint16>(bytes.data() + at[key] + unit * kUnitSize)));
        }
        while (value.endsWith(QChar(u'\0'))) {
            value.chop(1);
        }
    }
    return values;
}
