#include "AppFolder.h"
#include "document/PackagePlan.h"
#include "document/PackageWriter.h"
#include "media/MediaFactory.h"
#include "support/HeadlessEnvironment.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <csignal>

namespace {

constexpr int kProcessTimeoutMs = 30000;
constexpr int kDisplayTime = 120;
constexpr int kFastSpeed = 3;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Slide {
    QString image;
    int posX = 0;
    int posY = 0;
    int effect = 0;
    QString sound;
    qint16 keepPrevious = 0;
    qint16 transparent = 0;
};

// A show like the demo: JPEG and BMP images (one used twice), a sound used twice, a MIDI tune,
// short display times and fast transitions. Kept both as JSON for kremoa-cli and as a show.
class SaverEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        MediaFactory media(root.filePath("media"));
        const QString sky = media.gradientImage("sky_160x120.jpg", {160, 120}, Qt::blue, Qt::white);
        const QString red = media.solidImage("red_80x60.bmp", {80, 60}, Qt::red);
        const QString moon =
            media.image("moon_64x64.bmp", TestPicture::ellipse({64, 64}, Qt::black, Qt::yellow));
        const QString beep = media.wav("beep.wav", 80);
        const QString chime = media.wav("chime.wav", 60, 880.0);
        ASSERT_FALSE(sky.isEmpty() || red.isEmpty() || moon.isEmpty());
        slides = {
            {sky, 0, 0, 1, beep, 0, 0},
            {red, 40, 30, 0, beep, 0, 0},
            {sky, 0, 0, 2, QString(), 0, 0},
            {moon, 48, 28, 0, chime, 1, 1},
        };
        bgm = media.midi("tune.mid");
        showPath = root.filePath("show.json");
        QFile json(showPath);
        ASSERT_TRUE(json.open(QIODevice::WriteOnly));
        json.write(QJsonDocument(showJson()).toJson());
    }

    QJsonObject showJson() const
    {
        QJsonArray list;
        for (const Slide& slide : slides) {
            list.append(QJsonObject{{"image", slide.image},
                                    {"displayTime", kDisplayTime},
                                    {"posX", slide.posX},
                                    {"posY", slide.posY},
                                    {"effect", slide.effect},
                                    {"speed", kFastSpeed},
                                    {"sound", slide.sound},
                                    {"keepPrevious", slide.keepPrevious},
                                    {"transparent", slide.transparent}});
        }
        return QJsonObject{{"bgm", bgm},
                           {"backColor", 0x00204060},
                           {"canvasWidth", 160},
                           {"canvasHeight", 120},
                           {"slides", list}};
    }

    EditableShow show() const
    {
        EditableShow result;
        result.bgmPath = bgm;
        result.backColor = 0x00204060;
        result.canvasWidth = 160;
        result.canvasHeight = 120;
        for (const Slide& slide : slides) {
            SlideItem item;
            item.DisplayTime = kDisplayTime;
            item.PosX = slide.posX;
            item.PosY = slide.posY;
            item.EffectNumber = slide.effect;
            item.SpeedIndex = kFastSpeed;
            item.SoundPath = slide.sound;
            item.KeepPrevious = slide.keepPrevious;
            item.Transparent = slide.transparent;
            result.imagePaths.append(slide.image);
            result.document.Slides.append(item);
        }
        result.document.SlideCount = result.imagePaths.size();
        return result;
    }

    int cli(const QStringList& arguments)
    {
        QProcess process;
        process.setProcessEnvironment(headlessEnvironment(root.path()));
        process.start(AppFolder::path("kremoa-cli"), arguments);
        EXPECT_TRUE(process.waitForFinished(kProcessTimeoutMs));
        cliErrors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    QString saver() const { return root.filePath("out/Demo.scr"); }

    int buildSaver()
    {
        QDir().mkpath(root.filePath("out"));
        return cli({"build", showPath, "--out", saver(), "--description",
                    QStringLiteral("星空のデモ"), "--major", "2", "--minor", "3",
                    "--sound-switch"});
    }

    QTemporaryDir root;
    QList<Slide> slides;
    QString bgm;
    QString showPath;
    QString cliErrors;
};

TEST_F(SaverEndToEndTest, BuiltSaverIsTheTemplateFollowedByTheWritersPackage)
{
    ASSERT_EQ(buildSaver(), 0) << cliErrors.toStdString();
    EXPECT_TRUE(cliErrors.contains(QStringLiteral("作成しました。")));

    const Expected<PackagePlan> plan = PackagePlan::make(show(), 1);
    ASSERT_TRUE(plan.ok()) << plan.error().toStdString();
    QBuffer package;
    package.open(QIODevice::WriteOnly);
    ASSERT_TRUE(PackageWriter::write(plan.value(), package).ok());

    const QByteArray built = readFile(saver());
    const QByteArray templateBytes = AppFolder::read("Project.krt");
    ASSERT_EQ(built.size(), templateBytes.size() + package.data().size());
    EXPECT_EQ(built.right(package.data().size()), package.data());
    EXPECT_TRUE(QFileInfo(saver()).isExecutable());
}

