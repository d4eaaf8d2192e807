#include "editor/CanvasPictureCache.h"
#include "editor/ThumbnailCache.h"

#include "media/MediaFactory.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr QSize kThumbnail(93, 93);

// A picture whose left half is `left` and right half `right`.
QImage halves(QSize size, QColor left, QColor right)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(right);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width() / 2; ++x) {
            picture.setPixelColor(x, y, left);
        }
    }
    return picture;
}

// Rewrites a file with new content and a modification time that differs from the old one.
void replace(const QString& path, const QImage& picture)
{
    const QDateTime before = QFileInfo(path).lastModified();
    ASSERT_TRUE(picture.save(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(before.addSecs(5), QFileDevice::FileModificationTime));
}

// Rewrites a file with new content of the same length and gives it back its old modification
// time: to anything that looks at length and time only, it is the file it was.
void replaceUnnoticed(const QString& path, const QImage& picture)
{
    const qint64 size = QFileInfo(path).size();
    const QDateTime modified = QFileInfo(path).lastModified();
    ASSERT_TRUE(picture.save(path));
    ASSERT_EQ(QFileInfo(path).size(), size);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

class PictureCachesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MediaFactory media{dir.path()};
};

TEST_F(PictureCachesTest, ThumbnailsAreStretchedToTheFrameAndFollowTheFile)
{
    ThumbnailCache cache;
    const QString path = media.image("halves.bmp", halves({400, 100}, Qt::red, Qt::blue));
    const QImage first = cache.thumbnail(path, kThumbnail);
    ASSERT_EQ(first.size(), kThumbnail);
    EXPECT_EQ(first.pixelColor(10, 50), QColor(Qt::red));
    EXPECT_EQ(first.pixelColor(80, 50), QColor(Qt::blue));

    replace(path, halves({400, 100}, Qt::green, Qt::green));
    EXPECT_EQ(cache.thumbnail(path, kThumbnail).pixelColor(10, 50), QColor(Qt::green));
}

TEST_F(PictureCachesTest, PicturesAreKeptByPathSizeAndModificationTime)
{
    ThumbnailCache thumbnails;
    CanvasPictureCache canvas;
    const QString path = media.image("kept.bmp", halves({60, 40}, Qt::red, Qt::red));
    const QRect area(0, 0, 60, 40);
    ASSERT_EQ(thumbnails.thumbnail(path, kThumbnail).pixelColor(5, 5), QColor(Qt::red));
    ASSERT_EQ(canvas.visiblePart(path, area)->picture.pixelColor(5, 5), QColor(Qt::red));

    replaceUnnoticed(path, halves({60, 40}, Qt::blue, Qt::blue));
    EXPECT_EQ(thumbnails.thumbnail(path, kThumbnail).pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(canvas.visiblePart(path, area)->picture.pixelColor(5, 5), QColor(Qt::red));
    // Another frame size is another picture, decoded from the file as it is now.
    const QImage small = thumbnails.thumbnail(path, {20, 20});
    ASSERT_EQ(small.size(), QSize(20, 20));
    EXPECT_EQ(small.pixelColor(5, 5), QColor(Qt::blue));

    replace(path, halves({60, 40}, Qt::green, Qt::green));
    EXPECT_EQ(thumbnails.thumbnail(path, kThumbnail).pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(canvas.visiblePart(path, area)->picture.pixelColor(5, 5), QColor(Qt::green));
}

TEST_F(PictureCachesTest, JpegThumbnailsDecodeAtThumbnailSize)
{
    ThumbnailCache cache;
    const QString path = media.solidImage("big.jpg", {2000, 1500}, Qt::yellow);
    const QImage thumbnail = cache.thumbnail(path, kThumbnail);
    ASSERT_EQ(thumbnail.size(), kThumbnail);
    EXPECT_GT(qRed(thumbnail.pixel(40, 40)), 230);
    EXPECT_GT(qGreen(thumbnail.pixel(40, 40)), 230);
}

TEST_F(PictureCachesTest, UndecodableFilesGiveNoThumbnailAndNoCanvasPicture)
{
    ThumbnailCache thumbnails;
    CanvasPictureCache canvas;
    const QString broken = media.bytes("broken.jpg", QByteArray("\xFF\xD8 broken", 9));
    EXPECT_TRUE(thumbnails.thumbnail(broken, kThumbnail).isNull());
    EXPECT_TRUE(thumbnails.thumbnail(dir.filePath("missing.bmp"), kThumbnail).isNull());
    EXPECT_FALSE(canvas.visiblePart(broken, QRect(0, 0, 50, 50)).has_value());
    EXPECT_FALSE(canvas.visiblePart(dir.filePath("missing.bmp"), QRect(0, 0, 50, 50)));
    EXPECT_FALSE(canvas.visiblePart(dir.path(), QRect(0, 0, 50, 50)));
}

TEST_F(PictureCachesTest, TheCanvasGetsOnlyThePartOnView)
{
    CanvasPictureCache cache;
    const QString path = media.image("halves.bmp", halves({200, 100}, Qt::red, Qt::blue));
    // The canvas 120 x 80 with the picture at (-90, 10): picture columns 90..199, rows 0..69.
    const auto piece = cache.visiblePart(path, QRect(90, -10, 120, 80));
    ASSERT_TRUE(piece.has_value());
    EXPECT_EQ(piece->offset, QPoint(90, 0));
    ASSERT_EQ(piece->picture.size(), QSize(110, 70));
    EXPECT_EQ(piece->picture.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(piece->picture.pixelColor(20, 0), QColor(Qt::blue));

    const auto outside = cache.visiblePart(path, QRect(500, 0, 10, 10));
    ASSERT_TRUE(outside.has_value());
    EXPECT_TRUE(outside->picture.isNull());

    replace(path, halves({200, 100}, Qt::green, Qt::green));
    EXPECT_EQ(cache.visiblePart(path, QRect(90, -10, 120, 80))->picture.pixelColor(0, 0),
              QColor(Qt::green));
}

}  // namespace
