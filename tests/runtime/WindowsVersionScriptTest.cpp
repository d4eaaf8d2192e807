#include "builder/VersionPatch.h"
#include "document/SaverDefaults.h"
#include "document/VersionResource.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QtEndian>

namespace {

constexpr int kHexBase = 16;

// The bytes of the version resource in the Windows runtime's resource script: its 16-bit words
// between BEGIN and END, little-endian.
QByteArray scriptBytes()
{
    QFile script(qEnvironmentVariable("KREMOA_SOURCE_DIR") +
                 QStringLiteral("/src/runtime/windows/SaverVersion.rc"));
    if (!script.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QString::fromUtf8(script.readAll());
    const qsizetype begin = text.indexOf(QStringLiteral("\nBEGIN\n"));
    const qsizetype end = text.indexOf(QStringLiteral("\nEND"), begin);
    if (begin < 0 || end < 0) {
        return {};
    }
    QByteArray bytes;
    static const QRegularExpression word(QStringLiteral("0x([0-9a-f]{4})"));
    for (const QRegularExpressionMatch& match : word.globalMatch(text.mid(begin, end - begin))) {
        char unit[2];
        qToLittleEndian<quint16>(quint16(match.captured(1).toUInt(nullptr, kHexBase)), unit);
        bytes.append(unit, 2);
    }
    return bytes;
}

TEST(WindowsVersionScriptTest, CarriesTheTemplateTextsWhereTheBuilderWritesThem)
{
    const QByteArray bytes = scriptBytes();
    ASSERT_FALSE(bytes.isEmpty());
    // The resource's first word is its own length.
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData()), bytes.size());
    EXPECT_FALSE(VersionPatch::findMissing(bytes).has_value());
    const auto values = VersionResource::read(bytes);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(*values, SaverDefaults::values());
}

TEST(WindowsVersionScriptTest, EveryKeyTakesAFullWidthValue)
{
    QByteArray bytes = scriptBytes();
    ASSERT_FALSE(bytes.isEmpty());
    const qsizetype size = bytes.size();
    VersionResource::Values full;
    for (int key = 0; key < VersionResource::kKeyCount; ++key) {
        full[key] = QString(VersionResource::kFields[key].width, QChar(u'あ' + key));
    }
    VersionPatch::apply(bytes, full);
    EXPECT_EQ(bytes.size(), size);
    const auto read = VersionResource::read(bytes);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, full);
}

}  // namespace
