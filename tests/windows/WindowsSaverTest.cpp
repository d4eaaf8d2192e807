#include "WineSession.h"

#include "media/MediaFactory.h"
#include "runtime/AppFolder.h"
#include "runtime/BuiltSaver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr QSize kCanvas(800, 600);
constexpr int kSettleMs = 30000;
constexpr int kPollMs = 200;
constexpr int kExitMs = 15000;
// A host's destruction must end a preview at once; Wine's own bookkeeping adds a little.
constexpr int kDestroyedHostExitMs = 1000;
constexpr QSize kPreviewPane(152, 112);
// The full-screen saver ends on a pointer move of more than this many pixels either way.
constexpr int kPointerTolerance = 3;
// How long a nudged saver is watched for ending by mistake.
constexpr int kNudgeWatchMs = 1500;
// Pixels this far from an edge of a shape are read; scaling and rounding may blur the edge.
constexpr int kEdgeMargin = 2;
constexpr QRgb kRed = 0xff0000;
constexpr QRgb kGreen = 0x00ff00;
constexpr QRgb kBlue = 0x0000ff;
constexpr QRgb kYellow = 0xffff00;
constexpr QRgb kBlack = 0x000000;

QRgb rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

// The four quarters of kCanvas drawn into `area` of `image`, read at each quarter's middle and
// kEdgeMargin inside its outer corner.
bool showsQuarters(const QImage& image, QRect area)
{
    const int x1 = area.left() + area.width() / 4;
    const int x2 = area.left() + area.width() * 3 / 4;
    const int y1 = area.top() + area.height() / 4;
    const int y2 = area.top() + area.height() * 3 / 4;
    const int left = area.left() + kEdgeMargin;
    const int right = area.right() - kEdgeMargin;
    const int top = area.top() + kEdgeMargin;
    const int bottom = area.bottom() - kEdgeMargin;
    return rgb(image, x1, y1) == kRed && rgb(image, x2, y1) == kGreen &&
           rgb(image, x1, y2) == kBlue && rgb(image, x2, y2) == kYellow &&
           rgb(image, left, top) == kRed && rgb(image, right, top) == kGreen &&
           rgb(image, left, bottom) == kBlue && rgb(image, right, bottom) == kYellow;
}

// Savers built by kremoa-cli from one show: the quarters picture as the only slide, shown for
// a long time.
class WindowsSaverTest : public WineTest {
protected:
    void SetUp() override
    {
        WineTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ASSERT_TRUE(folder.isValid());
        const QString image = folder.filePath("quarters.bmp");
        ASSERT_TRUE(BuiltSaver::quarters(kCanvas).save(image, "BMP"));
        const QJsonArray slides{
            QJsonObject{{"image", image}, {"displayTime", BuiltSaver::kLongDisplayTime}}};
        const QJsonObject root{{"bgm", ""},
                               {"backColor", 0},
                               {"canvasWidth", kCanvas.width()},
                               {"canvasHeight", kCanvas.height()},
                               {"slides", slides}};
        show = folder.filePath("show.json");
        QFile json(show);
        ASSERT_TRUE(json.open(QIODevice::WriteOnly));
        ASSERT_GT(json.write(QJsonDocument(root).toJson()), 0);
    }

    void TearDown() override
    {
        if (saver.state() != QProcess::NotRunning) {
            saver.kill();
            saver.waitForFinished();
        }
    }

    // Builds NAME.scr for `target` ("windows" or "linux"); empty on failure, with kremoa-cli's
    // messages added to the test's failure.
    QString build(const QString& name, const QString& target, const QStringList& options = {})
    {
        const QString out = folder.filePath(name + ".scr");
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        cli.setProcessEnvironment(environment);
        cli.start(
            AppFolder::path("kremoa-cli"),
            QStringList{"build", show, "--out", out, "--target", target, "--overwrite"} + options);
        const bool finished = cli.waitForFinished(BuiltSaver::kTimeoutMs);
        const QByteArray errors = cli.readAllStandardError();
        if (!finished || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
            ADD_FAILURE() << "kremoa-cli build --target " << target.toStdString() << ": "
                          << errors.toStdString();
            return {};
        }
        return out;
    }

