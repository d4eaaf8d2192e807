#include "media/MediaFactory.h"
#include "support/PackageTestShow.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PackagePlanTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MediaFactory media{dir.path()};
};

TEST_F(PackagePlanTest, ThreeSlidesOfOneImageStoreItOnceInSlideZero)
{
    const QString image = media.solidImage("shared.bmp", {8, 8}, Qt::red);
    const Expected<PackagePlan> plan =
        PackagePlan::make(PackageTestShow::withImages({image, image, image}), 0);
    ASSERT_TRUE(plan.ok()) << plan.error().toStdString();
    ASSERT_EQ(plan->slides.size(), 3);
    EXPECT_EQ(plan->slides[0].imageRef, "0");
    EXPECT_FALSE(plan->slides[0].imageShared);
    EXPECT_EQ(plan->slides[0].image.path, image);
    for (int i = 1; i < 3; ++i) {
        EXPECT_EQ(plan->slides[i].imageRef, "0");
        EXPECT_TRUE(plan->slides[i].imageShared);
        EXPECT_TRUE(plan->slides[i].image.path.isEmpty());
        EXPECT_EQ(plan->record.Slides[i].ImageRef, "0");
    }
}

TEST_F(PackagePlanTest, PathsDifferingOnlyInCaseAreStoredTwice)
{
    const QString lower = media.solidImage("photo.bmp", {4, 4}, Qt::red);
    const QString upper = media.solidImage("PHOTO.bmp", {4, 4}, Qt::blue);
    const Expected<PackagePlan> plan =
        PackagePlan::make(PackageTestShow::withImages({lower, upper, lower}), 0);
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(plan->slides[1].imageRef, "1");
    EXPECT_FALSE(plan->slides[1].imageShared);
    EXPECT_EQ(plan->slides[2].imageRef, "0");
}

TEST_F(PackagePlanTest, SlideElevenSharingSlideTensSoundGetsTwoDigitKey)
{
    const QString image = media.solidImage("one.bmp", {4, 4}, Qt::red);
    const QString first = media.wav("first.wav");
    const QString second = media.wav("second.wav", 100, 660.0);
    EditableShow show = PackageTestShow::withImages(QStringList(12, image));
    show.document.Slides[3].SoundPath = first;
    show.document.Slides[10].SoundPath = second;
    show.document.Slides[11].SoundPath = second;
    const Expected<PackagePlan> plan = PackagePlan::make(show, 0);
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(plan->slides[3].soundKey, "3.wav");
    EXPECT_EQ(plan->slides[10].soundKey, "10.wav");
    EXPECT_FALSE(plan->slides[10].soundShared);
    EXPECT_EQ(plan->slides[11].soundKey, "10.wav");
    EXPECT_TRUE(plan->slides[11].soundShared);
    EXPECT_FALSE(plan->slides[0].hasSound);
    EXPECT_TRUE(plan->slides[0].soundKey.isEmpty());
    // The show's own sound paths are untouched; only the plan's copy carries keys.
    EXPECT_EQ(show.document.Slides[11].SoundPath, second);
    EXPECT_EQ(plan->record.Slides[11].SoundPath, "10.wav");
}

TEST_F(PackagePlanTest, BgmNameFollowsTheLastThreeLettersOfThePath)
{
    const QString image = media.solidImage("a.bmp", {4, 4}, Qt::red);
    auto nameFor = [&](const QString& file) {
        EditableShow show = PackageTestShow::withImages({image});
        show.bgmPath = media.bytes(file, "music");
        const Expected<PackagePlan> plan = PackagePlan::make(show, 0);
        EXPECT_TRUE(plan.ok());
        EXPECT_EQ(plan->bgm.path, show.bgmPath);
        EXPECT_EQ(plan->bgm.size, 5);
        return plan->bgmName;
    };
    EXPECT_EQ(nameFor("song.MIDI"), "bgm.mid");
    EXPECT_EQ(nameFor("song.mid"), "bgm.mid");
    EXPECT_EQ(nameFor("song.Wav"), "bgm.wav");
    EXPECT_EQ(nameFor("song.rmi"), "");
}

