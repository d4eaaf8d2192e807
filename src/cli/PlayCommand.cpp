// kremoa-cli play: plays a show full-screen as the preview does, or, with --simulate, runs the
// same show loop on a virtual clock and prints what it does as JSON lines.

#include "CliCommand.h"
#include "ShowJson.h"

#include "platform/Preview.h"
#include "platform/StopSignals.h"
#include "player/EditableShowSource.h"
#include "player/SimulatedShow.h"

#include <QTextStream>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>

namespace {

constexpr int kSuccess = 0;
constexpr int kRefused = 2;

const char* const kUsage =
    "play SHOW [--simulate [--transitions N] [--music-ms M] [--stop-at MS] "
    "[--dump-frames DIR]]";

struct PlayOptions {
    QString showPath;
    bool simulate = false;
    SimulationOptions simulation;
};

int fail(const QString& message, int status)
{
    QTextStream(stderr) << "play: " << message << '\n';
    return status;
}

// Reads the value after option args[i] as a whole number of at least 0.
std::optional<qint64> number(const QStringList& args, qsizetype i)
{
    if (i + 1 >= args.size()) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 value = args[i + 1].toLongLong(&ok);
    return ok && value >= 0 ? std::optional(value) : std::nullopt;
}

std::optional<PlayOptions> parse(const QStringList& args, QString& error)
{
    PlayOptions options;
    bool simulationOption = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--simulate")) {
            options.simulate = true;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!options.showPath.isEmpty()) {
                error = QStringLiteral("only one show can be played");
                return std::nullopt;
            }
            options.showPath = arg;
            continue;
        }
        simulationOption = true;
        if (arg == QLatin1String("--dump-frames")) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("--dump-frames needs a folder");
                return std::nullopt;
            }
            options.simulation.dumpFolder = args[++i];
            continue;
        }
        const std::optional<qint64> value = number(args, i);
        if (!value) {
            error = QStringLiteral("%1 needs a whole number of at least 0").arg(arg);
            return std::nullopt;
        }
        if (arg == QLatin1String("--transitions")) {
            if (*value < 1) {
                error = QStringLiteral("--transitions needs at least 1");
                return std::nullopt;
            }
            options.simulation.transitions = static_cast<int>(std::min<qint64>(*value, INT_MAX));
        } else if (arg == QLatin1String("--music-ms")) {
            options.simulation.musicMs = *value;
        } else if (arg == QLatin1String("--stop-at")) {
            options.simulation.stopAtMs = *value;
        } else {
            error = QStringLiteral("unknown option %1").arg(arg);
            return std::nullopt;
        }
        ++i;
    }
    if (options.showPath.isEmpty()) {
        error = QStringLiteral("no show given");
        return std::nullopt;
    }
    if (simulationOption && !options.simulate) {
        error = QStringLiteral(
            "--transitions, --music-ms, --stop-at and --dump-frames need "
            "--simulate");
        return std::nullopt;
    }
    if (options.simulate && !options.simulation.transitions && !options.simulation.stopAtMs) {
        error = QStringLiteral("a simulated show runs until --transitions N or --stop-at MS");
        return std::nullopt;
    }
    return options;
}

int simulate(const EditableShow& show, const SimulationOptions& options)
{
    const EditableShowSource source(show);
    SimulatedShow simulation(source, options, [](const QByteArray& line) {
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
        std::fputc('\n', stdout);
    });
    const Status status = simulation.run();
    std::fflush(stdout);
    return status.ok() ? kSuccess : fail(status.error(), kRefused);
}

int run(const QStringList& args)
{
    QString error;
    const std::optional<PlayOptions> options = parse(args, error);
    if (!options) {
        return fail(error + QStringLiteral("\nusage: kremoa-cli ") + QLatin1String(kUsage),
                    kRefused);
    }
    if (!options->simulate) {
        // SIGTERM, SIGINT and SIGHUP end a preview like a key press, whenever they come, and
        // within the grace even while a large picture is being decoded.
        StopSignals::install();
        StopSignals::armWatchdog(StopSignals::kGrace);
    }
    const Expected<EditableShow> show = loadShow(options->showPath);
    if (!show.ok()) {
        return fail(show.error(), kRefused);
    }
    if (show->slideCount() == 0) {
        return fail(QStringLiteral("the show has no slides"), kRefused);
    }
    // Nothing can be shown on an empty canvas, simulated or not.
    if (show->canvasWidth <= 0 || show->canvasHeight <= 0) {
        return fail(QStringLiteral("the canvas is empty (%1x%2): nothing to show")
                        .arg(show->canvasWidth)
                        .arg(show->canvasHeight),
                    kRefused);
    }
    if (options->simulate) {
        return simulate(show.value(), options->simulation);
    }
    ProgramState state;
    const StopSignals::Handle stop = StopSignals::handle();
    Preview::run(show.value(), state, &stop);
    return kSuccess;
}

const CliCommand command("play", kUsage, &run);

}  // namespace