    // The screen as a Windows program under Wine reads it.
    QImage captureScreen()
    {
        const QString file = folder.filePath("screen.bmp");
        QFile::remove(file);
        const WineSession::Result capture = wine().run(
            WineSession::probe(),
            {"capture", "0", "0", QString::number(WineSession::kDesktop.width()),
             QString::number(WineSession::kDesktop.height()), WineSession::windowsPath(file)});
        return capture.exitCode == 0 ? QImage(file) : QImage();
    }

    // Runs xdotool on the test's display (keys, pointer moves, clicks).
    void xdotool(const QStringList& arguments)
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        tool.setProcessEnvironment(environment);
        tool.start("xdotool", arguments);
        ASSERT_TRUE(tool.waitForFinished(WineSession::kTimeoutMs)) << "xdotool is missing";
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }

    // Starts `windows` full screen with --log, the pointer parked at a known place first, and
    // waits until its first frame is on the screen: from then on input ends it.
    void startFullScreenUntilFirstFrame(const QString& windows)
    {
        ASSERT_NO_FATAL_FAILURE(xdotool({"mousemove", "200", "200"}));
        wine().start(saver, windows, {"/s", "--log"});
        ASSERT_TRUE(saver.waitForStarted(WineSession::kTimeoutMs));
        const QDeadlineTimer deadline(kSettleMs);
        while (!log.contains("first frame") && !deadline.hasExpired() &&
               saver.state() == QProcess::Running) {
            saver.waitForReadyRead(kPollMs);
            log += saver.readAllStandardError();
        }
        ASSERT_TRUE(log.contains("first frame")) << log.toStdString();
    }

    void expectEndedWithStatusZero(const char* by)
    {
        ASSERT_TRUE(saver.waitForFinished(kExitMs)) << by << " did not end the saver";
        EXPECT_EQ(saver.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(saver.exitCode(), 0);
    }

    // Starts `windows` with `arguments` and waits until a window of it (a dialog or a message,
    // both centred) covers the middle of the screen, where the desktop was before.
    void startUntilCentredWindow(const QString& windows, const QStringList& arguments)
    {
        const QPoint middle(WineSession::kDesktop.width() / 2, WineSession::kDesktop.height() / 2);
        const QImage desktop = captureScreen();
        ASSERT_FALSE(desktop.isNull());
        const QRgb before = rgb(desktop, middle.x(), middle.y());
        wine().start(saver, windows, arguments);
        ASSERT_TRUE(saver.waitForStarted(WineSession::kTimeoutMs));
        const QDeadlineTimer deadline(kSettleMs);
        while (!deadline.hasExpired() && saver.state() == QProcess::Running) {
            const QImage screen = captureScreen();
            if (!screen.isNull() && rgb(screen, middle.x(), middle.y()) != before) {
                return;
            }
            QThread::msleep(kPollMs);
        }
        FAIL() << "no window in the middle of the screen";
    }

    // Where the saver titled `title` keeps its sound switches.
    static QString switchesKey(const QString& title) { return "HKCU\\Software\\kremoa\\" + title; }

    // The sound switches stored for the saver titled `title`, as "bgm=…;soundEffects=…" of
    // the registry's numbers, or empty when none are.
    QString storedSwitches(const QString& title)
    {
        const WineSession::Result query = wine().run("reg", {"query", switchesKey(title)});
        QStringList found;
        for (const QString& line : QString::fromUtf8(query.out).split('\n')) {
            const QStringList fields = line.simplified().split(' ');
            if (fields.size() == 3 && fields[1] == "REG_DWORD") {
                found << fields[0] + "=" + fields[2];
            }
        }
        found.sort();
        return found.join(';');
    }

    // The lines "Key=Value" the probe prints, as a map.
    static QMap<QString, QString> keyValues(const QByteArray& printed)
    {
        QMap<QString, QString> values;
        for (const QString& line : QString::fromUtf8(printed).split('\n', Qt::SkipEmptyParts)) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0) {
                values.insert(line.left(equals), line.mid(equals + 1));
            }
        }
        return values;
    }

    QTemporaryDir folder;
    QString show;
    QProcess saver;
    QByteArray log;  // what the saver wrote on stderr so far
};

