#include "ScriptedDecodeRunner.h"
#include "editor/PictureLoader.h"
#include "editor/ThreadPoolDecodeRunner.h"
#include "media/MediaFactory.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using Status = PictureLoader::Status;
constexpr QSize kThumbnail(93, 93);

class PictureLoaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QGuiApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "PictureLoaderTest";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);
        }
    }

    QString picture(const QString& name, QColor colour)
    {
        return media.solidImage(name, {40, 30}, colour);
    }

    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    ScriptedDecodeRunner* runner = new ScriptedDecodeRunner(false);
    PictureLoader loader{std::unique_ptr<DecodeRunner>(runner)};
    QSignalSpy thumbnails{&loader, &PictureLoader::thumbnailReady};
    QSignalSpy parts{&loader, &PictureLoader::canvasPartReady};
};

TEST_F(PictureLoaderTest, AThumbnailWaitsForOneDecodeAndIsKeptOnceItArrives)
{
    const QString red = picture("red.bmp", Qt::red);
    EXPECT_EQ(loader.thumbnail(red, kThumbnail).status, Status::Waiting);
    EXPECT_EQ(loader.thumbnail(red, kThumbnail).status, Status::Waiting);
    EXPECT_EQ(runner->waiting(), 1) << "asked twice, decoded once";
    EXPECT_TRUE(thumbnails.isEmpty());

    runner->runAll();
    ASSERT_EQ(thumbnails.size(), 1);
    EXPECT_EQ(thumbnails[0][0].toString(), red);
    EXPECT_EQ(thumbnails[0][1].toSize(), kThumbnail);
    const PictureLoader::Thumbnail kept = loader.thumbnail(red, kThumbnail);
    EXPECT_EQ(kept.status, Status::Ready);
    EXPECT_EQ(kept.picture.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(runner->waiting(), 0);
}

TEST_F(PictureLoaderTest, ThumbnailsNoLongerNeededAreDroppedBeforeTheyAreDecoded)
{
    const QString red = picture("red.bmp", Qt::red);
    const QString blue = picture("blue.bmp", Qt::blue);
    const QString green = picture("green.bmp", Qt::green);
    loader.thumbnail(red, kThumbnail);
    loader.thumbnail(blue, kThumbnail);
    loader.thumbnail(green, kThumbnail);
    loader.keepThumbnailsOf({blue});
    // Wanted again before its turn came: decoded after all.
    loader.thumbnail(green, kThumbnail);
    runner->runAll();
    ASSERT_EQ(thumbnails.size(), 2);
    EXPECT_EQ(thumbnails[0][0].toString(), blue);
    EXPECT_EQ(thumbnails[1][0].toString(), green);
    EXPECT_EQ(loader.thumbnail(red, kThumbnail).status, Status::Waiting);
    EXPECT_EQ(runner->waiting(), 1);

    // Dropped, then wanted again once its skipped decode has reported: started anew.
    loader.keepThumbnailsOf({});
    runner->runAll();
    EXPECT_EQ(loader.thumbnail(red, kThumbnail).status, Status::Waiting);
    runner->runAll();
    EXPECT_EQ(loader.thumbnail(red, kThumbnail).status, Status::Ready);
}

TEST_F(PictureLoaderTest, AChangedFileIsDecodedAgainAndAnUndecodableOneSaysSo)
{
    const QString path = picture("changing.bmp", Qt::red);
    loader.thumbnail(path, kThumbnail);
    runner->runAll();
    ASSERT_EQ(loader.thumbnail(path, kThumbnail).status, Status::Ready);

    const QDateTime before = QFileInfo(path).lastModified();
    media.solidImage("changing.bmp", {40, 30}, Qt::blue);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(before.addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(loader.thumbnail(path, kThumbnail).status, Status::Waiting);
    runner->runAll();
    EXPECT_EQ(loader.thumbnail(path, kThumbnail).picture.pixel(5, 5), qRgb(0, 0, 255));

    const QString broken = media.bytes("broken.jpg", "not a picture");
    loader.thumbnail(broken, kThumbnail);
    runner->runAll();
    const PictureLoader::Thumbnail none = loader.thumbnail(broken, kThumbnail);
    EXPECT_EQ(none.status, Status::Undecodable);
    EXPECT_TRUE(none.picture.isNull());
    EXPECT_EQ(runner->waiting(), 0) << "an undecodable file is not tried again while unchanged";
}

TEST_F(PictureLoaderTest, OnlyTheCanvasPartAskedLastIsDecoded)
{
    const QString red = picture("red.bmp", Qt::red);
    const QString blue = picture("blue.bmp", Qt::blue);
    const QRect area(-5, -5, 20, 20);
    EXPECT_EQ(loader.canvasPart(red, area).status, Status::Waiting);
    EXPECT_EQ(loader.canvasPart(blue, area).status, Status::Waiting);
    runner->runAll();
    ASSERT_EQ(parts.size(), 1);
    EXPECT_EQ(parts[0][0].toString(), blue);
    EXPECT_EQ(parts[0][1].toRect(), area);
    const PictureLoader::CanvasPart part = loader.canvasPart(blue, area);
    EXPECT_EQ(part.status, Status::Ready);
    EXPECT_EQ(part.offset, QPoint(0, 0));
    EXPECT_EQ(part.picture.size(), QSize(15, 15));
    EXPECT_EQ(loader.canvasPart(red, area).status, Status::Waiting);
}

TEST_F(PictureLoaderTest, APartNeededNowIsDecodedAtOnceAndKept)
{
    const QString red = picture("red.bmp", Qt::red);
    const QRect area(10, 0, 100, 100);
    loader.canvasPart(red, area);
    const PictureLoader::CanvasPart now = loader.canvasPartNow(red, area);
    EXPECT_EQ(now.status, Status::Ready);
    EXPECT_EQ(now.offset, QPoint(10, 0));
    EXPECT_EQ(now.picture.size(), QSize(30, 30));
    EXPECT_EQ(loader.canvasPart(red, area).status, Status::Ready);
    EXPECT_EQ(loader.canvasPartNow(media.bytes("no.bmp", "no"), area).status, Status::Undecodable);
}

TEST_F(PictureLoaderTest, WholePicturesComeFirstAndUndecodableOnesComeNull)
{
    const QString red = picture("red.bmp", Qt::red);
    QSignalSpy wholes(&loader, &PictureLoader::wholeReady);
    loader.thumbnail(red, kThumbnail);
    loader.requestWhole(red);
    loader.requestWhole(media.bytes("no.bmp", "no"));
    runner->runNext();
    ASSERT_EQ(wholes.size(), 1);
    EXPECT_EQ(wholes[0][1].value<QImage>().size(), QSize(40, 30));
    EXPECT_TRUE(thumbnails.isEmpty());
    runner->runNext();
    ASSERT_EQ(wholes.size(), 2);
    EXPECT_TRUE(wholes[1][1].value<QImage>().isNull());
}

// The real runner: results come back through the event loop from other threads.
TEST(ThreadPoolPictureLoaderTest, DecodesAwayFromTheCallingThreadAndReportsThroughTheEventLoop)
{
    if (QGuiApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "PictureLoaderTest";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);
    }
    QTemporaryDir dir;
    MediaFactory media(dir.path());
    QStringList paths;
    for (int i = 0; i < 6; ++i) {
        paths.append(media.solidImage(QStringLiteral("p%1.jpg").arg(i), {800, 600}, Qt::red));
    }
    PictureLoader loader(std::make_unique<ThreadPoolDecodeRunner>());
    QSignalSpy ready(&loader, &PictureLoader::thumbnailReady);
    for (const QString& path : paths) {
        EXPECT_EQ(loader.thumbnail(path, kThumbnail).status, Status::Waiting);
    }
    EXPECT_TRUE(ready.isEmpty()) << "nothing arrives before the event loop runs";
    while (ready.size() < paths.size()) {
        ASSERT_TRUE(ready.wait(60000));
    }
    for (const QString& path : paths) {
        EXPECT_EQ(loader.thumbnail(path, kThumbnail).status, Status::Ready);
    }

    // A loader that goes while its decodes run waits for them first.
    auto leaving = std::make_unique<PictureLoader>(std::make_unique<ThreadPoolDecodeRunner>());
    for (const QString& path : paths) {
        leaving->thumbnail(path, {50, 50});
        leaving->requestWhole(path);
    }
    leaving.reset();
    QGuiApplication::processEvents();
}

}  // namespace
