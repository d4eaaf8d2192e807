#include "editor/ThumbnailFrame.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kMidLightness = 128;

// A dragged frame names its strip and program, so frames dragged from another window or
// another running program are not taken for this strip's own.
QByteArray frameTag(const QObject* strip)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(strip), 16) + ':';
}

QStringList localFiles(const QMimeData* data)
{
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    return paths;
}

}  // namespace

ThumbnailFrame::ThumbnailFrame(int index, QWidget* parent)
    : QWidget(parent),
      index_(index),
      image_(kOuterSize - 2 * kBorder, kOuterSize - 2 * kBorder, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("picFrame_%1").arg(index));
    resize(kOuterSize, kOuterSize);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(palette().color(QPalette::Window));
}

QSize ThumbnailFrame::innerSize() const
{
    return image_.size();
}

void ThumbnailFrame::showPicture(const QString& path, const QImage& picture)
{
    path_ = path;
    picture_ = picture;
    waiting_ = false;
    outlined_ = false;
    compose();
}

void ThumbnailFrame::showWaiting(const QString& path, QColor background)
{
    path_ = path;
    picture_ = QImage();
    background_ = background;
    waiting_ = true;
    outlined_ = false;
    compose();
}

void ThumbnailFrame::pictureArrived(const QImage& picture)
{
    picture_ = picture;
    waiting_ = false;
    compose();
}

void ThumbnailFrame::drawOutline()
{
    outlined_ = true;
    compose();
}

void ThumbnailFrame::compose()
{
    if (picture_.isNull()) {
        image_.fill(waiting_ ? background_ : palette().color(QPalette::Window));
    }
    QPainter painter(&image_);
    if (!picture_.isNull()) {
        painter.drawImage(image_.rect(), picture_);
    }
    if (outlined_) {
        const QRect outline(0, 0, image_.width() - 1, image_.height() - 1);
        painter.setBrush(Qt::NoBrush);
        // The window-background colour is that of text areas (Base), not of dialogs (Window).
        painter.setPen(QPen(palette().color(QPalette::Base), kOutlineWidth));
        painter.drawRect(outline);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kHighlightWidth));
        painter.drawRect(outline);
    }
    painter.end();
    update();
}

QMimeData* ThumbnailFrame::dragData() const
{
    auto* data = new QMimeData;
    data->setData(kFrameMimeType, frameTag(parent()) + QByteArray::number(index_));
    return data;
}

void ThumbnailFrame::startDrag()
{
    QMimeData* data = dragData();
    QPixmap outline(size());
    outline.fill(Qt::transparent);
    QPainter painter(&outline);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kBorder));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.end();
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(outline);
    drag->setHotSpot(mapFromGlobal(QCursor::pos()));
    drag->exec(Qt::MoveAction);
}

void ThumbnailFrame::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), palette().dark());
    painter.fillRect(rect().adjusted(kBorder, kBorder, 0, 0), palette().light());
    painter.drawImage(kBorder, kBorder, image_);
    if (waiting_) {
        painter.setPen(background_.lightness() < kMidLightness ? Qt::white : Qt::black);
        const QRect inner(QPoint(kBorder, kBorder), image_.size());
        const QString name =
            fontMetrics().elidedText(QFileInfo(path_).fileName(), Qt::ElideMiddle, inner.width());
        painter.drawText(inner, Qt::AlignCenter, name);
    }
}

void ThumbnailFrame::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT pressed(index_);
}

void ThumbnailFrame::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT moved(index_);
}

void ThumbnailFrame::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT released(index_);
}

void ThumbnailFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(kFrameMimeType) || event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void ThumbnailFrame::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasFormat(kFrameMimeType)) {
        const QByteArray tag = frameTag(parent());
        const QByteArray content = data->data(kFrameMimeType);
        bool ok = false;
        const int source = content.mid(tag.size()).toInt(&ok);
        event->acceptProposedAction();
        if (ok && content.startsWith(tag)) {
            Q_EMIT frameDropped(source, index_);
        }
    } else if (data->hasUrls()) {
        event->acceptProposedAction();
        Q_EMIT filesDropped(localFiles(data));
    }
}
