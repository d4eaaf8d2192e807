#include "AppFolder.h"
#include "BuiltSaver.h"
#include "media/MediaFactory.h"

#include "support/X11TestWindow.h"
#include "support/XTestDisplay.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <functional>

namespace {

constexpr QSize kCanvas(800, 600);
constexpr int kSettleMs = 20000;
constexpr int kPollMs = 50;
constexpr int kDestroyedHostExitMs = 1000;
constexpr QRgb kBlack = 0xff000000;

// Quarters of kCanvas scaled into `area` of a grab: the colour at the middle of each quarter.
struct Quarters {
    QRgb topLeft, topRight, bottomLeft, bottomRight;
    bool operator==(const Quarters&) const = default;

    static Quarters in(const QImage& image, QRect area)
    {
        const int x1 = area.left() + area.width() / 4;
        const int x2 = area.left() + area.width() * 3 / 4;
        const int y1 = area.top() + area.height() / 4;
        const int y2 = area.top() + area.height() * 3 / 4;
        return {image.pixel(x1, y1), image.pixel(x2, y1), image.pixel(x1, y2), image.pixel(x2, y2)};
    }
    static Quarters expected()
    {
        return {QColor(Qt::red).rgb(), QColor(Qt::green).rgb(), QColor(Qt::blue).rgb(),
                QColor(Qt::yellow).rgb()};
    }
};

// The real built saver, drawing into windows of the test's X server.
class SaverHostTest : public XTestDisplay {
protected:
    void SetUp() override
    {
        XTestDisplay::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ASSERT_TRUE(folder.isValid());
        QString errors;
        saver = BuiltSaver::make(folder.path(), BuiltSaver::quarters(kCanvas), "Quarters", &errors);
        ASSERT_FALSE(saver.isEmpty()) << errors.toStdString();
    }

    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    void start(const QStringList& arguments, const QString& hostVariable = {},
               const QString& audioFile = {})
    {
        QProcessEnvironment environment = xEnvironment();
        if (!audioFile.isEmpty()) {
            // SDL's disk driver writes what would be played into a file, made when it opens.
            environment.insert("SDL_AUDIODRIVER", "disk");
            environment.insert("SDL_DISKAUDIOFILE", audioFile);
        }
        environment.insert("XDG_CONFIG_HOME", folder.path());
        environment.insert("XDG_RUNTIME_DIR", folder.path());
        if (!hostVariable.isEmpty()) {
            environment.insert("XSCREENSAVER_WINDOW", hostVariable);
        }
        process.setProcessEnvironment(environment);
        process.start(saver, arguments);
        ASSERT_TRUE(process.waitForStarted(BuiltSaver::kTimeoutMs));
    }

    // Waits until `shown` holds for a grab of `area` of `drawable`; the last grab stays in
    // `lastGrab` for the test's messages.
    bool waitUntil(const X11TestWindow& window, quint32 drawable, QRect area,
                   const std::function<bool(const QImage&)>& shown)
    {
        const QDeadlineTimer deadline(kSettleMs);
        while (!deadline.hasExpired() && process.state() == QProcess::Running) {
            lastGrab = window.grab(drawable, area);
            if (!lastGrab.isNull() && shown(lastGrab)) {
                return true;
            }
            QThread::msleep(kPollMs);
        }
        return false;
    }

    bool showsScaledQuarters(const X11TestWindow& host, QSize size)
    {
        const QRect all(QPoint(0, 0), size);
        return waitUntil(host, host.id(), all, [&](const QImage& image) {
            return Quarters::in(image, all) == Quarters::expected();
        });
    }

    // The canvas unscaled at `origin`, black just outside it.
    bool showsCentredCanvas(const X11TestWindow& host, QSize size, QPoint origin)
    {
        return waitUntil(host, host.id(), QRect(QPoint(0, 0), size), [&](const QImage& image) {
            const QRect canvas(origin, kCanvas);
            return Quarters::in(image, canvas) == Quarters::expected() &&
                   image.pixel(canvas.topLeft()) == QColor(Qt::red).rgb() &&
                   image.pixel(canvas.bottomRight()) == QColor(Qt::yellow).rgb() &&
                   image.pixel(canvas.left() - 1, canvas.top()) == kBlack &&
                   image.pixel(canvas.right() + 1, canvas.bottom()) == kBlack &&
                   image.pixel(0, 0) == kBlack &&
                   image.pixel(size.width() - 1, size.height() - 1) == kBlack;
        });
    }

    std::string output()
    {
        return (process.readAllStandardOutput() + process.readAllStandardError()).toStdString();
    }

