// A built saver at work on a real X server (an Xvfb this program starts on a display number the
// server picks itself).
//
// effects: on a 3840×2160 screen, a 3840×2160 show that runs every effect once at ×8 with
// 1500 ms display times, played by the real saver; per effect the real time of the transition
// (the time between two "transition" lines of --log less the display time) against its time on
// the virtual clock (kremoa-cli play --simulate). Target: real / virtual ≤ 1.15 overall.
// cpu: on a 1920×1080 screen, a 1920×1080 show of five photos-like pictures, 3000 ms display
// times and ×1 effects, played for 60 s after the first frame; the processor time of the saver
// and of the X server together, from /proc/PID/stat. Target: under 5 % of one core.
// Both run full-screen (/s) and, with "host", in a host window that covers the screen, as
// xscreensaver runs a saver.
//
// Usage: SaverBench effects|cpu [fullscreen|host] [SECONDS (cpu only, default 60)]
// Needs Xvfb (package xvfb). Work files go to a temporary folder, removed at the end.

#include "support/X11TestWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr int kEffectCount = 35;
constexpr int kFastestSpeed = 3;
constexpr int kEffectsDisplayTime = 1500;
constexpr int kCpuDisplayTime = 3000;
constexpr int kDefaultCpuSeconds = 60;
constexpr int kStartTimeoutMs = 60000;
constexpr double kEffectsTarget = 1.15;
constexpr double kCpuTargetPercent = 5.0;
constexpr QSize kLargeScreen(3840, 2160);
constexpr QSize kFullHd(1920, 1080);
const QList<int> kCpuEffects = {1, 5, 23, 30, 13};

QTextStream out(stdout);

// An Xvfb of its own; its display number comes on its standard output once it takes clients.
class Server {
public:
    explicit Server(QSize size)
    {
        process_.start(
            QStringLiteral("Xvfb"),
            {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
             QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
             QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (process_.waitForReadyRead(kStartTimeoutMs)) {
            display_ = QLatin1Char(':') + QString::fromLatin1(process_.readLine()).trimmed();
        }
    }
    ~Server()
    {
        process_.terminate();
        process_.waitForFinished();
    }
    const QString& display() const { return display_; }
    qint64 pid() const { return process_.processId(); }

private:
    QProcess process_;
    QString display_;
};

QString appFolder()
{
    return QStringLiteral(KREMOA_APP_DIR);
}

// A gradient picture, so that every effect has something to move.
QString writePicture(const QString& path, QSize size, QColor from, QColor to)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(picture.rect(), gradient);
    painter.end();
    return picture.save(path, "JPG", 90) ? path : QString();
}

bool writeShow(const QString& path, QSize canvas, const QJsonArray& slides)
{
    const QJsonObject show{{"bgm", ""},
                           {"backColor", 0},
                           {"canvasWidth", canvas.width()},
                           {"canvasHeight", canvas.height()},
                           {"slides", slides}};
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(show).toJson()) > 0;
}

// kremoa-cli's standard output, or nothing when it fails.
std::optional<QByteArray> runCli(const QStringList& arguments)
{
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    cli.setProcessEnvironment(environment);
    cli.start(QDir(appFolder()).filePath(QStringLiteral("kremoa-cli")), arguments);
    cli.waitForFinished(-1);
    if (cli.exitCode() != 0) {
        QTextStream(stderr) << cli.readAllStandardError();
        return std::nullopt;
    }
    return cli.readAllStandardOutput();
}

// Clock ticks the process has run on the processor (user and system).
qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray text = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    constexpr int kUserTime = 11;  // field 14 of the whole line
    constexpr int kSystemTime = 12;
    return fields.size() > kSystemTime
               ? fields[kUserTime].toLongLong() + fields[kSystemTime].toLongLong()
               : 0;
}

