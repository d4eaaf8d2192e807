#include "builder/VersionPatch.h"

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

QString VersionPatch::versionText(const QString& major, const QString& minor)
{
    const QString padded = QStringLiteral("00") + minor;
    return major + QLatin1Char('.') + padded.right(kMinorDigits);
}

qsizetype VersionPatch::findKey(QByteArrayView bytes, Key key, qsizetype from)
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

qsizetype VersionPatch::valueEnd(qsizetype valueAt, Key key)
{
    return valueAt + kFields[key].width * kUnitSize;
}

qsizetype VersionPatch::valuePosition(QByteArrayView bytes, Key key, qsizetype from)
{
    const qsizetype keyAt = findKey(bytes, key, from);
    if (keyAt < 0) {
        return -1;
    }
    const qsizetype valueAt = keyAt + kFields[key].valueOffset * kUnitSize;
    return valueEnd(valueAt, key) <= bytes.size() ? valueAt : -1;
}

std::optional<VersionPatch::Key> VersionPatch::findMissing(QByteArrayView bytes)
{
    for (int key = 0; key < kKeyCount; ++key) {
        if (valuePosition(bytes, Key(key)) < 0) {
            return Key(key);
        }
    }
    return std::nullopt;
}

void VersionPatch::apply(QByteArray& bytes, const Values& values)
{
    std::array<qsizetype, kKeyCount> positions{};
    for (int key = 0; key < kKeyCount; ++key) {
        positions[key] = valuePosition(bytes, Key(key));
    }
    for (int key = 0; key < kKeyCount; ++key) {
        if (positions[key] < 0) {
            continue;
        }
        const QString& value = values[key];
        char* out = bytes.data() + positions[key];
        for (int unit = 0; unit < kFields[key].width; ++unit) {
            const char16_t c = unit < value.size() ? value.at(unit).unicode() : u'\0';
            qToLittleEndian<quint16>(c, out + unit * kUnitSize);
        }
    }
}

std::optional<VersionPatch::Values> VersionPatch::read(QByteArrayView bytes)
{
    Values values;
    qsizetype from = 0;
    for (int key = 0; key < kKeyCount; ++key) {
        const qsizetype valueAt = valuePosition(bytes, Key(key), from);
        if (valueAt < 0) {
            return std::nullopt;
        }
        QString& value = values[key];
        for (int unit = 0; unit < kFields[key].width; ++unit) {
            value.append(
                QChar(qFromLittleEndian<quint16>(bytes.data() + valueAt + unit * kUnitSize)));
        }
        while (value.endsWith(QChar(u'\0'))) {
            value.chop(1);
        }
        from = valueEnd(valueAt, Key(key));
    }
    return values;
}
