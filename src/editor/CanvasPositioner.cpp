#include "editor/CanvasPositioner.h"

#include "document/SourceFile.h"
#include "editor/EditorDocument.h"
#include "editor/EditorView.h"
#include "editor/PictureLoader.h"

#include <QImageReader>

CanvasPositioner::CanvasPositioner(EditorDocument& document, EditorView& view,
                                   PictureLoader& pictures)
    : document_(document), view_(view), pictures_(pictures)
{
    connect(&pictures_, &PictureLoader::wholeReady, this, &CanvasPositioner::wholeArrived);
}

void CanvasPositioner::MainPicture_MouseDown(QPoint position)
{
    const SlideItem* slide = document_.currentSlide();
    if (slide == nullptr) {
        return;
    }
    const QString path = document_.currentPath();
    const PictureLoader::CanvasPart shown = pictures_.canvasPart(path, document_.shownPart(*slide));
    if (shown.status == PictureLoader::Status::Undecodable) {
        view_.reportUndecodable(path);
        return;
    }
    // The drag starts at once with what the canvas shows; the whole picture follows.
    DragPicture = shown.picture;
    DragPictureOffset = shown.offset;
    draggedPath_ = path;
    dragMoved_ = false;
    IsDragging = kDragging;
    LastMouseX = position.x();
    LastMouseY = position.y();
    pictures_.requestWhole(path);
}

void CanvasPositioner::wholeArrived(const QString& path, const QImage& picture)
{
    if (IsDragging == 0 || path != draggedPath_) {
        return;
    }
    if (picture.isNull()) {
        view_.reportUndecodable(path);
        MainPicture_MouseUp();
        return;
    }
    DragPicture = picture;
    DragPictureOffset = QPoint();
    if (dragMoved_) {
        paintDragged();
    }
}

void CanvasPositioner::MainPicture_MouseMove(QPoint position)
{
    const SlideItem* slide = document_.currentSlide();
    if (IsDragging == 0 || slide == nullptr) {
        return;
    }
    // The image follows the mouse's movement since the previous event, so after stopping at
    // a limit it comes back as soon as the mouse turns round.
    document_.setPosition(qint64(position.x()) - LastMouseX + slide->PosX,
                          qint64(position.y()) - LastMouseY + slide->PosY);
    LastMouseX = position.x();
    LastMouseY = position.y();
    dragMoved_ = true;
    paintDragged();
}

void CanvasPositioner::paintDragged()
{
    const SlideItem* slide = document_.currentSlide();
    if (slide != nullptr) {
        view_.showDraggedPicture(DragPicture, QPoint(slide->PosX, slide->PosY) + DragPictureOffset);
    }
}

void CanvasPositioner::MainPicture_MouseUp()
{
    IsDragging = 0;
    DragPicture = QImage();
    DragPictureOffset = QPoint();
    draggedPath_.clear();
}

void CanvasPositioner::menucenter_Click()
{
    if (document_.currentSlide() == nullptr) {
        return;
    }
    const std::optional<QSize> size = pictureSize(document_.currentPath());
    if (!size) {
        return;
    }
    const QPoint centred = centredPosition(*size);
    document_.setPosition(centred.x(), centred.y());
    view_.List1_Click();
}

void CanvasPositioner::manuallcenter_Click()
{
    if (document_.currentSlide() == nullptr) {
        return;
    }
    // Stored as they are: only the current slide is then held to the panel's limits.
    for (int i = 0; i < document_.count(); ++i) {
        if (const std::optional<QSize> size = pictureSize(document_.paths()[i])) {
            document_.placeSlide(i, centredPosition(*size));
        }
    }
    const SlideItem* current = document_.currentSlide();
    document_.setPosition(current->PosX, current->PosY);
    view_.List1_Click();
}

QPoint CanvasPositioner::centredPosition(QSize size) const
{
    const QSize canvas = document_.canvasSize();
    return {canvas.width() / 2 - size.width() / 2 - 1, canvas.height() / 2 - size.height() / 2 - 1};
}

std::optional<QSize> CanvasPositioner::pictureSize(const QString& path) const
{
    // Only the header is read: centring every slide of a show of large photos stays quick.
    const Expected<std::unique_ptr<QFile>> file = SourceFile::open(path);
    if (!file) {
        view_.reportUndecodable(path);
        return std::nullopt;
    }
    QImageReader reader(file.value().get());
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        view_.reportUndecodable(path);
        return std::nullopt;
    }
    if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)) {
        size.transpose();
    }
    return size;
}
