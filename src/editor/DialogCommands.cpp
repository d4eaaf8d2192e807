#include "editor/DialogCommands.h"

#include "dialogs/AboutForm.h"
#include "dialogs/HelpViewer.h"
#include "dialogs/RGBForm.h"
#include "dialogs/SizeForm.h"
#include "editor/CanvasPicture.h"
#include "editor/EditorDocument.h"
#include "editor/EditorView.h"

DialogCommands::DialogCommands(EditorDocument& document, EditorView& view, Prompter& prompter,
                               QString applicationFolder)
    : document_(document),
      view_(view),
      prompter_(prompter),
      applicationFolder_(std::move(applicationFolder))
{}

void DialogCommands::menusize_Click()
{
    if (document_.count() == 0) {
        return;
    }
    constexpr int kBorderAllowance = 2 * CanvasPicture::kBorder;
    const std::optional<QSize> outer =
        SizeForm::run(view_.dialogOwner(), prompter_, document_.canvasSize(), kBorderAllowance);
    if (outer) {
        view_.placeCanvas(QPoint(kResizedCanvasOffset, kResizedCanvasOffset));
        document_.setCanvasSize(*outer - QSize(kBorderAllowance, kBorderAllowance));
        view_.Form_Resize();
    }
    view_.List1_Click();
}

void DialogCommands::menucolor_Click()
{
    if (document_.count() == 0) {
        return;
    }
    if (const std::optional<quint32> colour =
            RGBForm::run(view_.dialogOwner(), document_.backColor())) {
        document_.setBackColor(*colour);
    }
    view_.List1_Click();
}

void DialogCommands::menuhow_Click()
{
    HelpViewer::menuhow_Click(applicationFolder_);
}

void DialogCommands::menuabout_Click()
{
    AboutForm::run(view_.dialogOwner());
}
