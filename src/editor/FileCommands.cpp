#include "editor/FileCommands.h"

#include "dialogs/FileQuestions.h"
#include "document/Prompter.h"
#include "document/WorkspaceFile.h"
#include "editor/CanvasPicture.h"
#include "editor/MainForm.h"
#include "editor/PropertyPanel.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

namespace {

constexpr int kNewCanvasOuterSize = 254;
// A canvas beyond the size dialog's limit would only come from a damaged file, and its picture
// could exhaust memory.
bool isCanvasSide(qint32 side)
{
    return side >= 0 && side <= ShowDocument::kMaxCanvasSide;
}

}  // namespace

FileCommands::FileCommands(MainForm& form) : form_(form) {}

void FileCommands::menusinki_Click()
{
    EditorDocument& document = form_.document();
    document.record.reset();
    document.List1.clear();
    form_.setCurrentIndex(-1);
    form_.panel->resetNumbers();
    CanvasPicture& canvas = *form_.MainPicture;
    canvas.clear();
    canvas.setOuterSize(kNewCanvasOuterSize, kNewCanvasOuterSize);
    canvas.setBackColor(0);
    form_.panel->Combo1->setCurrentIndex(0);
    form_.Label3->clear();
    form_.Form_Resize();
    form_.RefreshThumbnails(0, true);
}

void FileCommands::menuOpen_Click()
{
    OpenWorkSpace(form_.questions().AskWorkspaceOpenPath());
}

void FileCommands::menuSaveData_Click()
{
    if (form_.document().count() == 0) {
        return;
    }
    Prompter& prompter = form_.prompter();
    for (;;) {
        QString name = form_.questions().AskWorkspaceSavePath();
        if (name.isEmpty()) {
            return;
        }
        name = WorkspaceFile::withWorkspaceSuffix(name);
        if (QFileInfo(name).isFile()) {
            const Prompter::Answer answer = prompter.ask(
                name + QStringLiteral(" ファイルはすでに存在します。\r\n上書きしますか？"),
                kSaveTitle, Prompter::Icon::Warning, Prompter::Buttons::YesNoCancel);
            if (answer == Prompter::Answer::No) {
                continue;
            }
            if (answer != Prompter::Answer::Yes) {
                return;
            }
        }
        // The old file is replaced only once the new one is complete, so a failed write
        // keeps it as it was.
        const Status saved =
            WorkspaceFile::save(name, WorkspaceFile::fromShow(form_.currentShow()));
        if (!saved) {
            prompter.tell(saved.error(), kSaveTitle, Prompter::Icon::Warning);
        }
        return;
    }
}

void FileCommands::menuend_Click()
{
    form_.close();
}

void FileCommands::OpenWorkSpace(const QString& path)
{
    if (path.isEmpty()) {
        return;
    }
    const Expected<WorkspaceRecord> loaded = WorkspaceFile::load(path);
    if (!loaded || !isCanvasSide(loaded.value().CanvasWidth) ||
        !isCanvasSide(loaded.value().CanvasHeight)) {
        form_.prompter().tell(WorkspaceFile::kCannotOpenMessage, WorkspaceFile::kCannotOpenTitle,
                              Prompter::Icon::Warning);
        return;
    }
    const EditableShow show = WorkspaceFile::toShow(loaded.value());
    EditorDocument& document = form_.document();
    CanvasPicture& canvas = *form_.MainPicture;
    document.List1.clear();
    document.ListIndex = -1;
    form_.Label3->setText(show.bgmPath);
    document.record = ShowDocument();
    document.record.BackColor = show.backColor;
    canvas.setBackColor(show.backColor);
    document.record.SlideCount = show.slideCount();
    document.record.CanvasHeight = show.canvasHeight;
    document.record.CanvasWidth = show.canvasWidth;
    canvas.setInnerSize(show.canvasWidth, show.canvasHeight);
    document.List1 = show.imagePaths;
    document.record.Slides = show.document.Slides;
    // The canvas size has changed: lay the window out again before showing slide 0.
    form_.Form_Resize();
    form_.setCurrentIndex(0);
}