    QTemporaryDir folder;
    QString saver;
    QProcess process;
    QImage lastGrab;
};

TEST_F(SaverHostTest, SmallHostShowsTheWholeShowScaledDown)
{
    X11TestWindow host(display, QRect(10, 10, 400, 300));
    ASSERT_TRUE(host.ok());
    start({"--window-id", host.hexId()});

    EXPECT_TRUE(showsScaledQuarters(host, {400, 300})) << output();
    // The canvas's own corners reach the host's corners: nothing of the show is cut off.
    EXPECT_EQ(lastGrab.pixel(1, 1), QColor(Qt::red).rgb());
    EXPECT_EQ(lastGrab.pixel(398, 298), QColor(Qt::yellow).rgb());
}

TEST_F(SaverHostTest, HostWhoseContentIsAChildWindowStillShowsTheShow)
{
    X11TestWindow host(display, QRect(20, 20, 400, 300));
    ASSERT_TRUE(host.ok());
    host.addFillingChild({400, 300});
    start({"--window-id", host.hexId()});

    EXPECT_TRUE(showsScaledQuarters(host, {400, 300})) << output();
}

TEST_F(SaverHostTest, LargerHostShowsTheCanvasCentredAndUnscaled)
{
    X11TestWindow host(display, QRect(0, 0, 1024, 768));
    ASSERT_TRUE(host.ok());
    start({"-window-id", QString::number(host.id())});

    EXPECT_TRUE(showsCentredCanvas(host, {1024, 768}, QPoint(112, 84))) << output();
}

TEST_F(SaverHostTest, ResizedHostIsRefittedWhileTheShowGoesOn)
{
    X11TestWindow host(display, QRect(0, 0, 1024, 768));
    ASSERT_TRUE(host.ok());
    start({"/p", host.hexId()});
    ASSERT_TRUE(showsCentredCanvas(host, {1024, 768}, QPoint(112, 84))) << output();

    host.resize({400, 300});
    EXPECT_TRUE(showsScaledQuarters(host, {400, 300})) << output();

    host.resize({900, 700});
    EXPECT_TRUE(showsCentredCanvas(host, {900, 700}, QPoint(50, 50))) << output();
    EXPECT_EQ(process.state(), QProcess::Running);
}

TEST_F(SaverHostTest, DestroyedHostEndsTheSaverAtOnceWithoutAnXError)
{
    X11TestWindow host(display, QRect(0, 0, 400, 300));
    ASSERT_TRUE(host.ok());
    start({"--window-id", host.hexId()});
    ASSERT_TRUE(showsScaledQuarters(host, {400, 300})) << output();

    QElapsedTimer elapsed;
    elapsed.start();
    host.destroy();
    ASSERT_TRUE(process.waitForFinished(BuiltSaver::kTimeoutMs));

    EXPECT_LT(elapsed.elapsed(), kDestroyedHostExitMs);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    const QString printed = QString::fromStdString(output());
    EXPECT_FALSE(printed.contains("rror") || printed.contains("Bad")) << printed.toStdString();
}

TEST_F(SaverHostTest, RootOptionPlaysInTheWindowOfTheEnvironment)
{
    X11TestWindow host(display, QRect(0, 0, 400, 300));
    ASSERT_TRUE(host.ok());
    start({"--root"}, host.hexId());

    EXPECT_TRUE(showsScaledQuarters(host, {400, 300})) << output();
}

TEST_F(SaverHostTest, RootOptionWithoutAHostDrawsOnTheRootWindowAndOpensNoWindow)
{
    X11TestWindow probe(display, QRect(0, 0, 1, 1));
    ASSERT_TRUE(probe.ok());
    const QSize screen = probe.screenSize();
    ASSERT_GE(screen.width(), kCanvas.width());
    ASSERT_GE(screen.height(), kCanvas.height());
    probe.destroy();
    const QStringList before = probe.viewableTopLevels();

    start({"-root"});

    const QPoint origin(screen.width() / 2 - kCanvas.width() / 2,
                        screen.height() / 2 - kCanvas.height() / 2);
    EXPECT_TRUE(waitUntil(probe, probe.root(), QRect(origin, kCanvas), [](const QImage& image) {
        return Quarters::in(image, image.rect()) == Quarters::expected();
    })) << output();
    EXPECT_EQ(probe.viewableTopLevels(), before);
}

TEST_F(SaverHostTest, PreviewPanePlaysNoMusicButAHostCoveringTheScreenDoes)
{
    MediaFactory media(folder.filePath("media"));
    QString errors;
    saver = BuiltSaver::make(folder.path(), BuiltSaver::quarters(kCanvas), "Quarters", &errors,
                             media.wav("tune.wav", 2000));
    ASSERT_FALSE(saver.isEmpty()) << errors.toStdString();

    const QString paneAudio = folder.filePath("pane.raw");
    {
        X11TestWindow pane(display, QRect(0, 0, 400, 300));
        ASSERT_TRUE(pane.ok());
        start({"--window-id", pane.hexId()}, {}, paneAudio);
        ASSERT_TRUE(showsScaledQuarters(pane, {400, 300})) << output();
        // The music would start right after the first frame: give it time to show up.
        QThread::msleep(500);
        pane.destroy();
        ASSERT_TRUE(process.waitForFinished(BuiltSaver::kTimeoutMs));
    }
    EXPECT_FALSE(QFile::exists(paneAudio)) << "a preview pane opened the sound device";

    X11TestWindow probe(display, QRect(0, 0, 1, 1));
    const QSize screen = probe.screenSize();
    X11TestWindow full(display, QRect(QPoint(0, 0), screen));
    ASSERT_TRUE(full.ok());
    const QString fullAudio = folder.filePath("full.raw");
    start({"--root"}, full.hexId(), fullAudio);
    const QDeadlineTimer deadline(kSettleMs);
    while (!QFile::exists(fullAudio) && !deadline.hasExpired()) {
        QThread::msleep(kPollMs);
    }
    EXPECT_TRUE(QFile::exists(fullAudio)) << output();
}

TEST_F(SaverHostTest, MissingHostIsRefusedWithItsId)
{
    X11TestWindow host(display, QRect(0, 0, 10, 10));
    ASSERT_TRUE(host.ok());
    const QString id = host.hexId();
    host.destroy();

    start({"--window-id", id});
    ASSERT_TRUE(process.waitForFinished(BuiltSaver::kTimeoutMs));

    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(id.mid(2)));
}

}  // namespace
