#include "document/VersionBlock.h"

#include "document/LittleEndian.h"

#include <QList>
#include <QtEndian>

namespace {

constexpr quint16 kBinaryType = 0;
constexpr quint16 kTextType = 1;
constexpr quint32 kFixedSignature = 0xFEEF04BD;
constexpr quint32 kFixedStructVersion = 0x00010000;
constexpr quint32 kFileFlagsMask = 0x3F;
constexpr quint32 kFileOsNtWindows32 = 0x00040004;
constexpr quint32 kFileTypeApp = 1;
constexpr quint16 kLanguageJapanese = 0x0411;
constexpr quint16 kCodePageUnicode = 0x04B0;
constexpr const char* kStringTableKey = "041104B0";
constexpr int kHeaderSize = 6;

void appendText(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        appendLittleEndian<quint16>(out, c.unicode());
    }
}

void alignTo4(QByteArray& out)
{
    while (out.size() % VersionBlock::kAlignment != 0) {
        out.append('\0');
    }
}

// One node of a version resource: header, NUL-terminated key, padding, value, then the
// children, each on a 4-byte boundary. wLength counts everything but the trailing padding.
QByteArray node(const QString& key, quint16 type, const QByteArray& value, quint16 valueLength,
                const QList<QByteArray>& children = {})
{
    QByteArray out(kHeaderSize, '\0');
    appendText(out, key);
    appendLittleEndian<quint16>(out, 0);
    alignTo4(out);
    out.append(value);
    for (const QByteArray& child : children) {
        alignTo4(out);
        out.append(child);
    }
    qToLittleEndian<quint16>(quint16(out.size()), out.data());
    qToLittleEndian<quint16>(valueLength, out.data() + 2);
    qToLittleEndian<quint16>(type, out.data() + 4);
    return out;
}

QByteArray stringEntry(VersionResource::Key key, const QString& text)
{
    const VersionResource::Field& field = VersionResource::kFields[key];
    QByteArray value;
    appendText(value, text.left(field.width));
    for (qsizetype unit = qMin<qsizetype>(text.size(), field.width); unit <= field.width; ++unit) {
        appendLittleEndian<quint16>(value, 0);
    }
    return node(QLatin1String(field.key), kTextType, value, quint16(field.width + 1));
}

QByteArray fixedInfo(int major, int minor)
{
    const quint32 versionHigh = quint32(major) << 16 | quint32(minor);
    QByteArray out;
    for (const quint32 field :
         {kFixedSignature, kFixedStructVersion, versionHigh, 0u, versionHigh, 0u, kFileFlagsMask,
          0u, kFileOsNtWindows32, kFileTypeApp, 0u, 0u, 0u}) {
        appendLittleEndian<quint32>(out, field);
    }
    return out;
}

}  // namespace

QByteArray VersionBlock::bytes(const VersionResource::Values& values, int major, int minor)
{
    QList<QByteArray> strings;
    for (int key = 0; key < VersionResource::kKeyCount; ++key) {
        strings.append(stringEntry(VersionResource::Key(key), values[key]));
    }
    const QByteArray table = node(QLatin1String(kStringTableKey), kTextType, {}, 0, strings);
    const QByteArray stringInfo = node(QStringLiteral("StringFileInfo"), kTextType, {}, 0, {table});
    QByteArray translation;
    appendLittleEndian<quint16>(translation, kLanguageJapanese);
    appendLittleEndian<quint16>(translation, kCodePageUnicode);
    const QByteArray var =
        node(QStringLiteral("Translation"), kBinaryType, translation, quint16(translation.size()));
    const QByteArray varInfo = node(QStringLiteral("VarFileInfo"), kTextType, {}, 0, {var});
    const QByteArray fixed = fixedInfo(major, minor);
    QByteArray block = node(QStringLiteral("VS_VERSION_INFO"), kBinaryType, fixed,
                            quint16(fixed.size()), {stringInfo, varInfo});
    alignTo4(block);
    return block;
}
