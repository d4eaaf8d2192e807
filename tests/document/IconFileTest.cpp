#include "document/IconFile.h"
#include "media/IconImage.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

TEST(IconFileTest, OnlyA32PixelWideFirstImagePasses)
{
    EXPECT_TRUE(IconFile::is32Pixels(IconImage::bytes(32, Qt::yellow, Qt::black)));
    EXPECT_FALSE(IconFile::is32Pixels(IconImage::bytes(16, Qt::yellow, Qt::black)));
    EXPECT_FALSE(IconFile::is32Pixels(QByteArray(IconFile::kWidthOffset, '\0')));
}

// The builder swaps only the image data: the directory entry of the default icon must be made
// to describe the image now behind it, or the picture does not decode.
TEST(IconFileTest, TheStoredIconGetsADirectoryEntryThatAgreesWithItsImage)
{
    const QByteArray defaultIcon = IconImage::bytes(32, Qt::blue, Qt::white, 32);
    const QByteArray chosen = IconImage::bytes(32, Qt::red, Qt::black, 4);
    QByteArray swapped =
        defaultIcon.left(IconFile::kDataOffset) + chosen.mid(IconFile::kDataOffset);
    swapped.append(defaultIcon.size() - swapped.size(), '\0');
    const QByteArray file = QByteArray("program bytes..") + '\0' + swapped + "package";

    const QByteArray stored = IconFile::stored(file, defaultIcon);
    ASSERT_EQ(stored.size(), defaultIcon.size());
    EXPECT_EQ(qFromLittleEndian<quint16>(stored.constData() + IconFile::kBitCountOffset), 4);
    EXPECT_EQ(quint8(stored[IconFile::kColourCountOffset]), 16);
    EXPECT_EQ(qFromLittleEndian<quint32>(stored.constData() + IconFile::kImageSizeOffset),
              quint32(stored.size() - IconFile::kImageOffset));
    EXPECT_TRUE(IconFile::stored("no icon here", defaultIcon).isEmpty());
}

}  // namespace
