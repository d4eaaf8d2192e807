#include "document/ByteView.h"
#include "document/PackageReader.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// A package in pieces, so each test can break one of them. Two slides: slide 0 holds the
// image 42 4D 36 and the sound "RIFF", slide 1 shares both.
struct Pieces {
    QByteArray head = QByteArray::fromHex(
        "40010000"
        "f0000000"
        "00000000"
        "0000"
        "02000000");
    QByteArray bgmName = QByteArray::fromHex("0000");
    QByteArray bgmData = QByteArray::fromHex("0000");
    QByteArray slides = QByteArray::fromHex("01000200000000000000");
    QByteArray ref0 = QByteArray::fromHex("010030");
    QByteArray sound0 = QByteArray::fromHex("0500") + "0.wav";
    QByteArray numbers = QByteArray::fromHex(
        "e8030000"
        "00000000"
        "00000000"
        "00000000"
        "00000000"
        "0000"
        "0000");
    QByteArray image0 = QByteArray::fromHex("01000300000000000000424d36");
    QByteArray soundData0 = QByteArray::fromHex("01000400000000000000") + "RIFF";
    QByteArray ref1 = QByteArray::fromHex("010030");
    QByteArray sound1 = QByteArray::fromHex("0500") + "0.wav";
    QByteArray image1 = QByteArray::fromHex("0100010000000000000000");
    QByteArray soundData1 = QByteArray::fromHex("0100010000000000000000");
    QByteArray trailer;

    QByteArray bytes() const
    {
        QByteArray body = head + bgmName + bgmData + slides + ref0 + sound0 + numbers + image0 +
                          soundData0 + ref1 + sound1 + numbers + image1 + soundData1 + trailer;
        char size[4];
        qToLittleEndian(qint32(body.size() + 4), size);
        return body + QByteArray(size, 4);
    }
};

QString refusal(const Pieces& pieces)
{
    const CoreExpected<PackageView> view = PackageReader::read(ByteView::of(pieces.bytes()));
    return view.ok() ? QString() : QString::fromStdString(view.error());
}

TEST(PackageReaderTest, ValidPackageResolvesSharedBlocks)
{
    const QByteArray bytes = Pieces().bytes();
    const CoreExpected<PackageView> view = PackageReader::read(ByteView::of(bytes));
    ASSERT_TRUE(view.ok()) << view.error();
    ASSERT_EQ(view->slides.size(), 2u);
    EXPECT_EQ(view->slides[1].imageHolder, 0);
    EXPECT_EQ(ByteView::toQt(view->slides[1].imageData), QByteArray::fromHex("424d36"));
    EXPECT_EQ(view->slides[1].soundHolder, 0);
    EXPECT_EQ(view->slides[1].soundData, "RIFF");
    EXPECT_EQ(view->PackageSize, bytes.size());
}

TEST(PackageReaderTest, RefusesEveryTruncation)
{
    const QByteArray bytes = Pieces().bytes();
    for (int cut = 0; cut < bytes.size(); ++cut) {
        EXPECT_FALSE(PackageReader::read(ByteView::of(bytes.left(cut))).ok()) << "cut at " << cut;
    }
}

TEST(PackageReaderTest, RefusesSizeFieldThatDoesNotMatch)
{
    QByteArray bytes = Pieces().bytes();
    bytes[bytes.size() - 4] = char(bytes[bytes.size() - 4] + 1);
    EXPECT_FALSE(PackageReader::read(ByteView::of(bytes)).ok());
    Pieces trailing;
    trailing.trailer = "x";  // counted in the size field but not part of any field
    EXPECT_FALSE(refusal(trailing).isEmpty());
    EXPECT_FALSE(PackageReader::read(ByteView::of(Pieces().bytes() + "x")).ok());
}

TEST(PackageReaderTest, RefusesSlideCountThatDiffersFromTheArray)
{
    Pieces pieces;
    pieces.head = QByteArray::fromHex(
        "40010000"
        "f0000000"
        "00000000"
        "0000"
        "03000000");
    EXPECT_FALSE(refusal(pieces).isEmpty());
}

TEST(PackageReaderTest, RefusesCountsBeyondTheBytesLeft)
{
    Pieces slides;
    slides.head = QByteArray::fromHex(
        "40010000"
        "f0000000"
        "00000000"
        "0000"
        "ff7f0000");
    slides.slides = QByteArray::fromHex("0100ff7f000000000000");
    EXPECT_FALSE(refusal(slides).isEmpty());
    Pieces block;
    block.image0 = QByteArray::fromHex("0100ffffff7f00000000424d36");
    EXPECT_FALSE(refusal(block).isEmpty());
    Pieces negative;
    negative.image0 = QByteArray::fromHex("0100ffffffff00000000424d36");
    EXPECT_FALSE(refusal(negative).isEmpty());
}

