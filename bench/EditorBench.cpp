// EditorBench: how long the editor's user-interface thread is ever kept from its events while
// a show of large photos is assembled and browsed.
//
//   EditorBench [FOLDER]      (FOLDER keeps the photos between runs; default: a temporary one)
//
// The show: 200 JPEG photos of 4000 x 3000 and 20 of 8000 x 6000 (one picture of each size,
// made here with Qt, the others hard links to it) on a canvas of 1024 x 768. Three steps run in the
// editor's own event loop, each followed by a wait until every picture on view has arrived:
//   add     all 220 files added at once, as the add dialog's multiple selection gives them;
//   scroll  the thumbnail strip scrolled from the first slide to the last, a step every 20 ms;
//   select  50 slides selected one after the other, one every 50 ms.
// A 5 ms timer measures the longest stall (the latest it ever fired) in each step, and first
// for three seconds of doing nothing, which shows what the machine's other work adds. At the end
// the peak resident memory of the editor is printed (counted from after the photos were made), and
// the show is left as FOLDER/show.kwp for bench/editor_startup.sh. Run with
// QT_QPA_PLATFORM=offscreen. Targets: no stall over 50 ms; peak memory under 400 MiB.
#include "dialogs/FileQuestions.h"
#include "document/Prompter.h"
#include "document/WorkspaceFile.h"
#include "editor/CanvasPicture.h"
#include "editor/MainForm.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

constexpr int kPhotos = 200;
constexpr QSize kPhotoSize(4000, 3000);
constexpr int kLargePhotos = 20;
constexpr QSize kLargePhotoSize(8000, 6000);
constexpr int kJpegQuality = 90;
constexpr int kTickMs = 5;
constexpr int kScrollStepMs = 20;
constexpr int kSelectStepMs = 50;
constexpr int kSelections = 50;
constexpr int kFirstSelected = 100;
constexpr QSize kCanvas(1024, 768);
constexpr int kIdleMs = 3000;
const QChar kNul(u'\0');

// A photo-like picture: gradients with noise, so the JPEG has real detail to decode.
QImage photo(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int noise = static_cast<int>(random.bounded(40));
            line[x] = qRgb((x / 16 + noise) & 0xff, (y / 12 + noise) & 0xff, ((x + y) / 28) & 0xff);
        }
    }
    return picture;
}

// `count` files named prefix000.jpg ... of one picture of `size`; their names.
QStringList makePhotos(const QString& folder, const QString& prefix, int count, QSize size)
{
    const QString first = folder + QStringLiteral("/%1000.jpg").arg(prefix);
    if (!QFile::exists(first) && !photo(size).save(first, "JPEG", kJpegQuality)) {
        return {};
    }
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1%2.jpg").arg(prefix).arg(i, 3, 10, QLatin1Char('0'));
        const QString path = folder + u'/' + name;
        std::error_code error;
        if (!QFile::exists(path)) {
            std::filesystem::create_hard_link(first.toStdString(), path.toStdString(), error);
            if (error && !QFile::copy(first, path)) {
                return {};
            }
        }
        names.append(name);
    }
    return names;
}

class SilentQuestions : public FileQuestions {
public:
    QString AskWorkspaceSavePath() override { return {}; }
    QString AskWorkspaceOpenPath() override { return {}; }
    QString AskImageFiles() override { return {}; }
    QString AskBgmFile() override { return {}; }
    QString AskSoundFile() override { return {}; }
    QString AskIconFile(QWidget*) override { return {}; }
    QString BrowseForFolder(QWidget*) override { return {}; }
};

class SilentPrompter : public Prompter {
public:
    Answer ask(const QString& text, const QString&, Icon, Buttons) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Answer::Ok;
    }
};

// The latest a 5 ms timer has fired since the last reset.
class StallMeter {
public:
    StallMeter()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kTickMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            worst_ = std::max(worst_, clock_.nsecsElapsed() / 1e6 - kTickMs);
            clock_.restart();
        });
        clock_.start();
        timer_.start();
    }
    double takeWorst()
    {
        const double worst = worst_;
        worst_ = 0;
        return worst;
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    double worst_ = 0;
};

