// Drawing cost and pacing of every transition effect on real pixels.
//
// Drawing cost: per effect and canvas size, the mean drawing time per frame on ImageCanvas (with a
// ticker that never waits), and its ratio to one full-frame memcpy measured in the same run.
// Pacing: per effect, a real run at 8x speed on 1920x1080 with the event-loop ticker, as
// measured duration / virtual-clock duration (the sum over frames of period + 1 ms).
//
// Usage: EffectBench [--quick | --effect N]
//   --quick: one repetition, 1080p only; --effect N: only the drawing cost of effect N at 1080p,
//   ten times (for a profiler).

#include "effects/EffectCatalogue.h"
#include "effects/EffectDispatch.h"
#include "effects/ProgramState.h"
#include "effects/VirtualTicker.h"
#include "platform/EventLoopTicker.h"
#include "player/ImageCanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFastSpeed = 8;
constexpr int kMemcpyRepetitions = 50;

struct Size {
    int width;
    int height;
};

// Never waits and counts the frames.
class NoWaitTicker : public Ticker {
public:
    std::int64_t now() override { return 0; }
    void pumpEvents(ProgramState&) override {}
    void waitPast(std::int64_t, ProgramState&) override { ++frames; }
    int frames = 0;
};

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of the whole process: drawing cost, not the share of a busy machine we got.
double cpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

QImage picture(Size size, QColor from, QColor to)
{
    QImage image(size.width, size.height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width, size.height);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(image.rect(), gradient);
    return image;
}

double memcpySeconds(Size size)
{
    const std::size_t bytes = std::size_t(size.width) * size.height * 4;
    std::vector<unsigned char> from(bytes, 1);
    std::vector<unsigned char> to(bytes, 2);
    std::memcpy(to.data(), from.data(), bytes);
    const double start = cpuSeconds();
    for (int i = 0; i < kMemcpyRepetitions; ++i) {
        from[i] = static_cast<unsigned char>(i);
        std::memcpy(to.data(), from.data(), bytes);
    }
    const double seconds = (cpuSeconds() - start) / kMemcpyRepetitions;
    return to[kMemcpyRepetitions - 1] == kMemcpyRepetitions - 1 ? seconds : -1.0;
}

void drawingCost(Size size, int repetitions, int firstEffect = 1, int lastEffect = kEffectCount - 1)
{
    const QImage outgoing = picture(size, Qt::red, Qt::blue);
    const QImage incoming = picture(size, Qt::green, Qt::yellow);
    QImage screen = outgoing.copy();
    ImageCanvas canvas(screen, outgoing, incoming);
    std::printf("\n%dx%d (processor time; memcpy measured next to each effect)\n", size.width,
                size.height);
    std::printf("%-3s %-26s %7s %10s %10s %8s\n", "no", "procedure", "frames", "ms/frame",
                "memcpy ms", "xmemcpy");
    double worst = 0.0;
    for (int effect = firstEffect; effect <= lastEffect; ++effect) {
        ProgramState state;
        NoWaitTicker ticker;
        EffectContext context{canvas, ticker, state};
        runTransition(effect, context);  // warm-up: caches and pages
        ticker.frames = 0;
        const double copy = memcpySeconds(size);
        const double start = cpuSeconds();
        for (int r = 0; r < repetitions; ++r) {
            runTransition(effect, context);
        }
        const double perFrame = (cpuSeconds() - start) / ticker.frames;
        const double ratio = perFrame / copy;
        worst = std::max(worst, ratio);
        std::printf("%-3d %-26s %7d %10.3f %10.3f %8.2f\n", effect,
                    effectCatalogue()[effect].procedureName, ticker.frames / repetitions,
                    perFrame * 1e3, copy * 1e3, ratio);
    }
    std::printf("worst ratio to memcpy: %.2f\n", worst);
}

// The first figure of /proc/loadavg: waits wake late on a busy machine.
std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string first;
    file >> first;
    return first.empty() ? std::string("unknown") : first;
}

void pacing(Size size)
{
    const QImage outgoing = picture(size, Qt::red, Qt::blue);
    const QImage incoming = picture(size, Qt::green, Qt::yellow);
    QImage screen = outgoing.copy();
    ImageCanvas canvas(screen, outgoing, incoming);
    EventLoopTicker realTicker;
    std::printf("\nreal runs at x%d on %dx%d (EventLoopTicker)\n", kFastSpeed, size.width,
                size.height);
    std::printf("%-3s %-26s %10s %10s %7s %12s\n", "no", "procedure", "real ms", "virtual ms",
                "ratio", "late ms/frame");
    double worst = 0.0;
    for (int effect = 1; effect < kEffectCount; ++effect) {
        ProgramState virtualState;
        virtualState.EffectSpeed = kFastSpeed;
        VirtualTicker virtualTicker;
        EffectContext virtualContext{canvas, virtualTicker, virtualState};
        runTransition(effect, virtualContext);
        const double virtualMs = static_cast<double>(virtualTicker.now());
        const int frames = virtualTicker.waitCount();

        ProgramState state;
        state.EffectSpeed = kFastSpeed;
        EffectContext context{canvas, realTicker, state};
        // Start on a fresh millisecond, as a frame loop does after a wait.
        realTicker.waitPast(realTicker.now(), state);
        const auto start = Clock::now();
        runTransition(effect, context);
        const double realMs = secondsSince(start) * 1e3;
        const double ratio = realMs / virtualMs;
        worst = std::max(worst, ratio);
        std::printf("%-3d %-26s %10.1f %10.0f %7.3f %12.2f\n", effect,
                    effectCatalogue()[effect].procedureName, realMs, virtualMs, ratio,
                    (realMs - virtualMs) / frames);
    }
    std::printf("worst real/virtual: %.3f (machine load average %s)\n", worst,
                loadAverage().c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    constexpr int kProfileRepetitions = 10;
    if (argc > 2 && std::strcmp(argv[1], "--effect") == 0) {
        const int effect = std::atoi(argv[2]);
        drawingCost({1920, 1080}, kProfileRepetitions, effect, effect);
        return 0;
    }
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    drawingCost({1920, 1080}, quick ? 1 : 3);
    if (!quick) {
        drawingCost({3840, 2160}, 1);
    }
    pacing({1920, 1080});
    return 0;
}