// The saver playing on `display`, full-screen or in a host window covering the screen.
class Saver {
public:
    Saver(const QString& path, const QString& display, QSize screen, bool inHost)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        QStringList arguments{QStringLiteral("--log")};
        if (inHost) {
            host_ = std::make_unique<X11TestWindow>(display, QRect(QPoint(0, 0), screen));
            arguments << QStringLiteral("--window-id") << host_->hexId();
        } else {
            arguments << QStringLiteral("/s");
        }
        process_.start(path, arguments);
    }
    ~Saver()
    {
        if (process_.state() != QProcess::NotRunning) {
            ::kill(pid_t(process_.processId()), SIGTERM);
            process_.waitForFinished();
        }
    }

    // Waits for the next line of the log that matches; its number of milliseconds.
    std::optional<qint64> waitFor(const QRegularExpression& line)
    {
        const QDeadlineTimer deadline(kStartTimeoutMs);
        while (!deadline.hasExpired()) {
            while (process_.canReadLine()) {
                const QString text = QString::fromUtf8(process_.readLine()).trimmed();
                const QRegularExpressionMatch match = line.match(text);
                if (match.hasMatch()) {
                    return match.captured(1).toLongLong();
                }
            }
            if (process_.state() == QProcess::NotRunning) {
                return std::nullopt;
            }
            process_.waitForReadyRead(100);
        }
        return std::nullopt;
    }
    qint64 pid() const { return process_.processId(); }

private:
    std::unique_ptr<X11TestWindow> host_;
    QProcess process_;
};

int effects(bool inHost)
{
    QTemporaryDir folder;
    const QString a =
        writePicture(folder.filePath("a.jpg"), kLargeScreen, Qt::darkBlue, Qt::yellow);
    const QString b = writePicture(folder.filePath("b.jpg"), kLargeScreen, Qt::red, Qt::cyan);
    QJsonArray slides;
    for (int effect = 1; effect <= kEffectCount + 1; ++effect) {
        slides.append(QJsonObject{{"image", effect % 2 != 0 ? a : b},
                                  {"displayTime", kEffectsDisplayTime},
                                  {"effect", effect <= kEffectCount ? effect : 0},
                                  {"speed", kFastestSpeed}});
    }
    const QString show = folder.filePath("show.json");
    const QString saverPath = folder.filePath("Effects.scr");
    if (!writeShow(show, kLargeScreen, slides) || !runCli({"build", show, "--out", saverPath})) {
        return 1;
    }
    // Virtual start of each transition; transition k runs effect k.
    const QByteArray simulated =
        runCli({"play", show, "--simulate", "--transitions", QString::number(kEffectCount + 1)})
            .value_or(QByteArray());
    QList<qint64> virtualStarts;
    for (const QByteArray& line : simulated.split('\n')) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event["ev"].toString() == QLatin1String("transition")) {
            virtualStarts.append(event["t"].toInteger());
        }
    }
    if (virtualStarts.size() < kEffectCount + 1) {
        QTextStream(stderr) << "the simulation gave " << virtualStarts.size() << " transitions\n";
        return 1;
    }

    const Server server(kLargeScreen);
    Saver saver(saverPath, server.display(), kLargeScreen, inHost);
    static const QRegularExpression transition(QStringLiteral("^transition \\d+: (\\d+) ms$"));
    static const QRegularExpression firstFrame(QStringLiteral("^first frame: (\\d+) ms$"));
    std::optional<qint64> previous = saver.waitFor(firstFrame);
    if (!previous) {
        QTextStream(stderr) << "the saver did not show its first frame\n";
        return 1;
    }
    out << "effect  virtual ms  real ms  real/virtual\n";
    qint64 virtualTotal = 0;
    qint64 realTotal = 0;
    for (int effect = 1; effect <= kEffectCount && previous; ++effect) {
        const std::optional<qint64> end = saver.waitFor(transition);
        if (!end) {
            QTextStream(stderr) << "the saver stopped before effect " << effect << '\n';
            return 1;
        }
        // A pass is the display time, then the transition (decoding happens inside the first).
        const qint64 real = *end - *previous - kEffectsDisplayTime;
        const qint64 virtualTime =
            virtualStarts[effect] - virtualStarts[effect - 1] - kEffectsDisplayTime;
        out << QStringLiteral("%1  %2  %3  %4\n")
                   .arg(effect, 6)
                   .arg(virtualTime, 10)
                   .arg(real, 7)
                   .arg(double(real) / double(std::max<qint64>(1, virtualTime)), 12, 'f', 2);
        out.flush();
        virtualTotal += virtualTime;
        realTotal += real;
        previous = end;
    }
    const double ratio = double(realTotal) / double(std::max<qint64>(1, virtualTotal));
    out << QStringLiteral("all     %1  %2  %3 (target <= %4)\n")
               .arg(virtualTotal, 10)
               .arg(realTotal, 7)
               .arg(ratio, 12, 'f', 3)
               .arg(kEffectsTarget);
    return ratio <= kEffectsTarget ? 0 : 1;
}

