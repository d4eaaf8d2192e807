// CPU cost of the player.
//
// First: a real show in an offscreen player window, with the event-loop ticker, for 20
// seconds: four 1280x720 JPEG slides with 2-second display times and transitions (wipe, clock,
// zoom, none), no music. Prints the process CPU time as a share of one core (target: < 3 %).
// Second: TransparentBlit of a 1920x1080 picture onto a 1920x1080 frame against a plain copy
// of the same rectangle (target: within 4x).
//
// Usage: PlayerBench [--seconds N]  (QT_QPA_PLATFORM defaults to offscreen)

#include "document/EditableShow.h"
#include "effects/ProgramState.h"
#include "platform/EventLoopTicker.h"
#include "platform/SdlAudio.h"
#include "player/EditableShowSource.h"
#include "player/OpaqueBlit.h"
#include "player/QtPixels.h"
#include "player/ShowPlayer.h"
#include "player/TransparentBlit.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultSeconds = 20;
constexpr int kDisplayTimeMs = 2000;
constexpr int kSlideWidth = 1280;
constexpr int kSlideHeight = 720;
constexpr int kBlitWidth = 1920;
constexpr int kBlitHeight = 1080;
constexpr int kBlitRepetitions = 60;
constexpr int kEffects[] = {5, 32, 23, 0};  // wipe left-right, clock, zoom in, none

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

QImage picture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv(seed * 70 % 360, 200, 230));
    gradient.setColorAt(1, QColor::fromHsv((seed * 70 + 150) % 360, 255, 90));
    painter.fillRect(image.rect(), gradient);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(width / 4, height / 4, width / 2, height / 2));
    return image;
}

void realShow(int seconds)
{
    QTemporaryDir folder;
    EditableShow show;
    show.canvasWidth = kSlideWidth;
    show.canvasHeight = kSlideHeight;
    for (int i = 0; i < static_cast<int>(std::size(kEffects)); ++i) {
        const QString path = folder.filePath(QStringLiteral("slide%1.jpg").arg(i));
        picture(kSlideWidth, kSlideHeight, i).save(path, "JPEG");
        show.imagePaths.append(path);
        SlideItem slide;
        slide.DisplayTime = kDisplayTimeMs;
        slide.EffectNumber = kEffects[i];
        show.document.Slides.append(slide);
    }
    const EditableShowSource source(show);
    SdlAudio audio;
    EventLoopTicker ticker;
    ProgramState state;
    QTimer::singleShot(std::chrono::seconds(seconds), [&] {
        state.requestStop();
        ticker.wake();
    });

    const double cpuBefore = cpuSeconds();
    const auto wallBefore = Clock::now();
    ShowPlayer::play(source, audio, ticker, state, PlayerWindow::Options{});
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    std::printf(
        "real show, %dx%d, %d ms display times: %.2f s CPU in %.2f s = %.2f %% of one "
        "core (target < 3 %%)\n",
        kSlideWidth, kSlideHeight, kDisplayTimeMs, cpu, wall, 100.0 * cpu / wall);
}

template <typename Work>
double medianMs(Work work)
{
    std::vector<double> times;
    for (int i = 0; i < kBlitRepetitions; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

void blits()
{
    const PixelImage source = QtPixels::picture(picture(kBlitWidth, kBlitHeight, 1));
    PixelImage frame = QtPixels::picture(picture(kBlitWidth, kBlitHeight, 2));
    const QRgb key = qRgb(0, 0, 0);  // the ellipse in the middle is transparent
    const double transparent =
        medianMs([&] { TransparentBlit(frame, 0, 0, kBlitWidth, kBlitHeight, source, 0, 0, key); });
    const double plain = medianMs([&] { OpaqueBlit(frame, 0, 0, source); });
    std::printf("TransparentBlit %dx%d: %.3f ms; plain copy: %.3f ms; ratio %.2f (target <= 4)\n",
                kBlitWidth, kBlitHeight, transparent, plain, transparent / plain);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    int seconds = kDefaultSeconds;
    const QStringList args = QCoreApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--seconds"));
        at >= 0 && at + 1 < args.size()) {
        seconds = std::max(1, args[at + 1].toInt());
    }
    blits();
    realShow(seconds);
    return 0;
}
