#include "AppFolder.h"
#include "media/MediaFactory.h"
#include "support/HeadlessEnvironment.h"
#include "support/StoppedProcess.h"
#include "support/XTestDisplay.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <cstdint>

namespace {

constexpr int kCliTimeoutMs = 120000;
constexpr int kDisplayTime = 150;
constexpr int kFastSpeed = 3;
constexpr int kWipe = 5;
// Moments after the handlers are in place, in milliseconds: while the core and Qt load, while
// the window opens and the music starts, and through the first slides and transitions.
constexpr int kMoments[] = {0,  1,  2,  3,   5,   8,   12,  17,  23,  30,  40,  50, 60,
                            70, 80, 90, 100, 115, 130, 150, 175, 200, 230, 260, 300};
constexpr int kRounds = 2;
constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};
// A stop with a large canvas and picture must end the saver within this (the goal is 0.5 s; the
// rest is room for a loaded machine).
constexpr int kLargeShowBoundMs = 1500;
constexpr std::uint64_t kLargeShowAddressSpace = std::uint64_t(8) << 30;

// Built savers, stopped by signals at many moments of their life.
class SaverStopTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    // A saver of two slides with a sound and music (or the pictures given), built by kremoa-cli.
    QString buildSaver(const QString& name, QSize canvas, const QStringList& pictures,
                       const QStringList& options = {})
    {
        const QString beep = media.wav("beep.wav", 80);
        QJsonArray slides;
        for (const QString& picture : pictures) {
            slides.append(QJsonObject{{"image", picture},
                                      {"displayTime", kDisplayTime},
                                      {"effect", kWipe},
                                      {"speed", kFastSpeed},
                                      {"sound", beep}});
        }
        const QJsonObject show{{"bgm", media.midi("tune.mid")},
                               {"canvasWidth", canvas.width()},
                               {"canvasHeight", canvas.height()},
                               {"slides", slides}};
        const QString showPath = media.bytes(name + ".json", QJsonDocument(show).toJson());
        const QString saver = root.filePath(name + ".scr");
        QProcess cli;
        cli.setProcessEnvironment(headlessEnvironment(root.path()));
        cli.start(AppFolder::path("kremoa-cli"),
                  QStringList{"build", showPath, "--out", saver} + options);
        EXPECT_TRUE(cli.waitForFinished(kCliTimeoutMs));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        return saver;
    }

    QString smallSaver(const QStringList& options = {})
    {
        return buildSaver("small", {160, 120},
                          {media.solidImage("red.bmp", {80, 60}, Qt::red),
                           media.gradientImage("sky.jpg", {160, 120}, Qt::blue, Qt::white)},
                          options);
    }

    StoppedProcess saverProcess(const QString& saver, const QStringList& arguments,
                                const QProcessEnvironment& environment)
    {
        return StoppedProcess(saver, arguments, environment);
    }
    StoppedProcess saverProcess(const QString& saver, const QStringList& arguments)
    {
        return saverProcess(saver, arguments, headlessEnvironment(root.path()));
    }

    // Starts the saver, stops it by each signal in turn at each moment after its handlers are in
    // place, and checks that every run ends with status 0. On a real display a full-screen saver
    // may also end by itself, with status 0, on input that other clients' windows cause.
    void stopAtEachMoment(const QString& saver, const QProcessEnvironment& environment, int rounds,
                          bool inputMayEnd = false)
    {
        int run = 0;
        for (int round = 0; round < rounds; ++round) {
            for (const int moment : kMoments) {
                const int signal = kStopSignals[run++ % std::size(kStopSignals)];
                StoppedProcess process = saverProcess(saver, {"/s"}, environment);
                ASSERT_TRUE(process.start());
                ASSERT_TRUE(process.waitUntilStopIsHandled()) << process.readErrors().toStdString();
                process.runFor(moment);
                ASSERT_TRUE(inputMayEnd || process.running())
                    << "ended by itself at " << moment << " ms";
                const StoppedProcess::Ending ending = process.stop(signal);
                ASSERT_TRUE(ending.ended)
                    << "still running after signal " << signal << " at " << moment << " ms";
                EXPECT_TRUE(ending.normalExit)
                    << "killed by signal " << signal << " at " << moment << " ms";
                EXPECT_EQ(ending.exitCode, 0) << "signal " << signal << " at " << moment
                                              << " ms: " << ending.errors.toStdString();
            }
        }
    }

    QTemporaryDir root;
    MediaFactory media{root.filePath("media")};
};

