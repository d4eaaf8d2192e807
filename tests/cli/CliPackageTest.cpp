#include "CliRunner.h"
#include "media/MediaFactory.h"

#include "document/ByteView.h"
#include "document/PackageReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray showJson(const QString& image, const QString& sound = QString(),
                    const QString& bgm = QString())
{
    return QStringLiteral(R"({"bgm": "%1", "canvasWidth": 320, "canvasHeight": 240,
        "slides": [{"image": "%2", "sound": "%3"}]})")
        .arg(bgm, image, sound)
        .toUtf8();
}

class CliPackageTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
};

TEST_F(CliPackageTest, WorkedExampleShowGivesThe80ByteExample)
{
    const QString image = media.bytes("three.bmp", QByteArray::fromHex("424d36"));
    ASSERT_TRUE(writeAll(path("show.json"), showJson(image)));
    const CliRunner::Result result = CliRunner::run({"package", path("show.json"), path("out")});
    ASSERT_EQ(result.exitCode, 0) << result.errText().toStdString();
    EXPECT_EQ(readAll(path("out")).toHex(),
              "40010000f00000000000000000000100000000000000"
              "01000100000000000000"
              "0100300000e80300000000000000000000000000000000000000000000"
              "01000300000000000000424d36"
              "0000"
              "50000000");
}

TEST_F(CliPackageTest, SoundSwitchAndWorkspaceInputAreHonoured)
{
    const QString image = media.solidImage("red.bmp", {16, 16}, Qt::red);
    const QString beep = media.wav("beep.wav");
    ASSERT_TRUE(writeAll(path("show.json"), showJson(image, beep, media.midi("tune.mid"))));
    ASSERT_EQ(CliRunner::run({"workspace", "write", path("show.json"), path("show.kwp")}).exitCode,
              0);
    const CliRunner::Result result =
        CliRunner::run({"package", path("show.kwp"), path("out"), "--sound-switch"});
    ASSERT_EQ(result.exitCode, 0) << result.errText().toStdString();
    const QByteArray bytes = readAll(path("out"));
    const CoreExpected<PackageView> view = PackageReader::read(ByteView::of(bytes));
    ASSERT_TRUE(view.ok()) << view.error();
    EXPECT_EQ(view->SoundSwitchable, 1);
    EXPECT_EQ(view->bgmName, "bgm.mid");
    EXPECT_EQ(view->slides[0].soundPath, "0.wav");
    EXPECT_EQ(ByteView::toQt(view->slides[0].soundData), readAll(beep));
    EXPECT_EQ(ByteView::toQt(view->slides[0].imageData), readAll(image));
}

TEST_F(CliPackageTest, MissingFileStopsWithTheBuildersMessageAndWritesNothing)
{
    const QString image = media.solidImage("red.bmp", {16, 16}, Qt::red);
    const QString gone = path("gone.wav");
    ASSERT_TRUE(writeAll(path("show.json"), showJson(image, gone)));
    const CliRunner::Result result = CliRunner::run({"package", path("show.json"), path("out")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errText().contains(QStringLiteral("効果音(") + gone +
                                          QStringLiteral(")が見つかりません")))
        << result.errText().toStdString();
    EXPECT_FALSE(QFile::exists(path("out")));

    ASSERT_TRUE(writeAll(path("show.json"), showJson(image, QString(), path("gone.mid"))));
    const CliRunner::Result noBgm = CliRunner::run({"package", path("show.json"), path("out")});
    EXPECT_EQ(noBgm.exitCode, 2);
    EXPECT_TRUE(noBgm.errText().contains(QStringLiteral("BGMに指定したファイルが見つかりません")));
    EXPECT_FALSE(QFile::exists(path("out")));
}

}  // namespace
