// EditorBench: the editor with a show of 200 slides of 4000 x 3000 JPEG photos.
//
//   EditorBench [FOLDER]      (FOLDER keeps the pictures between runs; default: a temporary one)
//
// Prints, in milliseconds:
//   start-up   QApplication, main window, the workspace named on the command line opened and the
//              window painted: what a user waits for after starting `kremoa show.kwp`;
//   select     a slide selected and the canvas and strip repainted: scrolled to slides never
//              shown (thumbnails and canvas decoded), a neighbour (canvas decoded), and a slide
//              shown before (everything from the caches).
// Run with QT_QPA_PLATFORM=offscreen. Targets: start-up under 2000, a cached select under 150.
#include "dialogs/FileQuestions.h"
#include "document/Prompter.h"
#include "document/WorkspaceFile.h"
#include "editor/CanvasPicture.h"
#include "editor/Main.h"
#include "editor/MainForm.h"
#include "editor/ThumbnailStrip.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int kSlides = 200;
constexpr QSize kPhotoSize(4000, 3000);
constexpr int kJpegQuality = 90;

// A photo-like picture: gradients with noise, so the JPEG has real detail to decode.
QImage photo()
{
    QImage picture(kPhotoSize, QImage::Format_RGB32);
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

QString makeShow(const QString& folder)
{
    const QString first = folder + QStringLiteral("/photo000.jpg");
    if (!QFile::exists(first) && !photo().save(first, "JPEG", kJpegQuality)) {
        return QString();
    }
    EditableShow show;
    for (int i = 0; i < kSlides; ++i) {
        const QString path =
            folder + QStringLiteral("/photo%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
        if (!QFile::exists(path) && !QFile::copy(first, path)) {
            return QString();
        }
        show.imagePaths.append(path);
        show.document.Slides.append(SlideItem());
    }
    show.document.SlideCount = kSlides;
    show.canvasWidth = 640;
    show.canvasHeight = 480;
    const QString workspace = folder + QStringLiteral("/show.kwp");
    return WorkspaceFile::save(workspace, WorkspaceFile::fromShow(show)).ok() ? workspace
                                                                              : QString();
}

// Answers nothing: the bench asks no questions.
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

void repaint(MainForm& form)
{
    form.MainPicture->repaint();
    form.picImage->repaint();
    QApplication::processEvents();
}

double selectAndPaint(MainForm& form, int index, int scrollTo)
{
    QElapsedTimer timer;
    timer.start();
    form.sclImage->setValue(scrollTo);
    form.setCurrentIndex(index);
    repaint(form);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer startUp;
    startUp.start();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QTemporaryDir temporary;
    const QString folder = arguments.size() > 1 ? arguments[1] : temporary.path();
    QDir().mkpath(folder);

    // The pictures are made before the clock that matters starts.
    const qint64 applicationMs = startUp.elapsed();
    QElapsedTimer making;
    making.start();
    const QString workspace = makeShow(folder);
    if (workspace.isEmpty()) {
        std::fprintf(stderr, "cannot write the show into %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("show: %d slides of %dx%d JPEG in %s (made in %lld ms)\n", kSlides,
                kPhotoSize.width(), kPhotoSize.height(), qPrintable(folder),
                static_cast<long long>(making.elapsed()));

    SilentQuestions questions;
    SilentPrompter prompter;
    QElapsedTimer window;
    window.start();
    const std::unique_ptr<MainForm> form =
        Main::start(QDir::tempPath(), {QStringLiteral("kremoa"), workspace}, questions, prompter,
                    QApplication::applicationDirPath());
    if (!form || form->document().count() != kSlides) {
        std::fprintf(stderr, "the workspace did not open\n");
        return 1;
    }
    repaint(*form);
    std::printf("start-up: %lld ms (QApplication %lld ms + window with the show %lld ms)\n",
                static_cast<long long>(applicationMs + window.elapsed()),
                static_cast<long long>(applicationMs), static_cast<long long>(window.elapsed()));

    std::printf("select, strip scrolled to slides never shown: %.1f ms\n",
                selectAndPaint(*form, 100, 100));
    std::printf("select a neighbour, first time (canvas decoded): %.1f ms\n",
                selectAndPaint(*form, 101, 100));
    std::printf("select slide 100 again (cached): %.1f ms\n", selectAndPaint(*form, 100, 100));
    std::printf("select slide 101 again (cached): %.1f ms\n", selectAndPaint(*form, 101, 100));
    return 0;
}