TEST_F(WindowsSaverTest, CheckPrintsTheSameSummaryAsTheLinuxSaverOfTheSameShow)
{
    const QStringList options{"--description", "四分割", "--sound-switch"};
    const QString windows = build("Windows", "windows", options);
    const QString linux = build("Linux", "linux", options);
    ASSERT_FALSE(windows.isEmpty());
    ASSERT_FALSE(linux.isEmpty());

    const WineSession::Result onWine = wine().run(windows, {"--check"});
    QProcess native;
    native.start(linux, {"--check"});
    ASSERT_TRUE(native.waitForFinished(WineSession::kTimeoutMs));

    ASSERT_TRUE(onWine.finished);
    EXPECT_EQ(onWine.exitCode, 0) << onWine.printed();
    EXPECT_EQ(native.exitCode(), 0);
    // The same text, but for the size of the saver's own file, whose template differs.
    const QString summary = QString::fromUtf8(native.readAllStandardOutput());
    const QString fileSizeField = QStringLiteral("\"fileSize\": %1");
    ASSERT_TRUE(summary.contains(fileSizeField.arg(QFileInfo(linux).size())))
        << summary.toStdString();
    ASSERT_TRUE(summary.contains("\"title\": \"四分割\"")) << summary.toStdString();
    QString expected = summary;
    expected.replace(fileSizeField.arg(QFileInfo(linux).size()),
                     fileSizeField.arg(QFileInfo(windows).size()));
    EXPECT_EQ(onWine.out.toStdString(), expected.toStdString());
}

TEST_F(WindowsSaverTest, CheckOfTheBareRuntimeRefusesLikeTheLinuxRuntime)
{
    const QString bare = folder.filePath("Bare.scr");
    ASSERT_TRUE(QFile::copy(WineSession::windowsTemplate(), bare));

    const WineSession::Result onWine = wine().run(bare, {"--check"});
    QProcess native;
    native.start(AppFolder::path("Project.krt"), {"--check"});
    ASSERT_TRUE(native.waitForFinished(WineSession::kTimeoutMs));

    ASSERT_TRUE(onWine.finished);
    EXPECT_EQ(onWine.exitCode, 2);
    EXPECT_EQ(native.exitCode(), 2);
    const QByteArray refusal = native.readAllStandardOutput() + native.readAllStandardError();
    EXPECT_FALSE(refusal.isEmpty());
    EXPECT_EQ((onWine.out + onWine.err).toStdString(), refusal.toStdString());
}

