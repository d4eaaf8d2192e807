// kremoa-cli trace: runs one transition effect on a recording canvas with the virtual clock and
// prints every drawing operation and frame wait as one JSON object per line.

#include "CliCommand.h"

#include "effects/EffectCatalogue.h"
#include "effects/EffectContext.h"
#include "effects/EffectDispatch.h"
#include "effects/ProgramState.h"
#include "effects/RecordingCanvas.h"
#include "effects/VirtualTicker.h"

#include <QTextStream>

#include <cstdio>
#include <map>
#include <optional>

namespace {

constexpr int kMaxSpeedIndex = kSpeedCount - 1;

struct TraceOptions {
    int effect = 0;
    int width = 0;
    int height = 0;
    int speedIndex = 0;
    std::optional<int> stopAtFrame;
};

int fail(const QString& message)
{
    QTextStream(stderr) << "trace: " << message << '\n';
    return 2;
}

// Reads "--name value" pairs; every value is an integer. Returns the unknown or malformed
// argument's description on failure.
std::optional<QString> parse(const QStringList& args, std::map<QString, int>& values)
{
    for (qsizetype i = 0; i < args.size(); i += 2) {
        if (!args[i].startsWith(QStringLiteral("--")) || i + 1 >= args.size()) {
            return QStringLiteral("expected --name value, got \"%1\"").arg(args[i]);
        }
        bool ok = false;
        const int value = args[i + 1].toInt(&ok);
        if (!ok) {
            return QStringLiteral("%1 needs a whole number").arg(args[i]);
        }
        values[args[i].mid(2)] = value;
    }
    return std::nullopt;
}

std::optional<TraceOptions> options(const QStringList& args, QString& error)
{
    std::map<QString, int> values;
    if (const auto problem = parse(args, values)) {
        error = *problem;
        return std::nullopt;
    }
    TraceOptions result;
    const auto take = [&](const char* name, int& target) {
        const auto found = values.find(QString::fromLatin1(name));
        if (found == values.end()) {
            return false;
        }
        target = found->second;
        values.erase(found);
        return true;
    };
    if (!take("effect", result.effect) || !take("width", result.width) ||
        !take("height", result.height)) {
        error = QStringLiteral("--effect, --width and --height are required");
        return std::nullopt;
    }
    take("speed", result.speedIndex);
    int frame = 0;
    if (take("stop-at-frame", frame)) {
        result.stopAtFrame = frame;
    }
    if (!values.empty()) {
        error = QStringLiteral("unknown option --%1").arg(values.begin()->first);
        return std::nullopt;
    }
    if (result.width < 1 || result.height < 1) {
        error = QStringLiteral("width and height must be at least 1");
        return std::nullopt;
    }
    if (result.speedIndex < 0 || result.speedIndex > kMaxSpeedIndex) {
        error = QStringLiteral("--speed must be 0 to %1").arg(kMaxSpeedIndex);
        return std::nullopt;
    }
    return result;
}

int run(const QStringList& args)
{
    QString error;
    const std::optional<TraceOptions> trace = options(args, error);
    if (!trace) {
        return fail(error);
    }
    RecordingCanvas canvas(trace->width, trace->height);
    VirtualTicker ticker;
    ticker.setWaitObserver([&canvas](std::int64_t deadline) { canvas.recordWait(deadline); });
    if (trace->stopAtFrame) {
        ticker.stopDuringWait(*trace->stopAtFrame);
    }
    ProgramState state;
    state.EffectSpeed = effectSpeedForIndex(trace->speedIndex);
    EffectContext context{canvas, ticker, state};
    runTransition(trace->effect, context);
    for (const RecordedOperation& operation : canvas.operations()) {
        std::fputs(operation.toJson().c_str(), stdout);
        std::fputc('\n', stdout);
    }
    return 0;
}

const CliCommand command("trace",
                         "trace --effect N --width W --height H [--speed S] [--stop-at-frame K]",
                         &run);

}  // namespace
