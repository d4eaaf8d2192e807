#include "editor/CanvasPresenter.h"

#include "editor/CanvasPicture.h"

#include <QFileInfo>

CanvasPresenter::CanvasPresenter(CanvasPicture& canvas, PictureLoader& pictures,
                                 std::function<void(const QString&)> reportUndecodable)
    : canvas_(canvas), pictures_(pictures), reportUndecodable_(std::move(reportUndecodable))
{
    connect(&pictures_, &PictureLoader::canvasPartReady, this, &CanvasPresenter::partArrived);
}

void CanvasPresenter::showPicture(const QString& path, QPoint position, const QRect& area)
{
    clear();
    const Waiting shown{path, area, position};
    const PictureLoader::CanvasPart part = pictures_.canvasPart(path, area);
    if (part.status == PictureLoader::Status::Waiting) {
        waiting_ = shown;
        canvas_.setWaitingName(QFileInfo(path).fileName());
    } else {
        paint(shown, part);
    }
}

void CanvasPresenter::partArrived(const QString& path, const QRect& area)
{
    if (!waiting_ || waiting_->path != path || waiting_->area != area) {
        return;
    }
    const PictureLoader::CanvasPart part = pictures_.canvasPart(path, area);
    // Waiting again: the file changed while it was decoded, and is decoded anew.
    if (part.status != PictureLoader::Status::Waiting) {
        const Waiting shown = *waiting_;
        waiting_.reset();
        canvas_.setWaitingName(QString());
        paint(shown, part);
    }
}

void CanvasPresenter::paint(const Waiting& shown, const PictureLoader::CanvasPart& part)
{
    if (part.status == PictureLoader::Status::Undecodable) {
        reportUndecodable_(shown.path);
    } else if (!part.picture.isNull()) {
        const QPoint corner = shown.position + part.offset;
        canvas_.paintPicture(part.picture, corner.x(), corner.y());
    }
}

void CanvasPresenter::clear()
{
    waiting_.reset();
    canvas_.setWaitingName(QString());
    canvas_.clear();
}

void CanvasPresenter::setBackColor(quint32 colour)
{
    waiting_.reset();
    canvas_.setWaitingName(QString());
    canvas_.setBackColor(colour);
}

void CanvasPresenter::showDragged(const QImage& picture, QPoint position)
{
    clear();
    if (!picture.isNull()) {
        canvas_.paintPicture(picture, position.x(), position.y());
    }
}

QImage CanvasPresenter::finishedPicture()
{
    if (waiting_) {
        const Waiting shown = *waiting_;
        waiting_.reset();
        canvas_.setWaitingName(QString());
        paint(shown, pictures_.canvasPartNow(shown.path, shown.area));
    }
    return canvas_.image();
}