TEST_F(WindowsSaverTest, FullScreenShowsTheCanvasCentredAndAKeyEndsItWithStatusZero)
{
    const QString windows = build("FullScreen", "windows");
    ASSERT_FALSE(windows.isEmpty());
    wine().start(saver, windows, {"/s"});
    ASSERT_TRUE(saver.waitForStarted(WineSession::kTimeoutMs));

    const QRect canvas(QPoint(WineSession::kDesktop.width() / 2 - kCanvas.width() / 2,
                              WineSession::kDesktop.height() / 2 - kCanvas.height() / 2),
                       kCanvas);
    QImage screen;
    bool shown = false;
    const QDeadlineTimer deadline(kSettleMs);
    while (!shown && !deadline.hasExpired() && saver.state() == QProcess::Running) {
        screen = captureScreen();
        shown = !screen.isNull() && showsQuarters(screen, canvas);
        if (!shown) {
            QThread::msleep(kPollMs);
        }
    }
    ASSERT_TRUE(shown)
        << (saver.readAllStandardOutput() + saver.readAllStandardError()).toStdString();
    // Black around the canvas, the whole screen covered.
    EXPECT_EQ(rgb(screen, canvas.left() - 1 - kEdgeMargin, canvas.center().y()), kBlack);
    EXPECT_EQ(rgb(screen, canvas.right() + 1 + kEdgeMargin, canvas.center().y()), kBlack);
    EXPECT_EQ(rgb(screen, canvas.center().x(), canvas.top() - 1 - kEdgeMargin), kBlack);
    EXPECT_EQ(rgb(screen, canvas.center().x(), canvas.bottom() + 1 + kEdgeMargin), kBlack);
    EXPECT_EQ(rgb(screen, 0, 0), kBlack);
    EXPECT_EQ(rgb(screen, screen.width() - 1, screen.height() - 1), kBlack);

    ASSERT_NO_FATAL_FAILURE(xdotool({"key", "space"}));
    expectEndedWithStatusZero("a key");
}

TEST_F(WindowsSaverTest, FullScreenIgnoresAPointerNudgeAndEndsOnAMoveOrAClick)
{
    const QString windows = build("Pointer", "windows");
    ASSERT_FALSE(windows.isEmpty());

    ASSERT_NO_FATAL_FAILURE(startFullScreenUntilFirstFrame(windows));
    // A nudge within the tolerance (a desk shaken) must not end the show.
    const QString nudge = QString::number(kPointerTolerance);
    ASSERT_NO_FATAL_FAILURE(xdotool({"mousemove_relative", "--", nudge, nudge}));
    EXPECT_FALSE(saver.waitForFinished(kNudgeWatchMs)) << "a nudge ended the saver";
    ASSERT_NO_FATAL_FAILURE(xdotool({"mousemove_relative", "--", "40", "0"}));
    expectEndedWithStatusZero("a move of the pointer");

    log.clear();
    ASSERT_NO_FATAL_FAILURE(startFullScreenUntilFirstFrame(windows));
    ASSERT_NO_FATAL_FAILURE(xdotool({"click", "1"}));
    expectEndedWithStatusZero("a click");
}

TEST_F(WindowsSaverTest, WithoutArgumentsTheSettingsDialogStoresTheSoundChoice)
{
    const QString title = "SoundSettings";
    const QString windows =
        build("Settings", "windows", {"--description", title, "--sound-switch"});
    ASSERT_FALSE(windows.isEmpty());
    wine().run("reg", {"delete", switchesKey(title), "/f"});

    // No argument is what Windows passes for "Settings"; the dialog opens with both switches
    // on and the focus on the music's.
    ASSERT_NO_FATAL_FAILURE(startUntilCentredWindow(windows, {}));
    ASSERT_NO_FATAL_FAILURE(xdotool({"key", "space"}));
    ASSERT_NO_FATAL_FAILURE(xdotool({"key", "Return"}));
    expectEndedWithStatusZero("OK");

    EXPECT_EQ(storedSwitches(title), "bgm=0x0;soundEffects=0x1");
}

TEST_F(WindowsSaverTest, SettingsOfASaverWithoutSoundSwitchOnlySaySoAndStoreNothing)
{
    const QString title = "NoSwitch";
    const QString windows = build("NoSwitch", "windows", {"--description", title});
    ASSERT_FALSE(windows.isEmpty());

    ASSERT_NO_FATAL_FAILURE(startUntilCentredWindow(windows, {"/c"}));
    ASSERT_NO_FATAL_FAILURE(xdotool({"key", "Return"}));
    expectEndedWithStatusZero("closing the message");

    EXPECT_EQ(storedSwitches(title), "");
}