// Whether any picture on view is still on its way.
bool waiting(const MainForm& form)
{
    if (!form.findChild<CanvasPicture*>(QStringLiteral("MainPicture"))->waitingName().isEmpty()) {
        return true;
    }
    const auto* strip = form.findChild<ThumbnailStrip*>(QStringLiteral("picImage"));
    for (qsizetype j = 0; j < strip->frameCount(); ++j) {
        if (strip->frame(j)->isVisible() && strip->frame(j)->isWaiting()) {
            return true;
        }
    }
    return false;
}

// Runs `step(i)` for i = 0 .. count - 1, `everyMs` apart, then waits until every picture on
// view has arrived; prints the step's worst stall and how long it took.
void measure(const char* name, MainForm& form, StallMeter& meter, int count, int everyMs,
             const std::function<void(int)>& step)
{
    QElapsedTimer took;
    took.start();
    meter.takeWorst();
    double longestStep = 0;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer stepping;
        stepping.start();
        step(i);
        longestStep = std::max(longestStep, stepping.nsecsElapsed() / 1e6);
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < everyMs) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, everyMs);
        }
    }
    const qint64 stepped = took.elapsed();
    while (waiting(form)) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, kTickMs);
    }
    std::printf(
        "%-7s longest stall %6.1f ms  (longest step %5.1f ms; %d steps in %lld ms, "
        "pictures all in after %lld ms)\n",
        name, meter.takeWorst(), longestStep, count, static_cast<long long>(stepped),
        static_cast<long long>(took.elapsed()));
}

// Forgets the memory that making the photos took.
void resetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QTemporaryDir temporary;
    const QString folder = arguments.size() > 1 ? arguments[1] : temporary.path();
    QDir().mkpath(folder);

    QElapsedTimer making;
    making.start();
    const QStringList names =
        makePhotos(folder, QStringLiteral("photo"), kPhotos, kPhotoSize) +
        makePhotos(folder, QStringLiteral("large"), kLargePhotos, kLargePhotoSize);
    if (names.size() != kPhotos + kLargePhotos) {
        std::fprintf(stderr, "cannot write the photos into %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("show: %d JPEG of %dx%d and %d of %dx%d in %s (ready in %lld ms)\n", kPhotos,
                kPhotoSize.width(), kPhotoSize.height(), kLargePhotos, kLargePhotoSize.width(),
                kLargePhotoSize.height(), qPrintable(folder),
                static_cast<long long>(making.elapsed()));

    resetPeakResident();
    SilentQuestions questions;
    SilentPrompter prompter;
    MainForm form(questions, prompter, QApplication::applicationDirPath(),
                  QDir::tempPath() + QDir::separator());
    form.document().setCanvasSize(kCanvas);
    form.show();
    QApplication::processEvents();
    StallMeter meter;

    // The machine's own noise: the same timer while the editor does nothing.
    measure("idle", form, meter, 1, kIdleMs, [](int) {});
    measure("add", form, meter, 1, kSelectStepMs, [&](int) {
        form.AddImages(QDir::toNativeSeparators(folder) + kNul + names.join(kNul));
    });
    QScrollBar& strip = *form.findChild<QScrollBar*>(QStringLiteral("sclImage"));
    strip.setValue(0);
    measure("scroll", form, meter, strip.maximum() + 1, kScrollStepMs,
            [&](int i) { strip.setValue(i); });
    measure("select", form, meter, kSelections, kSelectStepMs,
            [&](int i) { form.document().setCurrentIndex(kFirstSelected + i); });

    const long peak = peakResidentKiB();
    std::printf("peak memory: %.1f MiB\n", peak / 1024.0);
    const QString workspace = folder + QStringLiteral("/show.kwp");
    if (WorkspaceFile::save(workspace, WorkspaceFile::fromShow(form.document().show()))) {
        std::printf("workspace: %s\n", qPrintable(workspace));
    }
    return form.document().count() == kPhotos + kLargePhotos ? 0 : 1;
}