TEST_F(SaverStopTest, StopAtAnyMomentOfTheStartEndsWithStatusZero)
{
    stopAtEachMoment(smallSaver(), headlessEnvironment(root.path()), kRounds);
}

TEST_F(SaverStopTest, StopAtAnyMomentOnARealDisplayEndsWithStatusZero)
{
    QString display;
    KREMOA_TAKE_TEST_DISPLAY(display);
    QProcessEnvironment environment = headlessEnvironment(root.path());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", display);
    stopAtEachMoment(smallSaver(), environment, 1, true);
}

TEST_F(SaverStopTest, StopThatCameBeforeTheSaverCouldTakeItEndsWithStatusZero)
{
    const QString saver = smallSaver();
    for (const int signal : kStopSignals) {
        StoppedProcess process = saverProcess(saver, {"/s"});
        process.startWithStopSignalsBlocked();
        ASSERT_TRUE(process.start());
        const StoppedProcess::Ending ending = process.stop(signal);
        ASSERT_TRUE(ending.ended) << "signal " << signal << " was lost";
        EXPECT_TRUE(ending.normalExit) << "signal " << signal;
        EXPECT_EQ(ending.exitCode, 0) << ending.errors.toStdString();
    }
}

TEST_F(SaverStopTest, SettingsEndWithStatusZeroOnSigtermAndStoreNothing)
{
    const QString saver = smallSaver({"--sound-switch"});
    for (const int moment : {0, 50, 300, 1000}) {
        StoppedProcess process = saverProcess(saver, {"/c"});
        ASSERT_TRUE(process.start());
        ASSERT_TRUE(process.waitUntilStopIsHandled());
        process.runFor(moment);
        ASSERT_TRUE(process.running()) << "settings ended by themselves at " << moment << " ms";
        const StoppedProcess::Ending ending = process.stop(SIGTERM);
        ASSERT_TRUE(ending.ended) << "settings still open after SIGTERM at " << moment << " ms";
        EXPECT_TRUE(ending.normalExit) << "killed by SIGTERM at " << moment << " ms";
        EXPECT_EQ(ending.exitCode, 0) << ending.errors.toStdString();
    }
    QDirIterator stored(root.path(), {"*.ini"}, QDir::Files, QDirIterator::Subdirectories);
    EXPECT_FALSE(stored.hasNext()) << stored.next().toStdString();
}

TEST_F(SaverStopTest, LargeCanvasAndPictureStopWithinTheBoundUnderAnAddressSpaceLimit)
{
    QImage picture(6000, 4500, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString large = media.image("large_6000x4500.jpg", picture);
    picture = QImage();
    const QString saver = buildSaver("large", {9999, 9999},
                                     {large, media.solidImage("blue.bmp", {64, 48}, Qt::blue)});
    for (const int moment : {100, 1000, 2000}) {
        StoppedProcess process = saverProcess(saver, {"/s"});
        process.limitAddressSpace(kLargeShowAddressSpace);
        ASSERT_TRUE(process.start());
        ASSERT_TRUE(process.waitUntilStopIsHandled());
        process.runFor(moment);
        ASSERT_TRUE(process.running()) << process.readErrors().toStdString();
        const StoppedProcess::Ending ending = process.stop(SIGTERM, kLargeShowBoundMs);
        ASSERT_TRUE(ending.ended) << "still running " << kLargeShowBoundMs
                                  << " ms after SIGTERM at " << moment << " ms";
        EXPECT_TRUE(ending.normalExit);
        EXPECT_EQ(ending.exitCode, 0) << ending.errors.toStdString();
    }
}

}  // namespace