int cpu(bool inHost, int seconds)
{
    QTemporaryDir folder;
    const QList<std::pair<QColor, QColor>> colours = {{Qt::darkBlue, Qt::white},
                                                      {Qt::darkGreen, Qt::yellow},
                                                      {Qt::darkRed, Qt::cyan},
                                                      {Qt::black, Qt::magenta},
                                                      {Qt::darkCyan, Qt::red}};
    QJsonArray slides;
    for (int i = 0; i < int(colours.size()); ++i) {
        const QString picture = writePicture(folder.filePath(QStringLiteral("%1.jpg").arg(i)),
                                             kFullHd, colours[i].first, colours[i].second);
        slides.append(QJsonObject{
            {"image", picture}, {"displayTime", kCpuDisplayTime}, {"effect", kCpuEffects[i]}});
    }
    const QString show = folder.filePath("show.json");
    const QString saverPath = folder.filePath("Cpu.scr");
    if (!writeShow(show, kFullHd, slides) || !runCli({"build", show, "--out", saverPath})) {
        return 1;
    }
    const Server server(kFullHd);
    Saver saver(saverPath, server.display(), kFullHd, inHost);
    if (!saver.waitFor(QRegularExpression(QStringLiteral("^first frame: (\\d+) ms$")))) {
        QTextStream(stderr) << "the saver did not show its first frame\n";
        return 1;
    }
    const qint64 saverStart = cpuTicks(saver.pid());
    const qint64 serverStart = cpuTicks(server.pid());
    QElapsedTimer wall;
    wall.start();
    QThread::sleep(seconds);
    const double elapsed = wall.nsecsElapsed() / 1e9;
    const double ticks = double(sysconf(_SC_CLK_TCK));
    const double saverSeconds = (cpuTicks(saver.pid()) - saverStart) / ticks;
    const double serverSeconds = (cpuTicks(server.pid()) - serverStart) / ticks;
    const double percent = 100.0 * (saverSeconds + serverSeconds) / elapsed;
    out << QStringLiteral(
               "%1 s of show: saver %2 s, X server %3 s of processor time: %4 % of "
               "one core (target < %5 %)\n")
               .arg(elapsed, 0, 'f', 1)
               .arg(saverSeconds, 0, 'f', 2)
               .arg(serverSeconds, 0, 'f', 2)
               .arg(percent, 0, 'f', 2)
               .arg(kCpuTargetPercent);
    return percent < kCpuTargetPercent ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool inHost = args.size() > 1 && args[1] == QLatin1String("host");
    if (!args.isEmpty() && args[0] == QLatin1String("effects")) {
        return effects(inHost);
    }
    if (!args.isEmpty() && args[0] == QLatin1String("cpu")) {
        const int seconds = args.size() > 2 ? args[2].toInt() : kDefaultCpuSeconds;
        return cpu(inHost, seconds > 0 ? seconds : kDefaultCpuSeconds);
    }
    QTextStream(stderr) << "usage: SaverBench effects|cpu [fullscreen|host] [SECONDS]\n";
    return 2;
}
