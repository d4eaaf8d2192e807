#include "document/IconFile.h"
#include "media/MediaFactory.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MediaFactoryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MediaFactory media{dir.path()};
};

TEST_F(MediaFactoryTest, BmpAndJpegDecodeAtTheirSizeAndColour)
{
    const QString bmp = media.solidImage("red_64x48.bmp", {64, 48}, QColor(255, 0, 0));
    const QString jpg = media.solidImage("green_40x30.jpg", {40, 30}, QColor(0, 255, 0));
    ASSERT_FALSE(bmp.isEmpty());
    ASSERT_FALSE(jpg.isEmpty());
    EXPECT_TRUE(readAll(bmp).startsWith("BM"));
    EXPECT_TRUE(readAll(jpg).startsWith("\xFF\xD8"));

    const QImage red(bmp);
    EXPECT_EQ(red.size(), QSize(64, 48));
    EXPECT_EQ(red.pixel(10, 10), qRgb(255, 0, 0));
    const QImage green(jpg);
    EXPECT_EQ(green.size(), QSize(40, 30));
    EXPECT_GT(qGreen(green.pixel(20, 15)), 240);
}

TEST_F(MediaFactoryTest, EllipsePictureKeepsBackgroundColourInCorners)
{
    const QImage picture = TestPicture::ellipse({50, 40}, QColor(1, 2, 3), Qt::white);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(picture.pixel(25, 20), qRgb(255, 255, 255));
}

TEST_F(MediaFactoryTest, WavHasRiffHeaderAndPcmData)
{
    const QByteArray wav = readAll(media.wav("beep.wav", 100, 880.0));
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 20), 1);  // PCM
    EXPECT_EQ(wav.mid(36, 4), "data");
    const quint32 samples = WavTone::kDefaultSampleRate / 10;
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), samples * 2);
}

TEST_F(MediaFactoryTest, MidiIsFormatZeroWithOneTrackEndingProperly)
{
    const QByteArray midi = readAll(media.midi("scale.mid", 8));
    ASSERT_GE(midi.size(), 22);
    EXPECT_EQ(midi.left(4), "MThd");
    EXPECT_EQ(qFromBigEndian<quint16>(midi.constData() + 8), 0);
    EXPECT_EQ(qFromBigEndian<quint16>(midi.constData() + 10), 1);
    EXPECT_EQ(midi.mid(14, 4), "MTrk");
    EXPECT_EQ(qFromBigEndian<quint32>(midi.constData() + 18), quint32(midi.size() - 22));
    EXPECT_TRUE(midi.endsWith(QByteArray("\xFF\x2F\x00", 3)));
    EXPECT_EQ(midi.count(char(0x90)), 8);
}

TEST_F(MediaFactoryTest, IconHasOneEntryOfItsWidthAndDecodes)
{
    const QString large = media.icon("default_32.ico", 32);
    const QString small = media.icon("chosen_16.ico", 16, Qt::red, Qt::green);
    const QByteArray largeBytes = readAll(large);
    const QByteArray smallBytes = readAll(small);
    EXPECT_EQ(largeBytes.size(), 766);  // the classic 32x32 16-colour icon
    EXPECT_EQ(quint8(largeBytes[IconFile::kWidthOffset]), 32);
    EXPECT_EQ(quint8(smallBytes[IconFile::kWidthOffset]), 16);
    EXPECT_LT(smallBytes.size(), largeBytes.size());

    QImageReader reader(small);
    const QImage decoded = reader.read();
    ASSERT_FALSE(decoded.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(decoded.size(), QSize(16, 16));
    EXPECT_EQ(QColor(decoded.pixel(8, 8)), QColor(Qt::red));
    EXPECT_EQ(QColor(decoded.pixel(0, 0)), QColor(Qt::green));

    const QImage trueColour(media.icon("true_colour.ico", 32, Qt::cyan, Qt::magenta, 32));
    EXPECT_EQ(QColor(trueColour.pixel(5, 5)), QColor(Qt::cyan));
}

}  // namespace
