#include "document/PackagePlan.h"
#include "document/PackageReader.h"
#include "document/PackageWriter.h"
#include "media/MediaFactory.h"
#include "runtime/PackageShowSource.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        const Expected<PackagePlan> plan = PackagePlan::make(show, 1);
        ASSERT_TRUE(plan.ok()) << plan.error().toStdString();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(PackageWriter::write(plan.value(), buffer).ok());
        Expected<PackageView> read = PackageReader::read(bytes);
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        package = std::move(read.value());
    }

    QTemporaryDir root;
    QString red, blue, beep, tune;
    QByteArray bytes;
    PackageView package;
};

TEST_F(PackageShowSourceTest, SlidesCanvasAndPicturesComeFromThePackage)
{
    const PackageShowSource source(package, SoundChoice{});
    ASSERT_EQ(source.slideCount(), 3);
    EXPECT_EQ(source.canvasWidth(), 40);
    EXPECT_EQ(source.canvasHeight(), 30);
    EXPECT_EQ(source.backColor(), 0x00123456u);
    EXPECT_EQ(source.slide(0).DisplayTime, 700);
    EXPECT_EQ(source.slide(1).PosX, -5);
    EXPECT_EQ(source.slide(1).EffectNumber, 12);
    EXPECT_EQ(source.slide(2).Transparent, 1);
    EXPECT_EQ(source.image(0).size(), QSize(20, 10));
    EXPECT_EQ(source.image(1).size(), QSize(8, 8));
    EXPECT_EQ(source.image(2), source.image(0)) << "a shared picture decodes from its holder";
    EXPECT_EQ(source.image(1).pixel(3, 3), QColor(Qt::blue).rgb());
}

TEST_F(PackageShowSourceTest, ResolverAnswersThePackagesKeysWithTheirBytes)
{
    const PackageShowSource source(package, SoundChoice{});
    EXPECT_EQ(source.bgmKey(), "bgm.wav");
    EXPECT_FALSE(source.soundExists(0));
    EXPECT_TRUE(source.soundExists(1));
    EXPECT_TRUE(source.soundExists(2));
    EXPECT_EQ(source.soundKey(2), "1.wav");

    const Audio::Resolver resolve = source.resolver();
    EXPECT_EQ(resolve("bgm.wav"), readFile(tune));
    EXPECT_EQ(resolve(source.soundKey(1)), readFile(beep));
    EXPECT_EQ(resolve("2.wav"), std::nullopt);
    EXPECT_EQ(resolve(beep), std::nullopt) << "paths on disk are not the package's";
}

TEST_F(PackageShowSourceTest, SwitchedOffSoundsAreNotPlayed)
{
    const PackageShowSource quiet(package, SoundChoice{false, false});
    EXPECT_TRUE(quiet.bgmKey().isEmpty());
    EXPECT_FALSE(quiet.soundExists(1));
    EXPECT_FALSE(quiet.soundExists(2));

    const PackageShowSource musicOnly(package, SoundChoice{true, false});
    EXPECT_EQ(musicOnly.bgmKey(), "bgm.wav");
    EXPECT_FALSE(musicOnly.soundExists(1));
}

}  // namespace
