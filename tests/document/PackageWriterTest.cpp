#include "document/ByteView.h"
#include "document/PackageReader.h"
#include "media/MediaFactory.h"
#include "support/PackageTestShow.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The worked example: 320 x 240, black, no BGM, sound switch off, one slide whose image file
// holds 42 4D 36, 1000 ms at (0, 0), no effect, speed 0, no sound, both flags off.
const QByteArray kExamplePackage = QByteArray::fromHex(
    "40010000"
    "f0000000"
    "00000000"
    "0000"
    "01000000"
    "0000"
    "0000"
    "01000100000000000000"
    "010030"
    "0000"
    "e8030000"
    "00000000"
    "00000000"
    "00000000"
    "00000000"
    "0000"
    "0000"
    "01000300000000000000424d36"
    "0000"
    "50000000");

class PackageWriterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MediaFactory media{dir.path()};
};

TEST_F(PackageWriterTest, WorkedExampleIsExactly80Bytes)
{
    ASSERT_EQ(kExamplePackage.size(), 80);
    const QString image = media.bytes("three.bmp", QByteArray::fromHex("424d36"));
    QString error;
    const QByteArray bytes = PackageTestShow::write(PackageTestShow::withImages({image}), &error);
    EXPECT_EQ(bytes.toHex(' '), kExamplePackage.toHex(' ')) << error.toStdString();
}

TEST_F(PackageWriterTest, SharedImageIsOneZeroByteBehindAOneElementHeader)
{
    const QString image = media.bytes("three.bmp", QByteArray::fromHex("424d36"));
    const QByteArray bytes =
        PackageTestShow::write(PackageTestShow::withImages({image, image, image}));
    const QByteArray sharedSlide = QByteArray::fromHex(
        "010030"
        "0000"
        "e8030000000000000000000000000000000000000000"
        "0000"
        "01000100000000000000"
        "00"
        "0000");
    EXPECT_EQ(bytes.count(sharedSlide), 2);
    EXPECT_EQ(bytes.count(QByteArray::fromHex("424d36")), 1);
}

TEST_F(PackageWriterTest, EveryFieldAndBlockReadsBack)
{
    const QByteArray red = QByteArray(5000, 'r');
    const QByteArray blue = QByteArray(3, 'b');
    const QString redPath = media.bytes("red.jpg", red);
    const QString bluePath = media.bytes("blue.bmp", blue);
    const QString beepPath = media.wav("beep.wav");
    const QString tunePath = media.midi("tune.MIDI");
    EditableShow show = PackageTestShow::withImages({redPath, bluePath, redPath, bluePath});
    show.canvasWidth = 800;
    show.canvasHeight = 600;
    show.backColor = 0x00A0B0C0;
    show.bgmPath = tunePath;
    for (int i = 0; i < 4; ++i) {
        SlideItem& item = show.document.Slides[i];
        item.DisplayTime = 100 + i;
        item.PosX = -10 * i;
        item.PosY = 5 * i;
        item.EffectNumber = 30 + i;
        item.SpeedIndex = i;
        item.KeepPrevious = qint16(i % 2);
        item.Transparent = qint16(i / 2);
        item.SoundPath = i == 0 ? QString() : beepPath;
    }

    QString error;
    const QByteArray bytes = PackageTestShow::write(show, &error, 1);
    ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
    const CoreExpected<PackageView> view = PackageReader::read(ByteView::of(bytes));
    ASSERT_TRUE(view.ok()) << view.error();
    EXPECT_EQ(view->CanvasWidth, 800);
    EXPECT_EQ(view->CanvasHeight, 600);
    EXPECT_EQ(view->BackColor, 0x00A0B0C0u);
    EXPECT_EQ(view->SoundSwitchable, 1);
    EXPECT_EQ(view->bgmName, "bgm.mid");
    QFile tune(tunePath);
    ASSERT_TRUE(tune.open(QIODevice::ReadOnly));
    EXPECT_EQ(ByteView::toQt(view->bgmData), tune.readAll());
    EXPECT_EQ(view->PackageSize, bytes.size());
    ASSERT_EQ(view->slides.size(), 4u);
    QFile beep(beepPath);
    ASSERT_TRUE(beep.open(QIODevice::ReadOnly));
    const QByteArray beepBytes = beep.readAll();
    const QByteArray images[] = {red, blue, red, blue};
    const char* refs[] = {"0", "1", "0", "1"};
    const char* sounds[] = {"", "1.wav", "1.wav", "1.wav"};
    for (int i = 0; i < 4; ++i) {
        const PackageSlide& slide = view->slides[std::size_t(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(slide.imageRef, refs[i]);
        EXPECT_EQ(slide.soundPath, sounds[i]);
        EXPECT_EQ(slide.DisplayTime, 100 + i);
        EXPECT_EQ(slide.PosX, -10 * i);
        EXPECT_EQ(slide.PosY, 5 * i);
        EXPECT_EQ(slide.EffectNumber, 30 + i);
        EXPECT_EQ(slide.SpeedIndex, i);
        EXPECT_EQ(slide.KeepPrevious, i % 2);
        EXPECT_EQ(slide.Transparent, i / 2);
        EXPECT_EQ(ByteView::toQt(slide.imageData), images[i]);
        EXPECT_EQ(ByteView::toQt(slide.soundData), i == 0 ? QByteArray() : beepBytes);
        EXPECT_EQ(slide.soundHolder, i == 0 ? -1 : 1);
    }
    // Views point into the package bytes, not into copies.
    EXPECT_GE(view->slides[2].imageData.data(), bytes.constData());
    EXPECT_LT(view->slides[2].imageData.data(), bytes.constData() + bytes.size());
}

TEST_F(PackageWriterTest, FileThatChangedSizeSincePlanningIsAnError)
{
    const QString image = media.bytes("grows.bmp", "abc");
    const Expected<PackagePlan> plan = PackagePlan::make(PackageTestShow::withImages({image}), 0);
    ASSERT_TRUE(plan.ok());
    media.bytes("grows.bmp", "abcdef");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(PackageWriter::write(plan.value(), buffer).ok());
}

TEST_F(PackageWriterTest, ProgressReachesTheTotalAndCanCancel)
{
    const QString image = media.bytes("big.bmp", QByteArray(3 << 20, 'x'));
    const Expected<PackagePlan> plan = PackagePlan::make(PackageTestShow::withImages({image}), 0);
    ASSERT_TRUE(plan.ok());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QList<qint64> reports;
    const Status done = PackageWriter::write(plan.value(), buffer, [&](qint64 so, qint64 total) {
        EXPECT_EQ(total, plan->packageSize);
        reports.append(so);
        return true;
    });
    ASSERT_TRUE(done.ok());
    ASSERT_GE(reports.size(), 3);
    EXPECT_EQ(reports.last(), plan->packageSize);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));

    QByteArray cancelled;
    QBuffer other(&cancelled);
    other.open(QIODevice::WriteOnly);
    EXPECT_FALSE(
        PackageWriter::write(plan.value(), other, [](qint64, qint64) { return false; }).ok());
}

}  // namespace
