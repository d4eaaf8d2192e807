#include "editor/CanvasPositioner.h"

#include "dialogs/NumericText.h"
#include "editor/CanvasPicture.h"
#include "editor/MainForm.h"
#include "editor/PropertyPanel.h"
#include "effects/RoundHalfEven.h"
#include "player/ImageDecoder.h"

#include <QAction>
#include <QImageReader>
#include <QLineEdit>

namespace {

qint32 boxValue(const QLineEdit* box)
{
    return roundHalfEven(NumericText::value(box->text()).value_or(0.0));
}

}  // namespace

CanvasPositioner::CanvasPositioner(MainForm& form) : form_(form)
{
    connectSignals();
}

void CanvasPositioner::connectSignals()
{
    CanvasPicture* canvas = form_.MainPicture;
    QObject::connect(canvas, &CanvasPicture::mousePressed, &form_,
                     [this](QPoint position) { MainPicture_MouseDown(position); });
    QObject::connect(canvas, &CanvasPicture::mouseMoved, &form_,
                     [this](QPoint position) { MainPicture_MouseMove(position); });
    QObject::connect(canvas, &CanvasPicture::mouseReleased, &form_,
                     [this] { MainPicture_MouseUp(); });
    if (auto* centre = form_.findChild<QAction*>(QStringLiteral("menucenter"))) {
        QObject::connect(centre, &QAction::triggered, &form_, [this] { menucenter_Click(); });
    }
    if (auto* centreAll = form_.findChild<QAction*>(QStringLiteral("manuallcenter"))) {
        QObject::connect(centreAll, &QAction::triggered, &form_, [this] { manuallcenter_Click(); });
    }
}

void CanvasPositioner::MainPicture_MouseDown(QPoint position)
{
    EditorDocument& document = form_.document();
    if (document.selectedSlide() == nullptr) {
        return;
    }
    const QString& path = document.List1[document.ListIndex];
    DragPicture = ImageDecoder::decodeFile(path);
    if (DragPicture.isNull()) {
        form_.reportUndecodable(path);
        return;
    }
    IsDragging = kDragging;
    LastMouseX = position.x();
    LastMouseY = position.y();
}

void CanvasPositioner::MainPicture_MouseMove(QPoint position)
{
    const SlideItem* slide = form_.document().selectedSlide();
    if (IsDragging == 0 || slide == nullptr) {
        return;
    }
    // The image follows the mouse's movement since the previous event, so after stopping at
    // a limit it comes back as soon as the mouse turns round.
    writePositionBoxes(position.x() - LastMouseX + slide->PosX,
                       position.y() - LastMouseY + slide->PosY);
    LastMouseX = position.x();
    LastMouseY = position.y();
    CanvasPicture& canvas = *form_.MainPicture;
    canvas.clear();
    canvas.paintPicture(DragPicture, boxValue(form_.panel->Text2[0]),
                        boxValue(form_.panel->Text2[1]));
}

void CanvasPositioner::MainPicture_MouseUp()
{
    IsDragging = 0;
    DragPicture = QImage();
}

void CanvasPositioner::menucenter_Click()
{
    EditorDocument& document = form_.document();
    SlideItem* slide = document.selectedSlide();
    if (slide == nullptr) {
        return;
    }
    const std::optional<QSize> size = pictureSize(document.List1[document.ListIndex]);
    if (!size) {
        return;
    }
    const QPoint centred = centredPosition(*size);
    slide->PosX = centred.x();
    slide->PosY = centred.y();
    writePositionBoxes(slide->PosX, slide->PosY);
    form_.List1_Click();
}

void CanvasPositioner::manuallcenter_Click()
{
    EditorDocument& document = form_.document();
    if (document.selectedSlide() == nullptr) {
        return;
    }
    // Stored directly: only the selected slide passes through the clamping boxes below.
    for (int i = 0; i < document.count() && i < document.record.Slides.size(); ++i) {
        if (const std::optional<QSize> size = pictureSize(document.List1[i])) {
            const QPoint centred = centredPosition(*size);
            document.record.Slides[i].PosX = centred.x();
            document.record.Slides[i].PosY = centred.y();
        }
    }
    const SlideItem* selected = document.selectedSlide();
    writePositionBoxes(selected->PosX, selected->PosY);
    form_.List1_Click();
}

QPoint CanvasPositioner::centredPosition(QSize size) const
{
    const CanvasPicture& canvas = *form_.MainPicture;
    return {canvas.innerWidth() / 2 - size.width() / 2 - 1,
            canvas.innerHeight() / 2 - size.height() / 2 - 1};
}

std::optional<QSize> CanvasPositioner::pictureSize(const QString& path) const
{
    // Only the header is read: centring every slide of a show of large photos stays quick.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        form_.reportUndecodable(path);
        return std::nullopt;
    }
    if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)) {
        size.transpose();
    }
    return size;
}

void CanvasPositioner::writePositionBoxes(qint32 x, qint32 y)
{
    form_.panel->Text2[0]->setText(QString::number(x));
    form_.panel->Text2[1]->setText(QString::number(y));
}