TEST(PackageReaderTest, RefusesBlocksOfOtherShapes)
{
    Pieces twoDimensions;
    twoDimensions.bgmData = QByteArray::fromHex("0200");
    EXPECT_FALSE(refusal(twoDimensions).isEmpty());
    Pieces lowerBound;
    lowerBound.image0 = QByteArray::fromHex("01000300000001000000424d36");
    EXPECT_FALSE(refusal(lowerBound).isEmpty());
    Pieces noImage;
    noImage.image0 = QByteArray::fromHex("0000");
    EXPECT_FALSE(refusal(noImage).isEmpty());
}

TEST(PackageReaderTest, RefusesKeysThatDoNotNameAnEarlierHolder)
{
    for (const char* ref : {"1", "2", "-0", " 0", "00", "a", ""}) {
        Pieces pieces;
        pieces.ref0 = QByteArray(1, char(qstrlen(ref))) + QByteArray(1, '\0') + ref;
        EXPECT_FALSE(refusal(pieces).isEmpty()) << "ImageRef \"" << ref << '"';
    }
    for (const char* key : {"2.wav", "0.WAV", "0", "x.wav", ".wav"}) {
        Pieces pieces;
        pieces.sound1 = QByteArray(1, char(qstrlen(key))) + QByteArray(1, '\0') + key;
        EXPECT_FALSE(refusal(pieces).isEmpty()) << "sound key \"" << key << '"';
    }
    // Slide 1 pointing at slide 0 that itself is not a holder of a sound.
    Pieces noHolder;
    noHolder.sound0 = QByteArray::fromHex("0000");
    noHolder.soundData0 = QByteArray::fromHex("0000");
    EXPECT_FALSE(refusal(noHolder).isEmpty());
    // A shared slide must carry exactly the one zero byte.
    Pieces notMarker;
    notMarker.image1 = QByteArray::fromHex("0100010000000000000001");
    EXPECT_FALSE(refusal(notMarker).isEmpty());
    // A slide without a sound key must not carry sound data.
    Pieces strayData;
    strayData.sound1 = QByteArray::fromHex("0000");
    EXPECT_FALSE(refusal(strayData).isEmpty());
}

TEST(PackageReaderTest, RefusesUnknownBgmNamesAndNamesWithoutData)
{
    Pieces unknown;
    unknown.bgmName = QByteArray::fromHex("0700") + "bgm.rmi";
    unknown.bgmData = QByteArray::fromHex("0100010000000000000061");
    EXPECT_FALSE(refusal(unknown).isEmpty());
    Pieces noData;
    noData.bgmName = QByteArray::fromHex("0700") + "bgm.mid";
    EXPECT_FALSE(refusal(noData).isEmpty());
    Pieces dataWithoutName;
    dataWithoutName.bgmData = QByteArray::fromHex("0100010000000000000061");
    EXPECT_TRUE(refusal(dataWithoutName).isEmpty());
}

TEST(PackageReaderTest, TrailingReaderFindsThePackageAtTheEndOfAFile)
{
    const QByteArray package = Pieces().bytes();
    const QByteArray file = QByteArray(1001, 'T') + package;
    const CoreExpected<PackageView> view = PackageReader::readTrailing(ByteView::of(file));
    ASSERT_TRUE(view.ok()) << view.error();
    EXPECT_EQ(view->CanvasWidth, 320);
    EXPECT_FALSE(PackageReader::readTrailing(ByteView::of(QByteArray::fromHex("ffffff7f"))).ok());
    EXPECT_FALSE(PackageReader::readTrailing(ByteView::of(QByteArray::fromHex("0000"))).ok());
    EXPECT_FALSE(PackageReader::readTrailing(ByteView::of(file.left(file.size() - 1))).ok());
}

TEST(PackageReaderTest, RefusesCanvasSidesTheEditorCannotMake)
{
    Pieces wide;
    wide.head.replace(0, 4, QByteArray::fromHex("10270000"));  // 10000
    EXPECT_EQ(refusal(wide),
              QStringLiteral("パッケージが壊れています: キャンバスの大きさが範囲外です"));
    Pieces tall;
    tall.head.replace(4, 4, QByteArray::fromHex("60ea0000"));  // 60000
    EXPECT_FALSE(refusal(tall).isEmpty());
    Pieces largest;
    largest.head.replace(0, 8, QByteArray::fromHex("0f2700000f270000"));  // 9999 x 9999
    EXPECT_EQ(refusal(largest), QString());
}

}  // namespace
