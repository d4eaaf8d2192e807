#include "player/SimulatedShow.h"

#include "player/ImageCanvasFactory.h"
#include "player/QtPixels.h"
#include "player/ShowLoop.h"
#include "player/ShowStage.h"

#include <QDir>

namespace {
constexpr int kFrameNumberWidth = 4;
}

SimulatedShow::SimulatedShow(const ShowSource& source, SimulationOptions options,
                             SimulationLog::LineWriter writeLine)
    : source_(source),
      options_(std::move(options)),
      log_(ticker_, std::move(writeLine)),
      audio_(ticker_, *this, options_.musicMs)
{}

Status SimulatedShow::run()
{
    if (!options_.transitions && !options_.stopAtMs) {
        return Status::failure(
            QStringLiteral("a simulated show needs --transitions N or --stop-at MS to end"));
    }
    if (!options_.dumpFolder.isEmpty() && !QDir().mkpath(options_.dumpFolder)) {
        return Status::failure(QStringLiteral("cannot create %1").arg(options_.dumpFolder));
    }
    ShowStage offscreen;
    ImageCanvasFactory canvases;
    ShowLoop loop(source_, audio_, ticker_, state_, offscreen, *this, canvases);
    loop.run();
    return failure_.isEmpty() ? Status::success() : Status::failure(failure_);
}

void SimulatedShow::slideShown(int slide)
{
    log_.slideShown(slide);
    // Armed only now: a key pressed while the show starts would be forgotten.
    if (options_.stopAtMs) {
        ticker_.stopAt(*options_.stopAtMs);
    }
}

void SimulatedShow::framesComposed(int pass, const PixelImage& outgoing, const PixelImage& incoming)
{
    if (options_.dumpFolder.isEmpty()) {
        return;
    }
    if (!writeFrame(outgoing, pass, "out") || !writeFrame(incoming, pass, "in")) {
        state_.requestStop();
    }
}

void SimulatedShow::transitionStarting(int from, int to, int effect, int speed)
{
    log_.transitionStarting(from, to, effect, speed);
}

void SimulatedShow::transitionFinished(int pass)
{
    if (options_.transitions && pass >= *options_.transitions) {
        state_.requestStop();
    }
}

void SimulatedShow::stopped()
{
    log_.stopped();
}

void SimulatedShow::mciCommand(const std::string& command)
{
    log_.mciCommand(command);
}

void SimulatedShow::soundStarted(const std::string& key)
{
    log_.soundStarted(key);
}

void SimulatedShow::soundsPurged()
{
    log_.soundsPurged();
}

bool SimulatedShow::writeFrame(const PixelImage& frame, int pass, const char* suffix)
{
    const QString name = QStringLiteral("%1-%2.png")
                             .arg(pass, kFrameNumberWidth, 10, QLatin1Char('0'))
                             .arg(QLatin1String(suffix));
    const QString path = QDir(options_.dumpFolder).filePath(name);
    if (QtPixels::constView(frame).save(path, "PNG")) {
        return true;
    }
    failure_ = QStringLiteral("cannot write %1").arg(path);
    return false;
}
