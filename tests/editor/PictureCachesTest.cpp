#include "editor/CanvasPictureCache.h"
#include "editor/FileStamp.h"
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

TEST_F(PictureCachesTest, ThumbnailsAreStretchedToTheFrame)
{
    const QString path = media.image("halves.bmp", halves({400, 100}, Qt::red, Qt::blue));
    const QImage thumbnail = ThumbnailCache::decode(path, kThumbnail);
    ASSERT_EQ(thumbnail.size(), kThumbnail);
    EXPECT_EQ(thumbnail.format(), QImage::Format_RGB32);
    EXPECT_EQ(thumbnail.pixelColor(10, 50), QColor(Qt::red));
    EXPECT_EQ(thumbnail.pixelColor(80, 50), QColor(Qt::blue));
}

TEST_F(PictureCachesTest, KeptPicturesServeOnlyWhileTheFileKeepsItsSizeAndTime)
{
    ThumbnailCache thumbnails;
    CanvasPictureCache canvas;
    const QString path = media.image("kept.bmp", halves({60, 40}, Qt::red, Qt::red));
    const QRect area(0, 0, 60, 40);
    const FileStamp before = FileStamp::of(path);
    thumbnails.insert(path, kThumbnail, before, ThumbnailCache::decode(path, kThumbnail));
    canvas.insert(path, area, before, CanvasPictureCache::decode(path, area));
    ASSERT_EQ(thumbnails.find(path, kThumbnail, before)->pixelColor(5, 5), QColor(Qt::red));
    ASSERT_EQ(canvas.find(path, area, before)->picture.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_FALSE(thumbnails.find(path, {20, 20}, before)) << "another frame size";
    EXPECT_FALSE(canvas.find(path, QRect(1, 0, 59, 40), before)) << "another area";

    replaceUnnoticed(path, halves({60, 40}, Qt::blue, Qt::blue));
    EXPECT_EQ(FileStamp::of(path), before);
    EXPECT_TRUE(thumbnails.find(path, kThumbnail, FileStamp::of(path)));

    replace(path, halves({60, 40}, Qt::green, Qt::green));
    const FileStamp after = FileStamp::of(path);
    EXPECT_FALSE(after == before);
    EXPECT_FALSE(thumbnails.find(path, kThumbnail, after));
    EXPECT_FALSE(canvas.find(path, area, after));
    EXPECT_EQ(FileStamp::of(dir.filePath("missing.bmp")).size, -1);
}

TEST_F(PictureCachesTest, TheCachesStayWithinTheirBytes)
{
    CanvasPictureCache canvas;
    const QString path = media.solidImage("big.bmp", {2000, 2000}, Qt::red);
    const FileStamp stamp = FileStamp::of(path);
    // Each part is 16 MB; the cache holds 128 MB, so the first parts make room for the last.
    constexpr int kParts = 12;
    for (int i = 0; i < kParts; ++i) {
        const QRect area(i, 0, 2000 - i, 2000);
        canvas.insert(path, area, stamp, CanvasPictureCache::decode(path, area));
    }
    EXPECT_FALSE(canvas.find(path, QRect(0, 0, 2000, 2000), stamp));
    EXPECT_TRUE(canvas.find(path, QRect(kParts - 1, 0, 2000 - kParts + 1, 2000), stamp));
}

TEST_F(PictureCachesTest, JpegThumbnailsDecodeAtThumbnailSize)
{
    const QString path = media.solidImage("big.jpg", {2000, 1500}, Qt::yellow);
    const QImage thumbnail = ThumbnailCache::decode(path, kThumbnail);
    ASSERT_EQ(thumbnail.size(), kThumbnail);
    EXPECT_GT(qRed(thumbnail.pixel(40, 40)), 230);
    EXPECT_GT(qGreen(thumbnail.pixel(40, 40)), 230);
}

TEST_F(PictureCachesTest, UndecodableFilesGiveNoThumbnailAndNoCanvasPicture)
{
    const QString broken = media.bytes("broken.jpg", QByteArray("\xFF\xD8 broken", 9));
    EXPECT_TRUE(ThumbnailCache::decode(broken, kThumbnail).isNull());
    EXPECT_TRUE(ThumbnailCache::decode(dir.filePath("missing.bmp"), kThumbnail).isNull());
    EXPECT_FALSE(CanvasPictureCache::decode(broken, QRect(0, 0, 50, 50)).decoded);
    EXPECT_FALSE(
        CanvasPictureCache::decode(dir.filePath("missing.bmp"), QRect(0, 0, 50, 50)).decoded);
    EXPECT_FALSE(CanvasPictureCache::decode(dir.path(), QRect(0, 0, 50, 50)).decoded);
}

TEST_F(PictureCachesTest, TheCanvasGetsOnlyThePartOnView)
{
    const QString path = media.image("halves.bmp", halves({200, 100}, Qt::red, Qt::blue));
    // The canvas 120 x 80 with the picture at (-90, 10): picture columns 90..199, rows 0..69.
    const CanvasPictureCache::Piece piece =
        CanvasPictureCache::decode(path, QRect(90, -10, 120, 80));
    ASSERT_TRUE(piece.decoded);
    EXPECT_EQ(piece.offset, QPoint(90, 0));
    ASSERT_EQ(piece.picture.size(), QSize(110, 70));
    EXPECT_EQ(piece.picture.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(piece.picture.pixelColor(20, 0), QColor(Qt::blue));

    const CanvasPictureCache::Piece outside =
        CanvasPictureCache::decode(path, QRect(500, 0, 10, 10));
    EXPECT_TRUE(outside.decoded);
    EXPECT_TRUE(outside.picture.isNull());
}

}  // namespace
