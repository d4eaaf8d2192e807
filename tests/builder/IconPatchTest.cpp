#include "builder/IconPatch.h"
#include "document/IconFile.h"
#include "media/IconImage.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kDefaultIcon = IconImage::bytes(32, Qt::green, Qt::black, 32);
const QByteArray kSmallerIcon = IconImage::bytes(32, Qt::red, Qt::white, 4);

QByteArray defaultData()
{
    return kDefaultIcon.mid(IconFile::kDataOffset);
}

QByteArray chosenDataPadded()
{
    QByteArray data = kSmallerIcon.mid(IconFile::kDataOffset);
    data.append(defaultData().size() - data.size(), '\0');
    return data;
}

TEST(IconPatchTest, ChosenDataIsZeroPaddedSoTheTemplateKeepsItsLength)
{
    QByteArray bytes = QByteArray("head") + kDefaultIcon + QByteArray("tail");
    const qsizetype dataAt = 4 + IconFile::kDataOffset;
    const qsizetype size = bytes.size();
    int replaced = 0;

    ASSERT_EQ(IconPatch::apply(bytes, kDefaultIcon, kSmallerIcon, &replaced),
              IconPatch::Outcome::Replaced);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(bytes.size(), size);
    EXPECT_EQ(bytes.left(dataAt), QByteArray("head") + kDefaultIcon.left(IconFile::kDataOffset));
    EXPECT_EQ(bytes.mid(dataAt, defaultData().size()), chosenDataPadded());
    EXPECT_TRUE(bytes.endsWith("tail"));
}

TEST(IconPatchTest, EveryOccurrenceAtAnEvenOffsetIsReplacedAndOddOnesAreKept)
{
    const QByteArray data = defaultData();
    const QByteArray even = QByteArray(2, 'a') + data;  // at offset 2
    const QByteArray odd = QByteArray(1, 'b') + data;   // at an odd offset
    QByteArray bytes = even + odd + QByteArray(1, 'c') + data;
    ASSERT_EQ(even.size() % 2, 0);
    ASSERT_EQ((even.size() + 1) % 2, 1);
    const qsizetype lastAt = even.size() + odd.size() + 1;
    ASSERT_EQ(lastAt % 2, 0);
    int replaced = 0;

    ASSERT_EQ(IconPatch::apply(bytes, kDefaultIcon, kSmallerIcon, &replaced),
              IconPatch::Outcome::Replaced);
    EXPECT_EQ(replaced, 2);
    EXPECT_EQ(bytes.mid(2, data.size()), chosenDataPadded());
    EXPECT_EQ(bytes.mid(even.size() + 1, data.size()), data);
    EXPECT_EQ(bytes.mid(lastAt, data.size()), chosenDataPadded());
}

TEST(IconPatchTest, RefusalsLeaveTheTemplateUnchanged)
{
    const QByteArray original = QByteArray("head") + kDefaultIcon;
    const QByteArray larger = kDefaultIcon + QByteArray(2, 'x');
    const QByteArray tooShort = kDefaultIcon.left(IconFile::kDataOffset);
    QByteArray bytes = original;

    EXPECT_EQ(IconPatch::apply(bytes, kDefaultIcon, larger),
              IconPatch::Outcome::ChosenIconTooLarge);
    EXPECT_EQ(IconPatch::apply(bytes, kDefaultIcon, tooShort),
              IconPatch::Outcome::ChosenIconTooShort);
    EXPECT_EQ(IconPatch::apply(bytes, tooShort, kSmallerIcon),
              IconPatch::Outcome::DefaultIconTooShort);
    EXPECT_EQ(IconPatch::apply(bytes, kSmallerIcon, kSmallerIcon),
              IconPatch::Outcome::DefaultIconNotFound);
    EXPECT_EQ(bytes, original);
}

TEST(IconPatchTest, IconOfExactly29BytesHasOneByteOfData)
{
    QByteArray bytes = QByteArray(IconFile::kDataOffset, 'h') + QByteArray("xy");
    const QByteArray defaultIcon = QByteArray(IconFile::kDataOffset, '?') + "x";
    const QByteArray chosenIcon = QByteArray(IconFile::kDataOffset, '?') + "z";
    ASSERT_EQ(IconPatch::apply(bytes, defaultIcon, chosenIcon), IconPatch::Outcome::Replaced);
    EXPECT_EQ(bytes.right(2), "zy");
}

}  // namespace
