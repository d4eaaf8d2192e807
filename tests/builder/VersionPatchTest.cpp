#include "CraftedTemplate.h"
#include "builder/VersionPatch.h"

#include <gtest/gtest.h>

#include <QtEndian>

namespace {

const QByteArray kIcon(100, 'I');

// The `count` units starting `valueOffset` units after the key, as text (NULs kept).
QString unitsBehindKey(const QByteArray& bytes, VersionResource::Key key, int count)
{
    const qsizetype at =
        VersionResource::findKey(bytes, key) + VersionResource::kFields[key].valueOffset * 2;
    QString text;
    for (int unit = 0; unit < count; ++unit) {
        text.append(QChar(qFromLittleEndian<quint16>(bytes.constData() + at + unit * 2)));
    }
    return text;
}

QString nuls(int count)
{
    return QString(count, QChar(u'\0'));
}

TEST(VersionPatchTest, VersionTextIsMajorDotLastTwoOfZeroZeroAndMinor)
{
    EXPECT_EQ(VersionResource::versionText("1", "0"), "1.00");
    EXPECT_EQ(VersionResource::versionText("1", ""), "1.00");
    EXPECT_EQ(VersionResource::versionText("1", "12"), "1.12");
    EXPECT_EQ(VersionResource::versionText("0", "5"), "0.05");
    EXPECT_EQ(VersionResource::versionText("10", "07"), "10.07");
}

TEST(VersionPatchTest, ShortValuesArePaddedWithNulsToTheirWidth)
{
    QByteArray bytes = CraftedTemplate::bytes(kIcon, {});
    VersionResource::Values values;
    values[VersionResource::Comments] = "abc";
    values[VersionResource::InternalName] = "Save";
    values[VersionResource::OriginalFilename] = "Save.scr";
    values[VersionResource::FileVersion] = "0.05";
    VersionPatch::apply(bytes, values);

    EXPECT_EQ(unitsBehindKey(bytes, VersionResource::Comments, 40), "abc" + nuls(37));
    EXPECT_EQ(unitsBehindKey(bytes, VersionResource::InternalName, 40), "Save" + nuls(36));
    EXPECT_EQ(unitsBehindKey(bytes, VersionResource::OriginalFilename, 44), "Save.scr" + nuls(36));
    EXPECT_EQ(unitsBehindKey(bytes, VersionResource::FileVersion, 5), "0.05" + nuls(1));
}

TEST(VersionPatchTest, LongValuesAreCutAndNothingBeyondTheWidthChanges)
{
    VersionResource::Values before;
    before[VersionResource::FileDescription] = QString(20, 'd');
    QByteArray bytes = CraftedTemplate::bytes(kIcon, before);
    const QByteArray original = bytes;
    VersionResource::Values values;
    values[VersionResource::FileDescription] = QString(25, 'x');
    VersionPatch::apply(bytes, values);

    EXPECT_EQ(bytes.size(), original.size());
    EXPECT_EQ(unitsBehindKey(bytes, VersionResource::FileDescription, 21),
              QString(20, 'x') + nuls(1));
    const qsizetype valueEnd =
        VersionResource::findKey(bytes, VersionResource::FileDescription) + (17 + 20) * 2;
    EXPECT_EQ(bytes.mid(valueEnd), original.mid(valueEnd));
}

TEST(VersionPatchTest, KeyAtAnOddOffsetIsNotTheKey)
{
    QByteArray bytes = CraftedTemplate::bytes(kIcon);
    const QByteArray header = bytes.left(CraftedTemplate::kBlockOffset);
    EXPECT_EQ(VersionResource::findKey(bytes, VersionResource::Comments) % 2, 0);
    EXPECT_GE(VersionResource::findKey(bytes, VersionResource::Comments),
              CraftedTemplate::kBlockOffset);

    VersionResource::Values values;
    values[VersionResource::Comments] = "note";
    VersionPatch::apply(bytes, values);
    EXPECT_EQ(bytes.left(CraftedTemplate::kBlockOffset), header);
    EXPECT_EQ(unitsBehindKey(bytes, VersionResource::Comments, 4), "note");
}

TEST(VersionPatchTest, MissingKeyIsReportedAndNothingIsWrittenForIt)
{
    QByteArray bytes =
        CraftedTemplate::withoutKey(CraftedTemplate::bytes(kIcon), VersionResource::ProductVersion);
    ASSERT_EQ(VersionPatch::findMissing(bytes), VersionResource::ProductVersion);

    const QByteArray original = bytes;
    VersionResource::Values values;
    values[VersionResource::ProductVersion] = "9.99";
    VersionPatch::apply(bytes, values);
    EXPECT_EQ(bytes, original);
}

TEST(VersionPatchTest, KeyWithoutRoomForItsValueCountsAsMissing)
{
    const QByteArray full = CraftedTemplate::bytes(kIcon);
    const qsizetype keyAt = VersionResource::findKey(full, VersionResource::Comments);
    const QByteArray cut = full.left(keyAt + (9 + 39) * 2);
    EXPECT_EQ(VersionPatch::findMissing(cut), VersionResource::Comments);
    EXPECT_EQ(VersionPatch::findMissing(full), std::nullopt);
}

TEST(VersionPatchTest, ValueHoldingAnotherKeysTextDoesNotMoveThatKeysValue)
{
    QByteArray bytes = CraftedTemplate::bytes(kIcon);
    VersionResource::Values values;
    values[VersionResource::Comments] = "ProductName FileDescription";
    values[VersionResource::ProductName] = "Kremoa";
    values[VersionResource::FileDescription] = "Stars";
    VersionPatch::apply(bytes, values);

    const auto back = VersionResource::read(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ((*back)[VersionResource::Comments], "ProductName FileDescription");
    EXPECT_EQ((*back)[VersionResource::ProductName], "Kremoa");
    EXPECT_EQ((*back)[VersionResource::FileDescription], "Stars");
}

TEST(VersionPatchTest, VersionBlockHoldsEveryKeyWithItsValueAtTheTableOffset)
{
    VersionResource::Values values;
    for (int key = 0; key < VersionResource::kKeyCount; ++key) {
        values[key] = QString(VersionResource::kFields[key].width, QChar(u'A' + key));
    }
    const QByteArray block = VersionBlock::bytes(values, 1, 0);
    EXPECT_EQ(block.size() % VersionBlock::kAlignment, 0);
    EXPECT_EQ(qFromLittleEndian<quint16>(block.constData()), block.size());
    const auto back = VersionResource::read(block);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, values);
    for (int key = 0; key < VersionResource::kKeyCount; ++key) {
        const VersionResource::Field& field = VersionResource::kFields[key];
        const qsizetype keyAt = VersionResource::findKey(block, VersionResource::Key(key));
        // The String entry's header is the three units before the key: wLength,
        // wValueLength (the width and its terminating NUL), wType 1 (text).
        const char* header = block.constData() + keyAt - 6;
        EXPECT_EQ((keyAt - 6) % 4, 0) << field.key;
        EXPECT_EQ(qFromLittleEndian<quint16>(header + 2), field.width + 1) << field.key;
        EXPECT_EQ(qFromLittleEndian<quint16>(header + 4), 1) << field.key;
        EXPECT_EQ(qFromLittleEndian<quint16>(header), 6 + (field.valueOffset + field.width + 1) * 2)
            << field.key;
    }
}

// Found by fuzzing: a value holding the next key's text comes before that key. Patching such a
// file again must write where the saver reads, not at the first occurrence of the text.
TEST(VersionPatchTest, PatchingAPatchedFileWritesWhereTheSaverReads)
{
    QByteArray bytes = CraftedTemplate::bytes(kIcon);
    VersionResource::Values first;
    first[VersionResource::InternalName] = "OriginalFilename";
    first[VersionResource::OriginalFilename] = "First.scr";
    VersionPatch::apply(bytes, first);
    ASSERT_EQ(VersionPatch::findMissing(bytes), std::nullopt);

    VersionResource::Values second;
    second[VersionResource::InternalName] = "Second";
    second[VersionResource::OriginalFilename] = "Second.scr";
    VersionPatch::apply(bytes, second);
    const auto back = VersionResource::read(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ((*back)[VersionResource::InternalName], "Second");
    EXPECT_EQ((*back)[VersionResource::OriginalFilename], "Second.scr");
}

}  // namespace
