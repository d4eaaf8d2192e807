// Time from a stop signal to the saver's exit.
//
// Builds, with kremoa-cli, a saver whose show has a 9999x9999 canvas, a 16000x16000 JPEG picture
// and a small picture, music and a sound. Then:
//   1. starts it 50 times and reads how soon its SIGTERM handler is in place (SigCgt in /proc),
//      from the moment the process has started (exec done);
//   2. starts it N times (default 200) and sends SIGTERM, SIGINT or SIGHUP at a random moment of
//      its first 3 seconds, from the start: prints the worst, 95th percentile and median time from
//      the signal to the exit, how many runs were lost (still running 10 s after the signal),
//      killed by the signal, or ended with a status other than 0.
// Every saver runs under an address-space limit (RLIMIT_AS, default 8 GiB).
// Targets: worst <= 500 ms, 0 lost, 0 killed, 0 other statuses.
//
// Usage: StopBench [--runs N] [--seed S] [--limit-gib G]
//   (QT_QPA_PLATFORM defaults to offscreen, SDL_AUDIODRIVER to dummy)

#include "support/StoppedProcess.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPen>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kDefaultRuns = 200;
constexpr int kHandlerRuns = 50;
constexpr int kDefaultLimitGiB = 8;
constexpr int kLatestSignalMs = 3000;
constexpr int kLostAfterMs = 10000;
constexpr int kCanvasSide = 9999;
constexpr int kPictureSide = 16000;
constexpr int kBuildTimeoutMs = 600000;
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

QString appFile(const char* name)
{
    return QStringLiteral(KREMOA_APP_DIR "/") + QLatin1String(name);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A mono 16-bit WAV of silence.
QByteArray silentWav(int milliseconds)
{
    constexpr int kRate = 22050;
    const quint32 dataSize = quint32(kRate) * 2 * quint32(milliseconds) / 1000;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(kRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataSize;
    wav.append(QByteArray(int(dataSize), '\0'));
    return wav;
}

QString makeSaver(const QDir& work)
{
    QImage large(kPictureSide, kPictureSide, QImage::Format_RGB32);
    {
        QPainter painter(&large);
        painter.fillRect(large.rect(), Qt::darkCyan);
        painter.setPen(QPen(Qt::yellow, 40));
        for (int i = 0; i < kPictureSide; i += 500) {
            painter.drawLine(0, i, kPictureSide, kPictureSide - i);
        }
    }
    const QString largePath = work.filePath("large_16000.jpg");
    if (!large.save(largePath, "JPEG", 90)) {
        return {};
    }
    large = QImage();
    QImage small(320, 240, QImage::Format_RGB32);
    small.fill(Qt::red);
    const QString smallPath = work.filePath("small.bmp");
    const QString soundPath = work.filePath("sound.wav");
    const QString musicPath = work.filePath("music.wav");
    if (!small.save(smallPath, "BMP") || !writeFile(soundPath, silentWav(300)) ||
        !writeFile(musicPath, silentWav(5000))) {
        return {};
    }
    QJsonArray slides;
    for (const QString& picture : {largePath, smallPath}) {
        slides.append(QJsonObject{{"image", picture},
                                  {"displayTime", 500},
                                  {"effect", 5},
                                  {"speed", 3},
                                  {"sound", soundPath}});
    }
    const QJsonObject show{{"bgm", musicPath},
                           {"canvasWidth", kCanvasSide},
                           {"canvasHeight", kCanvasSide},
                           {"slides", slides}};
    const QString showPath = work.filePath("show.json");
    const QString saver = work.filePath("large.scr");
    if (!writeFile(showPath, QJsonDocument(show).toJson())) {
        return {};
    }
    QProcess cli;
    cli.start(appFile("kremoa-cli"), {"build", showPath, "--out", saver});
    if (!cli.waitForFinished(kBuildTimeoutMs) || cli.exitCode() != 0) {
        std::fprintf(stderr, "build failed: %s\n", cli.readAllStandardError().constData());
        return {};
    }
    return saver;
}

qint64 percentile(std::vector<qint64> values, double share)
{
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size() - 1) + 0.5))];
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (qgetenv("SDL_AUDIODRIVER").isEmpty()) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    QGuiApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QStringList args = app.arguments();
    int runs = kDefaultRuns;
    unsigned seed = 1;
    int limitGiB = kDefaultLimitGiB;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--runs") {
            runs = args[i + 1].toInt();
        } else if (args[i] == "--seed") {
            seed = args[i + 1].toUInt();
        } else if (args[i] == "--limit-gib") {
            limitGiB = args[i + 1].toInt();
        }
    }
    QTemporaryDir work;
    const QString saver = makeSaver(QDir(work.path()));
    if (saver.isEmpty()) {
        return 1;
    }
    const auto limit = std::uint64_t(limitGiB) << 30;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    std::vector<qint64> handlerUs;
    for (int run = 0; run < kHandlerRuns; ++run) {
        StoppedProcess process(saver, {"/s"}, environment);
        process.limitAddressSpace(limit);
        QElapsedTimer sinceStart;
        if (!process.start()) {
            return 1;
        }
        sinceStart.start();
        if (process.waitUntilStopIsHandled()) {
            handlerUs.push_back(sinceStart.nsecsElapsed() / 1000);
        }
        process.stop(SIGTERM);
    }
    std::printf(
        "SIGTERM handler in place after start (%zu of %d starts): worst %lld us, median "
        "%lld us\n",
        handlerUs.size(), kHandlerRuns, static_cast<long long>(percentile(handlerUs, 1.0)),
        static_cast<long long>(percentile(handlerUs, 0.5)));

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> moment(0, kLatestSignalMs);
    std::vector<qint64> stopMs;
    int lost = 0;
    int killed = 0;
    int otherStatus = 0;
    for (int run = 0; run < runs; ++run) {
        const int at = moment(random);
        const int signal = kSignals[run % std::size(kSignals)];
        StoppedProcess process(saver, {"/s"}, environment);
        process.limitAddressSpace(limit);
        if (!process.start()) {
            return 1;
        }
        process.runFor(at);
        const StoppedProcess::Ending ending = process.stop(signal, kLostAfterMs);
        if (!ending.ended) {
            ++lost;
        } else if (!ending.normalExit) {
            ++killed;
        } else if (ending.exitCode != 0) {
            ++otherStatus;
        }
        if (ending.ended) {
            stopMs.push_back(ending.msFromSignal);
        }
        if (!ending.ended || !ending.normalExit || ending.exitCode != 0 ||
            ending.msFromSignal > 500) {
            std::printf("run %d: signal %d at %d ms: ended %d normal %d status %d after %lld ms\n",
                        run, signal, at, ending.ended, ending.normalExit, ending.exitCode,
                        static_cast<long long>(ending.msFromSignal));
        }
    }
    std::printf(
        "%d starts, signal at a random moment of the first %d ms: signal to exit worst "
        "%lld ms, 95%% %lld ms, median %lld ms; lost %d, killed %d, other status %d\n",
        runs, kLatestSignalMs, static_cast<long long>(percentile(stopMs, 1.0)),
        static_cast<long long>(percentile(stopMs, 0.95)),
        static_cast<long long>(percentile(stopMs, 0.5)), lost, killed, otherStatus);
    return lost == 0 && killed == 0 && otherStatus == 0 ? 0 : 1;
}
