#include "player/ImageDecoder.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

TEST(ImageDecoderTest, PicturesComeOutAsRgb32AtNaturalSize)
{
    QImage indexed(7, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3)});
    indexed.fill(0);

    const QImage image = ImageDecoder::decodeBytes(encoded(indexed, "BMP"));

    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(7, 3));
    EXPECT_EQ(image.pixel(6, 2), qRgb(1, 2, 3));
}

// A JPEG with an Exif block whose orientation tag says "rotate 90 degrees clockwise to show".
QByteArray rotatedJpeg(const QImage& image)
{
    constexpr char kExifRotate90[] =
        "\xFF\xE1\x00\x22"  // APP1 marker and length (34)
        "Exif\0\0"
        "II*\0\x08\0\0\0"                     // little-endian TIFF header, first IFD at 8
        "\x01\0"                              // one entry:
        "\x12\x01\x03\0\x01\0\0\0\x06\0\0\0"  // Orientation, SHORT, 1 value: 6
        "\0\0\0\0";                           // no next IFD
    QByteArray jpeg = encoded(image, "JPEG");
    jpeg.insert(2, QByteArray(kExifRotate90, sizeof(kExifRotate90) - 1));
    return jpeg;
}

TEST(ImageDecoderTest, JpegOrientationIsApplied)
{
    QImage wide(8, 4, QImage::Format_RGB32);
    wide.fill(Qt::white);

    EXPECT_EQ(ImageDecoder::decodeBytes(encoded(wide, "JPEG")).size(), QSize(8, 4));
    EXPECT_EQ(ImageDecoder::decodeBytes(rotatedJpeg(wide)).size(), QSize(4, 8));
}

TEST(ImageDecoderTest, PhotoBeyondQtsDefaultAllocationLimitDecodes)
{
    // 7000 x 5000 pixels need 140 MB, over Qt's default limit of 128 MB.
    QImage photo(7000, 5000, QImage::Format_RGB32);
    photo.fill(qRgb(40, 80, 120));
    const QByteArray jpeg = encoded(photo, "JPEG");
    photo = QImage();

    const QImage image = ImageDecoder::decodeBytes(jpeg);

    EXPECT_EQ(image.size(), QSize(7000, 5000));
}

TEST(ImageDecoderTest, UnreadableFilesGiveANullImage)
{
    QTemporaryDir dir;
    EXPECT_TRUE(ImageDecoder::decodeFile(dir.filePath(QStringLiteral("missing.bmp"))).isNull());
    EXPECT_TRUE(ImageDecoder::decodeBytes(QByteArray("BM\x10\0\0\0garbage", 13)).isNull());
    EXPECT_TRUE(ImageDecoder::decodeBytes(QByteArray()).isNull());
}

}  // namespace