TEST_F(WindowsSaverTest, PreviewFillsTheHostPaneAndTheHostsDestructionEndsIt)
{
    const QString windows = build("Preview", "windows");
    ASSERT_FALSE(windows.isEmpty());
    const QString picture = folder.filePath("pane.bmp");

    const WineSession::Result host = wine().run(
        WineSession::probe(),
        {"host", QString::number(kPreviewPane.width()), QString::number(kPreviewPane.height()),
         "--bmp", WineSession::windowsPath(picture), "--", WineSession::windowsPath(windows)});

    ASSERT_TRUE(host.finished);
    ASSERT_EQ(host.exitCode, 0) << host.printed();
    const QMap<QString, QString> report = keyValues(host.out);
    EXPECT_EQ(report.value("saver-window"),
              QString("%1x%2").arg(kPreviewPane.width()).arg(kPreviewPane.height()))
        << host.printed();
    EXPECT_EQ(report.value("exited"), "yes") << host.printed();
    EXPECT_EQ(report.value("exit-code"), "0") << host.printed();
    EXPECT_LT(report.value("exit-ms", "999999").toInt(), kDestroyedHostExitMs) << host.printed();
    EXPECT_FALSE(QImage(picture).isNull());
}

TEST_F(WindowsSaverTest, VersionTextsAndChosenIconReadBackAsWindowsSeesThem)
{
    MediaFactory media(folder.filePath("media"));
    const QString icon = media.icon("green.ico", 32, Qt::green, Qt::red);
    const QString windows =
        build("ShowTime", "windows",
              {"--comment", "四分割のショー", "--company", "クレモア工房", "--description",
               "スクリーンセーバー", "--copyright", "(c) 2026", "--trademark", "KREMOA",
               "--product", "Quarters", "--major", "3", "--minor", "7", "--icon", icon});
    const QString plain = build("Plain", "windows");
    ASSERT_FALSE(windows.isEmpty());
    ASSERT_FALSE(plain.isEmpty());

    const WineSession::Result version =
        wine().run(WineSession::probe(), {"version", WineSession::windowsPath(windows)});
    ASSERT_EQ(version.exitCode, 0) << version.printed();
    const QMap<QString, QString> texts = keyValues(version.out);
    const QMap<QString, QString> expected{{"Comments", "四分割のショー"},
                                          {"CompanyName", "クレモア工房"},
                                          {"FileDescription", "スクリーンセーバー"},
                                          {"LegalCopyright", "(c) 2026"},
                                          {"LegalTrademarks", "KREMOA"},
                                          {"ProductName", "Quarters"},
                                          {"FileVersion", "3.07"},
                                          {"ProductVersion", "3.07"},
                                          {"InternalName", "ShowTime"},
                                          {"OriginalFilename", "ShowTime.scr"}};
    EXPECT_EQ(texts, expected) << version.printed();

    const WineSession::Result chosen =
        wine().run(WineSession::probe(), {"icon", WineSession::windowsPath(windows)});
    const WineSession::Result fallback =
        wine().run(WineSession::probe(), {"icon", WineSession::windowsPath(plain)});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.printed();
    ASSERT_EQ(fallback.exitCode, 0) << fallback.printed();
    const QStringList rows = QString::fromLatin1(chosen.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 33) << chosen.printed();
    EXPECT_EQ(rows[0], "32x32");
    const QStringList middleRow = rows[1 + 16].split(' ');
    const QStringList topRow = rows[1].split(' ');
    ASSERT_EQ(middleRow.size(), 32);
    ASSERT_EQ(topRow.size(), 32);
    EXPECT_EQ(middleRow[16], "00ff00");
    EXPECT_EQ(topRow[0], "ff0000");
    EXPECT_NE(chosen.out, fallback.out) << "the chosen icon did not replace the default one";
}

}  // namespace
