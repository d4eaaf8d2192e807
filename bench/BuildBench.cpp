// Building a large screen saver, and starting one.
//
// Build: `kremoa-cli build` of a show of about TOTAL MiB of images (one slide per file, plus a
// small real picture first) against `cat` of the same files into one file followed by `sync`
// of that file, alternating, RUNS times each: wall time, and the build's peak resident memory
// (wait4 of the process). Targets: build within 1.3x of cat + sync; peak under 64 MiB.
// Start: a saver built from that show and one built from a 1 MiB show, each started RUNS
// times offscreen with --log: the time from the process start to "first frame" (its own
// clock) and from spawning it to reading that line. Targets: under 1 s with the large package
// and no more than 10% slower than with the small one.
//
// Usage: BuildBench [TOTAL_MIB (default 1024)] [RUNS (default 3)]
// Run from anywhere after building kremoa-cli and kremoa-template; the application folder is
// the one this program was built for. Work files go to a temporary folder, removed at the end.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>
#include <vector>

extern char** environ;

namespace {

constexpr qint64 kMiB = 1024 * 1024;
constexpr qint64 kFileMiB = 64;
constexpr int kDefaultTotalMiB = 1024;
constexpr int kDefaultRuns = 3;
constexpr int kStartTimeoutMs = 30000;
constexpr double kBuildTarget = 1.3;
constexpr double kStartTarget = 1.1;
constexpr qint64 kMemoryTargetKiB = 64 * 1024;
constexpr int kDisplayTime = 2000;

struct Run {
    double seconds = 0;
    qint64 peakKiB = 0;
    int status = -1;
};

// Runs a program to its end; its wall time and peak resident memory.
Run spawn(const QStringList& command)
{
    std::vector<QByteArray> arguments;
    for (const QString& part : command) {
        arguments.push_back(part.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    Run run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.peakKiB = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool writeJunk(const QString& path, qint64 bytes, char seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray chunk(kMiB, '\0');
    for (qint64 i = 0; i < chunk.size(); ++i) {
        chunk[i] = char((i * 131 + seed) & 0xFF);
    }
    for (qint64 written = 0; written < bytes; written += chunk.size()) {
        if (file.write(chunk.left(qMin<qint64>(chunk.size(), bytes - written))) < 0) {
            return false;
        }
    }
    return true;
}

// A show whose first slide is a real picture and whose others are the given files (their
// bytes are copied into the package, never decoded before the first frame).
bool writeShow(const QString& path, const QString& picture, const QStringList& files)
{
    QJsonArray slides;
    slides.append(QJsonObject{{"image", picture}, {"displayTime", kDisplayTime}});
    for (const QString& file : files) {
        slides.append(QJsonObject{{"image", file}, {"displayTime", kDisplayTime}});
    }
    const QJsonObject show{{"bgm", ""},
                           {"backColor", 0},
                           {"canvasWidth", 640},
                           {"canvasHeight", 480},
                           {"slides", slides}};
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(show).toJson()) > 0;
}

// Starts a saver offscreen and returns (its own ms to the first frame, ms from spawning it).
std::optional<std::pair<double, double>> startSaver(const QString& saver)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(saver, {"/s", "--log"});
    static const QRegularExpression firstFrame(QStringLiteral("first frame: (\\d+) ms"));
    QString log;
    std::optional<std::pair<double, double>> result;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!result && !deadline.hasExpired() && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(5);
        log += QString::fromUtf8(process.readAllStandardError());
        const QRegularExpressionMatch match = firstFrame.match(log);
        if (match.hasMatch()) {
            result = std::pair(match.captured(1).toDouble(), timer.nsecsElapsed() / 1e6);
        }
    }
    ::kill(pid_t(process.processId()), SIGTERM);
    process.waitForFinished(kStartTimeoutMs);
    return result;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int totalMiB = args.size() > 1 ? args[1].toInt() : kDefaultTotalMiB;
    const int runs = args.size() > 2 ? args[2].toInt() : kDefaultRuns;
    const QString cli = QStringLiteral(KREMOA_APP_DIR "/kremoa-cli");

    QTemporaryDir work;
    const QString picture = work.filePath("first.bmp");
    QImage first(640, 480, QImage::Format_RGB32);
    first.fill(Qt::darkBlue);
    first.save(picture);
    QStringList bigFiles;
    for (qint64 done = 0, i = 0; done < totalMiB; done += kFileMiB, ++i) {
        const QString path = work.filePath(QStringLiteral("photo_%1.bmp").arg(i));
        if (!writeJunk(path, qMin<qint64>(kFileMiB, totalMiB - done) * kMiB, char(i))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        bigFiles.append(path);
    }
    const QString smallFile = work.filePath("small.bmp");
    writeJunk(smallFile, kMiB, 7);
    writeShow(work.filePath("big.json"), picture, bigFiles);
    writeShow(work.filePath("small.json"), picture, {smallFile});

    std::printf("Build: %d MiB in %lld files, %d runs\n", totalMiB,
                static_cast<long long>(bigFiles.size()), runs);
    const QString catOut = work.filePath("cat.out");
    const QString catCommand = QStringLiteral("cat \"$@\" > '%1' && sync '%1'").arg(catOut);
    std::vector<double> catTimes;
    std::vector<double> buildTimes;
    qint64 peakKiB = 0;
    for (int run = 0; run < runs; ++run) {
        // Both write a new file: freeing the old one's blocks is not part of either.
        const Run cat = spawn(QStringList{"sh", "-c", catCommand, "sh"} + bigFiles);
        QFile::remove(catOut);
        QFile::remove(work.filePath("Big.scr"));
        const Run build =
            spawn({cli, "build", work.filePath("big.json"), "--out", work.filePath("Big.scr")});
        if (cat.status != 0 || build.status != 0) {
            std::fprintf(stderr, "run %d failed: cat %d, build %d\n", run, cat.status,
                         build.status);
            return 1;
        }
        std::printf("  run %d: cat+sync %.2f s, build %.2f s (%.2fx), build peak %lld KiB\n",
                    run + 1, cat.seconds, build.seconds, build.seconds / cat.seconds,
                    static_cast<long long>(build.peakKiB));
        catTimes.push_back(cat.seconds);
        buildTimes.push_back(build.seconds);
        peakKiB = std::max(peakKiB, build.peakKiB);
    }
    const double buildRatio = median(buildTimes) / median(catTimes);
    std::printf("  median: cat+sync %.2f s, build %.2f s, ratio %.2f (target <= %.1f) %s\n",
                median(catTimes), median(buildTimes), buildRatio, kBuildTarget,
                buildRatio <= kBuildTarget ? "ok" : "MISSED");
    std::printf("  peak build memory %lld KiB (target < %lld KiB) %s\n",
                static_cast<long long>(peakKiB), static_cast<long long>(kMemoryTargetKiB),
                peakKiB < kMemoryTargetKiB ? "ok" : "MISSED");

    if (spawn({cli, "build", work.filePath("small.json"), "--out", work.filePath("Small.scr"),
               "--overwrite"})
            .status != 0) {
        std::fprintf(stderr, "small build failed\n");
        return 1;
    }
    std::printf("Start: time to the first frame, %d runs each (own clock / from spawn)\n", runs);
    std::vector<double> bigOwn, bigSpawn, smallOwn, smallSpawn;
    for (int run = 0; run < runs; ++run) {
        const auto small = startSaver(work.filePath("Small.scr"));
        const auto big = startSaver(work.filePath("Big.scr"));
        if (!small || !big) {
            std::fprintf(stderr, "a saver did not show its first frame\n");
            return 1;
        }
        std::printf("  run %d: 1 MiB %.0f / %.1f ms, %d MiB %.0f / %.1f ms\n", run + 1,
                    small->first, small->second, totalMiB, big->first, big->second);
        smallOwn.push_back(small->first);
        smallSpawn.push_back(small->second);
        bigOwn.push_back(big->first);
        bigSpawn.push_back(big->second);
    }
    const double startRatio = median(bigSpawn) / median(smallSpawn);
    std::printf(
        "  median from spawn: 1 MiB %.1f ms, %d MiB %.1f ms, ratio %.2f (targets < 1000 "
        "ms, <= %.1f) %s\n",
        median(smallSpawn), totalMiB, median(bigSpawn), startRatio, kStartTarget,
        median(bigSpawn) < 1000 && startRatio <= kStartTarget ? "ok" : "MISSED");
    return 0;
}
