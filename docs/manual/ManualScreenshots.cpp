// Takes the manual's pictures of the program's own windows: the widgets are rendered offscreen
// with QWidget::grab() and saved as PNG files.
//
//   kremoa-manual-screenshots OUTPUT_FOLDER DEMO_WORKSPACE APPLICATION_FOLDER

#include "builder/SaveForm.h"
#include "dialogs/AboutForm.h"
#include "dialogs/FileDialogQuestions.h"
#include "dialogs/MessageBoxPrompter.h"
#include "dialogs/RGBForm.h"
#include "dialogs/SizeForm.h"
#include "document/WorkspaceFile.h"
#include "editor/CanvasPicture.h"
#include "editor/MainForm.h"
#include "editor/MainLayout.h"
#include "editor/PropertyPanel.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollArea>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kArgumentCount = 4;
constexpr int kShownSlide = 1;
// The pictures show the demo's paths; a fixed folder keeps them the same whichever build
// folder took them.
const QString kDemoFolderName = QStringLiteral("クレモアのデモ");

bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = widget.grab().save(path, "PNG");
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

// Copies one file of the demo into `folder` and answers its new path; empty stays empty.
QString copiedInto(const QDir& folder, const QString& path)
{
    if (path.isEmpty()) {
        return path;
    }
    const QString copy = folder.filePath(QFileInfo(path).fileName());
    if (!QFile::exists(copy)) {
        QFile::copy(path, copy);
    }
    return copy;
}

// The demo workspace with its files copied into the fixed folder; empty when it cannot be made.
QString relocatedDemo(const QString& workspace)
{
    const Expected<WorkspaceRecord> loaded = WorkspaceFile::load(workspace);
    QDir folder(QDir::temp().filePath(kDemoFolderName));
    if (!loaded || !folder.removeRecursively() || !folder.mkpath(QStringLiteral("."))) {
        return QString();
    }
    EditableShow show = WorkspaceFile::toShow(loaded.value());
    for (QString& image : show.imagePaths) {
        image = copiedInto(folder, image);
    }
    for (SlideItem& slide : show.document.Slides) {
        slide.SoundPath = copiedInto(folder, slide.SoundPath);
    }
    show.bgmPath = copiedInto(folder, show.bgmPath);
    const QString relocated = folder.filePath(QFileInfo(workspace).fileName());
    return WorkspaceFile::save(relocated, WorkspaceFile::fromShow(show)) ? relocated : QString();
}

// Lets the pictures the window decodes on its threads arrive.
void waitForPictures(const MainForm& form)
{
    const auto* canvas = form.findChild<CanvasPicture*>(QStringLiteral("MainPicture"));
    const auto* strip = form.findChild<ThumbnailStrip*>(QStringLiteral("picImage"));
    const auto waiting = [&] {
        if (!canvas->waitingName().isEmpty()) {
            return true;
        }
        for (qsizetype j = 0; j < strip->frameCount(); ++j) {
            if (strip->frame(j)->isVisible() && strip->frame(j)->isWaiting()) {
                return true;
            }
        }
        return false;
    };
    while (waiting()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != kArgumentCount) {
        std::fputs("usage: kremoa-manual-screenshots OUTPUT_FOLDER DEMO_WORKSPACE APP_FOLDER\n",
                   stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString workspace = relocatedDemo(QString::fromLocal8Bit(argv[2]));
    const QString applicationFolder = QString::fromLocal8Bit(argv[3]);
    if (workspace.isEmpty() || !folder.mkpath(QStringLiteral("."))) {
        return 1;
    }

    FileDialogQuestions questions;
    MessageBoxPrompter prompter;
    MainForm form(questions, prompter, applicationFolder, QDir::tempPath() + QDir::separator());
    auto& panel = *form.findChild<PropertyPanel*>(QStringLiteral("Frame1"));
    form.show();
    QApplication::processEvents();
    // Tall enough for the whole panel, which scrolls in a shorter window.
    const int panelNeeds =
        panel.height() - panel.area()->viewport()->height() + panel.content()->sizeHint().height();
    const int innerHeight = std::max(MainForm::kInnerHeight, MainLayout::kPanelTop + panelNeeds +
                                                                 MainLayout::kStripHeight +
                                                                 MainLayout::kStripScrollHeight);
    form.resize(form.width(), form.height() - form.centralWidget()->height() + innerHeight);
    QApplication::processEvents();
    form.Form_Load(workspace);
    form.document().setCurrentIndex(kShownSlide);
    waitForPictures(form);

    bool saved = save(form, folder, QStringLiteral("main.png"));
    saved = save(panel, folder, QStringLiteral("panel.png")) && saved;

    const CanvasPicture& canvas = *form.findChild<CanvasPicture*>(QStringLiteral("MainPicture"));
    SizeForm size(prompter, {canvas.innerWidth(), canvas.innerHeight()},
                  canvas.width() - canvas.innerWidth());
    saved = save(size, folder, QStringLiteral("size.png")) && saved;

    RGBForm colour(canvas.backColor());
    saved = save(colour, folder, QStringLiteral("color.png")) && saved;

    AboutForm about;
    saved = save(about, folder, QStringLiteral("about.png")) && saved;

    const EditableShow show = form.document().show();
    SaveForm builder(show, prompter, questions, applicationFolder);
    saved = save(builder, folder, QStringLiteral("builder.png")) && saved;

    return saved ? 0 : 1;
}
