#include "media/MediaFactory.h"

#include "CliRunner.h"
#include "support/StoppedProcess.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace {

constexpr int kAudioBoundMs = 20000;
constexpr int kMusicMs = 30000;

QProcessEnvironment headless()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    return environment;
}

// Whether one of the process's threads is SDL's audio thread: the music is then playing.
bool audioStarted(qint64 pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("SDLAudio")) {
            return true;
        }
    }
    return false;
}

// `kremoa-cli play` (the full-screen preview) stopped by signals once its music plays.
class PlayStopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString image = media.solidImage(QStringLiteral("a.bmp"), {16, 12}, Qt::red);
        const QString music = media.wav(QStringLiteral("music.wav"), kMusicMs);
        show = media.bytes(QStringLiteral("show.json"),
                           QStringLiteral(R"({"canvasWidth": 16, "canvasHeight": 12, "bgm": "%2",)"
                                          R"( "slides": [{"image": "%1", "displayTime": 60000}]})")
                               .arg(image, music)
                               .toUtf8());
    }

    StoppedProcess::Ending stopOncePlaying(int signal)
    {
        StoppedProcess process(CliRunner::program(), {QStringLiteral("play"), show}, headless());
        EXPECT_TRUE(process.start());
        const QDeadlineTimer deadline(kAudioBoundMs);
        while (!audioStarted(process.processId()) && !deadline.hasExpired() && process.running()) {
            QThread::msleep(5);
        }
        EXPECT_TRUE(audioStarted(process.processId())) << process.readErrors().toStdString();
        return process.stop(signal);
    }

    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    QString show;
};

TEST_F(PlayStopTest, SigtermEndsThePreviewOnceTheMusicPlays)
{
    const StoppedProcess::Ending ending = stopOncePlaying(SIGTERM);
    ASSERT_TRUE(ending.ended) << "still playing after SIGTERM";
    EXPECT_TRUE(ending.normalExit);
    EXPECT_EQ(ending.exitCode, 0) << ending.errors.toStdString();
}

TEST_F(PlayStopTest, SigintEndsThePreviewOnceTheMusicPlays)
{
    const StoppedProcess::Ending ending = stopOncePlaying(SIGINT);
    ASSERT_TRUE(ending.ended) << "still playing after SIGINT";
    EXPECT_TRUE(ending.normalExit);
    EXPECT_EQ(ending.exitCode, 0) << ending.errors.toStdString();
}

}  // namespace
