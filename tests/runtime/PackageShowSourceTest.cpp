#include "document/ByteView.h"
#include "document/PackageReader.h"
#include "media/MediaFactory.h"
#include "player/ImageDecoder.h"
#include "player/QtPixels.h"
#include "runtime/PackageShowSource.h"
#include "support/PackageTestShow.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string_view>
#include <vector>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<QByteArray> asBytes(std::optional<std::string_view> bytes)
{
    if (!bytes) {
        return std::nullopt;
    }
    return ByteView::toQt(*bytes).toByteArray();
}

class PackageShowSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MediaFactory media(root.path());
        red = media.solidImage("red_20x10.bmp", {20, 10}, Qt::red);
        blue = media.solidImage("blue_8x8.bmp", {8, 8}, Qt::blue);
        beep = media.wav("beep.wav", 40);
        tune = media.wav("tune.wav", 90, 330.0);

        EditableShow show;
        show.imagePaths = {red, blue, red};
        show.document.Slides.resize(3);
        show.document.Slides[0].DisplayTime = 700;
        show.document.Slides[1].SoundPath = beep;
        show.document.Slides[1].PosX = -5;
        show.document.Slides[1].EffectNumber = 12;
        show.document.Slides[2].SoundPath = beep;
        show.document.Slides[2].Transparent = 1;
        show.bgmPath = tune;
        show.canvasWidth = 40;
        show.canvasHeight = 30;
        show.backColor = 0x00123456;
        QString error;
        bytes = PackageTestShow::write(show, &error, 1);
        ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
        CoreExpected<PackageView> read = PackageReader::read(ByteView::of(bytes));
        ASSERT_TRUE(read.ok()) << read.error();
        package = std::move(read.value());
    }

    QTemporaryDir root;
    QString red, blue, beep, tune;
    QByteArray bytes;
    PackageView package;
};

TEST_F(PackageShowSourceTest, SlidesCanvasAndPicturesComeFromThePackage)
{
    const PackageShowSource source(package, SoundChoice{}, &ImageDecoder::decodePicture);
    ASSERT_EQ(source.slideCount(), 3);
    EXPECT_EQ(source.canvasWidth(), 40);
    EXPECT_EQ(source.canvasHeight(), 30);
    EXPECT_EQ(source.backColor(), 0x00123456u);
    EXPECT_EQ(source.slide(0).DisplayTime, 700);
    EXPECT_EQ(source.slide(1).PosX, -5);
    EXPECT_EQ(source.slide(1).EffectNumber, 12);
    EXPECT_EQ(source.slide(2).Transparent, 1);
    EXPECT_EQ(source.image(0).size(), (PixelSize{20, 10}));
    EXPECT_EQ(source.image(1).size(), (PixelSize{8, 8}));
    EXPECT_EQ(QtPixels::constView(source.image(2)), QtPixels::constView(source.image(0)))
        << "a shared picture decodes from its holder";
    EXPECT_EQ(source.image(1).row(3)[3], QColor(Qt::blue).rgb());
}

TEST_F(PackageShowSourceTest, TheDecoderIsGivenTheHoldersBytesInPlace)
{
    std::vector<std::string_view> given;
    const PackageShowSource source(package, SoundChoice{}, [&given](std::string_view image) {
        given.push_back(image);
        // A picture as wide as the block is long tells the block apart from the others.
        return image.size() == 1 ? PixelImage() : PixelImage(int(image.size()), 1);
    });
    EXPECT_EQ(source.image(1).width(), int(package.slides[1].imageData.size()));
    EXPECT_EQ(source.image(2).width(), int(package.slides[0].imageData.size()));
    ASSERT_EQ(given.size(), 2u);
    EXPECT_EQ(given[1].data(), package.slides[0].imageData.data())
        << "slide 2 shares slide 0's block: its bytes are not copied";
    EXPECT_GE(given[1].data(), bytes.constData());
    EXPECT_LE(given[1].data() + given[1].size(), bytes.constData() + bytes.size());
    EXPECT_EQ(ByteView::toQt(given[0]), ByteView::toQt(package.slides[1].imageData));
}

TEST_F(PackageShowSourceTest, AnUndecodablePictureIsNull)
{
    const PackageShowSource refusing(package, SoundChoice{},
                                     [](std::string_view) { return PixelImage(); });
    EXPECT_TRUE(refusing.image(0).isNull());
    const PackageShowSource withoutDecoder(package, SoundChoice{}, {});
    EXPECT_TRUE(withoutDecoder.image(1).isNull());
}

TEST_F(PackageShowSourceTest, ResolverAnswersThePackagesKeysWithTheirBytes)
{
    const PackageShowSource source(package, SoundChoice{}, &ImageDecoder::decodePicture);
    EXPECT_EQ(source.bgmKey(), "bgm.wav");
    EXPECT_FALSE(source.soundExists(0));
    EXPECT_TRUE(source.soundExists(1));
    EXPECT_TRUE(source.soundExists(2));
    EXPECT_EQ(source.soundKey(2), "1.wav");

    const Audio::Resolver resolve = source.resolver();
    EXPECT_EQ(asBytes(resolve("bgm.wav")), readFile(tune));
    EXPECT_EQ(asBytes(resolve(source.soundKey(1))), readFile(beep));
    EXPECT_EQ(resolve("2.wav"), std::nullopt);
    EXPECT_EQ(resolve(beep.toStdString()), std::nullopt) << "paths on disk are not the package's";
}

TEST_F(PackageShowSourceTest, SwitchedOffSoundsAreNotPlayed)
{
    const PackageShowSource quiet(package, SoundChoice{false, false}, {});
    EXPECT_TRUE(quiet.bgmKey().empty());
    EXPECT_FALSE(quiet.soundExists(1));
    EXPECT_FALSE(quiet.soundExists(2));

    const PackageShowSource musicOnly(package, SoundChoice{true, false}, {});
    EXPECT_EQ(musicOnly.bgmKey(), "bgm.wav");
    EXPECT_FALSE(musicOnly.soundExists(1));
}

}  // namespace