TEST_F(PackagePlanTest, MissingFilesAreReportedInTheBuildersOrder)
{
    const QString image = media.solidImage("a.bmp", {4, 4}, Qt::red);
    const QString missingImage = dir.filePath("gone.bmp");
    const QString missingSound = dir.filePath("gone.wav");
    EditableShow show = PackageTestShow::withImages({image, missingImage});
    show.document.Slides[0].SoundPath = missingSound;
    show.bgmPath = dir.filePath("gone.mid");

    EXPECT_EQ(PackagePlan::make(show, 0).error(), "BGMに指定したファイルが見つかりません");
    show.bgmPath.clear();
    EXPECT_EQ(
        PackagePlan::make(show, 0).error(),
        QStringLiteral("イメージファイル(") + missingImage + QStringLiteral(")が見つかりません"));
    show.imagePaths[1] = image;
    EXPECT_EQ(PackagePlan::make(show, 0).error(),
              QStringLiteral("効果音(") + missingSound + QStringLiteral(")が見つかりません"));
}

TEST_F(PackagePlanTest, AFolderOrUnreadableFileCountsAsMissing)
{
    EditableShow show = PackageTestShow::withImages({dir.path()});
    EXPECT_EQ(PackagePlan::make(show, 0).error(), PackagePlan::missingImageMessage(dir.path()));
}

TEST_F(PackagePlanTest, RefusesEmptyFilesAndShowsWithoutSlides)
{
    const QString image = media.solidImage("a.bmp", {4, 4}, Qt::red);
    const QString empty = media.bytes("empty.bmp", QByteArray());
    EXPECT_EQ(PackagePlan::make(PackageTestShow::withImages({image, empty}), 0).error(),
              QStringLiteral("イメージファイル(") + empty + QStringLiteral(")が空です"));

    EditableShow withEmptySound = PackageTestShow::withImages({image});
    withEmptySound.document.Slides[0].SoundPath = empty;
    EXPECT_EQ(PackagePlan::make(withEmptySound, 0).error(), PackagePlan::emptySoundMessage(empty));

    EditableShow withEmptyBgm = PackageTestShow::withImages({image});
    withEmptyBgm.bgmPath = empty;
    EXPECT_EQ(PackagePlan::make(withEmptyBgm, 0).error(), PackagePlan::emptyBgmMessage());

    EXPECT_EQ(PackagePlan::make(PackageTestShow::withImages({}), 0).error(),
              PackagePlan::noSlidesMessage());
}

TEST_F(PackagePlanTest, RefusesPathsLongerThanA16BitLength)
{
    const QString longPath = QStringLiteral("/") + QString(70000, QLatin1Char('x'));
    EXPECT_EQ(PackagePlan::make(PackageTestShow::withImages({longPath}), 0).error(),
              PackagePlan::longImagePathMessage(longPath));
}

TEST_F(PackagePlanTest, RefusesWhatTheSizeFieldsCannotDescribe)
{
    // A sparse file just past the 32-bit size field costs no disk space.
    const QString huge = dir.filePath("huge.bmp");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(1) << 31));
    file.close();
    EXPECT_EQ(PackagePlan::make(PackageTestShow::withImages({huge}), 0).error(),
              PackagePlan::tooLargeMessage());

    const QString image = media.solidImage("a.bmp", {4, 4}, Qt::red);
    EXPECT_EQ(PackagePlan::make(PackageTestShow::withImages(QStringList(32768, image)), 0).error(),
              PackagePlan::tooManySlidesMessage());
    EXPECT_TRUE(PackagePlan::make(PackageTestShow::withImages(QStringList(32767, image)), 0).ok());
}

TEST_F(PackagePlanTest, PackageSizeCountsEveryField)
{
    const QString image = media.bytes("three.bmp", QByteArray::fromHex("424d36"));
    const QString sound = media.bytes("beep.wav", QByteArray(100, 'w'));
    EditableShow show = PackageTestShow::withImages({image, image});
    show.document.Slides[0].SoundPath = sound;
    show.document.Slides[1].SoundPath = sound;
    show.bgmPath = media.bytes("tune.mid", QByteArray(50, 'm'));
    const Expected<PackagePlan> plan = PackagePlan::make(show, 1);
    ASSERT_TRUE(plan.ok());
    // 18 show fields; name "bgm.mid" 9; BGM block 60; slide array 10;
    // slide 0: "0" 3, "0.wav" 7, numbers 24, image 13, sound 110;
    // slide 1: "0" 3, "0.wav" 7, numbers 24, shared image 11, shared sound 11; size field 4.
    EXPECT_EQ(plan->packageSize,
              18 + 9 + 60 + 10 + (3 + 7 + 24 + 13 + 110) + (3 + 7 + 24 + 11 + 11) + 4);
    EXPECT_EQ(plan->record.PackageSize, plan->packageSize);
    EXPECT_EQ(plan->record.SoundSwitchable, 1);
    EXPECT_EQ(plan->record.SlideCount, 2);
    EXPECT_EQ(PackageTestShow::write(show, nullptr, 1).size(), plan->packageSize);
}

}  // namespace