TEST_F(SaverEndToEndTest, CheckPrintsTheSummaryOfThePackage)
{
    ASSERT_EQ(buildSaver(), 0) << cliErrors.toStdString();
    QProcess process;
    process.setProcessEnvironment(headlessEnvironment(root.path()));
    process.start(saver(), {"--check"});
    ASSERT_TRUE(process.waitForFinished(kProcessTimeoutMs));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    const QJsonObject summary = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    EXPECT_EQ(summary["title"].toString(), QStringLiteral("星空のデモ"));
    EXPECT_EQ(summary["version"].toString(), "2.03");
    EXPECT_EQ(summary["canvasWidth"].toInt(), 160);
    EXPECT_EQ(summary["canvasHeight"].toInt(), 120);
    EXPECT_EQ(summary["backColor"].toString(), "0x00204060");
    EXPECT_EQ(summary["soundSwitchable"].toInt(), 1);
    EXPECT_EQ(summary["bgmName"].toString(), "bgm.mid");
    EXPECT_EQ(summary["fileSize"].toInteger(), QFileInfo(saver()).size());
    const QJsonArray list = summary["slides"].toArray();
    ASSERT_EQ(summary["slideCount"].toInt(), 4);
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[2].toObject()["imageRef"].toString(), "0");
    EXPECT_EQ(list[1].toObject()["soundPath"].toString(), "0.wav");
    EXPECT_EQ(list[3].toObject()["soundPath"].toString(), "3.wav");
    EXPECT_EQ(list[3].toObject()["transparent"].toInt(), 1);
    EXPECT_EQ(list[1].toObject()["posX"].toInt(), 40);
    EXPECT_EQ(list[2].toObject()["effectNumber"].toInt(), 2);
}

TEST_F(SaverEndToEndTest, DamagedSaverIsRefusedWithAReason)
{
    ASSERT_EQ(buildSaver(), 0) << cliErrors.toStdString();
    QFile file(saver());
    ASSERT_TRUE(file.resize(file.size() - 7));

    QProcess process;
    process.setProcessEnvironment(headlessEnvironment(root.path()));
    process.start(saver(), {"--check"});
    ASSERT_TRUE(process.waitForFinished(kProcessTimeoutMs));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .startsWith(QStringLiteral("スクリーンセーバーのデータが壊れています")));
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
}

// A package made elsewhere with a canvas the editor could not make would only exhaust memory.
TEST_F(SaverEndToEndTest, SaverWithAnImpossibleCanvasRefusesToPlay)
{
    ASSERT_EQ(buildSaver(), 0) << cliErrors.toStdString();
    QFile file(saver());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(file.size() - 4));
    const qint32 packageSize = qFromLittleEndian<qint32>(file.read(4).constData());
    ASSERT_TRUE(file.seek(file.size() - packageSize));
    char width[4];
    qToLittleEndian<qint32>(20000, width);
    ASSERT_EQ(file.write(width, 4), 4);
    file.close();

    for (const QStringList& arguments : {QStringList{"--check"}, QStringList{}}) {
        QProcess process;
        process.setProcessEnvironment(headlessEnvironment(root.path()));
        process.start(saver(), arguments);
        ASSERT_TRUE(process.waitForFinished(kProcessTimeoutMs));
        EXPECT_EQ(process.exitCode(), 2);
        EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                        .contains(QStringLiteral("キャンバスの大きさが範囲外です")));
    }
}

TEST_F(SaverEndToEndTest, SaverPlaysThroughTransitionsAndStopsCleanlyOnSigterm)
{
    ASSERT_EQ(buildSaver(), 0) << cliErrors.toStdString();
    QProcess process;
    process.setProcessEnvironment(headlessEnvironment(root.path()));
    process.start(saver(), {"/s", "--log"});
    ASSERT_TRUE(process.waitForStarted(kProcessTimeoutMs));

    QString log;
    const QDeadlineTimer deadline(kProcessTimeoutMs);
    while (!log.contains("transition 2:") && !deadline.hasExpired() &&
           process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        log += QString::fromUtf8(process.readAllStandardError());
    }
    ASSERT_TRUE(log.contains("first frame:")) << log.toStdString();
    ASSERT_TRUE(log.contains("transition 2:")) << log.toStdString();
    ASSERT_EQ(process.state(), QProcess::Running);

    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(kProcessTimeoutMs));
    log += QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(log.contains("stopped:")) << log.toStdString();
}

TEST_F(SaverEndToEndTest, ExistingSaverIsKeptWithoutOverwrite)
{
    ASSERT_EQ(buildSaver(), 0) << cliErrors.toStdString();
    const QByteArray first = readFile(saver());
    EXPECT_EQ(cli({"build", showPath, "--out", saver(), "--description", "other"}), 2);
    EXPECT_TRUE(cliErrors.contains(QStringLiteral("以下のファイルは存在します。\n\n") + saver() +
                                   QStringLiteral("\n\n上書きしますか？")))
        << cliErrors.toStdString();
    EXPECT_FALSE(cliErrors.contains(u'\r')) << "a console breaks lines with LF alone";
    EXPECT_EQ(readFile(saver()), first);
    EXPECT_EQ(cli({"build", showPath, "--out", saver(), "--overwrite"}), 0)
        << cliErrors.toStdString();
    EXPECT_NE(readFile(saver()), first);
}

}  // namespace
