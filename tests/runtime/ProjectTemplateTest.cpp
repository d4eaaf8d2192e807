#include "AppFolder.h"
#include "builder/IconPatch.h"
#include "builder/VersionPatch.h"
#include "document/IconFile.h"
#include "media/IconImage.h"
#include "runtime/ElfExtent.h"
#include "runtime/SaverIdentity.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QtEndian>

namespace {

constexpr qsizetype kStringHeader = 6;

QByteArray utf16(const char* ascii)
{
    QByteArray bytes;
    for (const char* c = ascii; *c != '\0'; ++c) {
        bytes.append(*c).append('\0');
    }
    return bytes;
}

qsizetype firstEvenOccurrence(const QByteArray& bytes, const QByteArray& pattern)
{
    qsizetype at = bytes.indexOf(pattern);
    while (at >= 0 && at % 2 != 0) {
        at = bytes.indexOf(pattern, at + 1);
    }
    return at;
}

class ProjectTemplateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        templateBytes = AppFolder::read("Project.krt");
        icon = AppFolder::read("scricon.ico");
        ASSERT_FALSE(templateBytes.isEmpty()) << "Project.krt is missing";
        ASSERT_FALSE(icon.isEmpty()) << "scricon.ico is missing";
    }

    QByteArray templateBytes;
    QByteArray icon;
};

TEST_F(ProjectTemplateTest, TemplateHasAnEvenLength)
{
    EXPECT_EQ(templateBytes.size() % 2, 0);
}

TEST_F(ProjectTemplateTest, EveryKeyFirstOccursInTheVersionBlockWithRoomForItsValue)
{
    const qsizetype blockKey = firstEvenOccurrence(templateBytes, utf16("VS_VERSION_INFO"));
    ASSERT_GE(blockKey, kStringHeader);
    const qsizetype blockStart = blockKey - kStringHeader;
    EXPECT_EQ(blockStart % 4, 0);
    const qsizetype blockEnd =
        blockStart + qFromLittleEndian<quint16>(templateBytes.constData() + blockStart);

    for (const VersionResource::Field& field : VersionResource::kFields) {
        const qsizetype keyAt = firstEvenOccurrence(templateBytes, utf16(field.key));
        EXPECT_EQ(
            VersionResource::findKey(
                templateBytes, VersionResource::Key(&field - VersionResource::kFields.data())),
            keyAt);
        EXPECT_GT(keyAt, blockStart) << field.key;
        const qsizetype valueEnd = keyAt + (field.valueOffset + field.width) * 2;
        EXPECT_LE(valueEnd, blockEnd) << field.key;
        const quint16 valueLength =
            qFromLittleEndian<quint16>(templateBytes.constData() + keyAt - kStringHeader + 2);
        EXPECT_GE(valueLength, field.width) << field.key;
    }
    EXPECT_EQ(VersionPatch::findMissing(templateBytes), std::nullopt);
}

TEST_F(ProjectTemplateTest, DefaultIconIsA32PixelIconWhoseDataLiesAtAnEvenOffset)
{
    EXPECT_EQ(quint8(icon[6]), 32);
    const QByteArray data = icon.mid(IconFile::kDataOffset);
    EXPECT_GE(firstEvenOccurrence(templateBytes, data), 0);
    const QImage picture = QImage::fromData(icon, "ICO");
    EXPECT_EQ(picture.size(), QSize(32, 32));
}

TEST_F(ProjectTemplateTest, RuntimeReadsItsOwnTextsAndIconBack)
{
    const SaverIdentity identity = SaverIdentity::read(templateBytes, icon);
    EXPECT_EQ(identity.title, QStringLiteral("スクリーンセーバー"));
    EXPECT_EQ(identity.version, "1.00");
    EXPECT_EQ(identity.icon.size(), QSize(32, 32));
}

TEST_F(ProjectTemplateTest, PatchedCopyShowsTheChosenIconAndTexts)
{
    QByteArray patched = templateBytes;
    const QByteArray chosen = IconImage::bytes(32, Qt::red, Qt::blue, 4);
    ASSERT_EQ(IconPatch::apply(patched, icon, chosen), IconPatch::Outcome::Replaced);
    VersionResource::Values values;
    values[VersionResource::FileDescription] = QStringLiteral("星空");
    VersionPatch::apply(patched, values);

    const SaverIdentity identity = SaverIdentity::read(patched, icon);
    EXPECT_EQ(identity.title, QStringLiteral("星空"));
    ASSERT_EQ(identity.icon.size(), QSize(32, 32));
    EXPECT_EQ(QColor(identity.icon.pixel(16, 16)).rgb(), QColor(Qt::red).rgb());
    EXPECT_EQ(QColor(identity.icon.pixel(0, 0)).rgb(), QColor(Qt::blue).rgb());
}

TEST_F(ProjectTemplateTest, TemplateRunOnItsOwnSaysItHoldsNoShow)
{
    QProcess process;
    process.start(AppFolder::path("Project.krt"), {"--check"});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()).trimmed(),
              QStringLiteral("このファイルにはスクリーンセーバーのデータが入っていません。"));
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
}

TEST_F(ProjectTemplateTest, ProgramBytesEndWhereThePaddedTemplateEnds)
{
    const std::optional<qint64> end = ElfExtent::end(templateBytes);
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(*end + *end % 2, templateBytes.size());
    EXPECT_FALSE(ElfExtent::end(templateBytes.left(*end - 1)).has_value());
    EXPECT_FALSE(ElfExtent::end(QByteArray(200, 'x')).has_value());
}

TEST_F(ProjectTemplateTest, ElfHeaderWithImpossibleTablesIsRefused)
{
    constexpr int kSectionTableOffset = 0x28;
    constexpr int kSectionCount = 0x3C;
    QByteArray manySections = templateBytes;
    qToLittleEndian<quint16>(0xFFFF, manySections.data() + kSectionCount);
    EXPECT_FALSE(ElfExtent::end(manySections).has_value());

    QByteArray farTable = templateBytes;
    qToLittleEndian<quint64>(quint64(1) << 62, farTable.data() + kSectionTableOffset);
    EXPECT_FALSE(ElfExtent::end(farTable).has_value());
}

TEST_F(ProjectTemplateTest, UnreadableSwappedIconFallsBackToTheDefaultIcon)
{
    QByteArray patched = templateBytes;
    const QByteArray junk = icon.left(IconFile::kDataOffset) + QByteArray(100, 'x');
    ASSERT_EQ(IconPatch::apply(patched, icon, junk), IconPatch::Outcome::Replaced);
    const SaverIdentity identity = SaverIdentity::read(patched, icon);
    EXPECT_EQ(identity.icon.size(), QSize(32, 32));
    EXPECT_EQ(identity.icon.pixel(16, 16), QImage::fromData(icon, "ICO").pixel(16, 16));
}

}  // namespace
