#include "editor/DialogCommands.h"

#include "dialogs/AboutForm.h"
#include "dialogs/HelpViewer.h"
#include "dialogs/RGBForm.h"
#include "dialogs/SizeForm.h"
#include "editor/CanvasPicture.h"
#include "editor/MainForm.h"

DialogCommands::DialogCommands(MainForm& form) : form_(form) {}

void DialogCommands::menusize_Click()
{
    if (form_.document().count() == 0) {
        return;
    }
    CanvasPicture& canvas = *form_.MainPicture;
    const std::optional<QSize> outer =
        SizeForm::run(&form_, form_.prompter(), QSize(canvas.innerWidth(), canvas.innerHeight()),
                      canvas.width() - canvas.innerWidth());
    if (outer) {
        canvas.move(kResizedCanvasOffset, kResizedCanvasOffset);
        canvas.setOuterSize(outer->width(), outer->height());
        form_.Form_Resize();
    }
    form_.List1_Click();
}

void DialogCommands::menucolor_Click()
{
    if (form_.document().count() == 0) {
        return;
    }
    if (const std::optional<quint32> colour =
            RGBForm::run(&form_, form_.MainPicture->backColor())) {
        form_.MainPicture->setBackColor(*colour);
    }
    form_.List1_Click();
}

void DialogCommands::menuhow_Click()
{
    HelpViewer::menuhow_Click(form_.applicationFolder());
}

void DialogCommands::menuabout_Click()
{
    AboutForm::run(&form_);
}
