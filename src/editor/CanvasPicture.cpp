#include "editor/CanvasPicture.h"

#include "player/ColourRef.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace {

constexpr int kMidLightness = 128;

QPoint canvasPosition(const QMouseEvent* event)
{
    return event->position().toPoint() - QPoint(CanvasPicture::kBorder, CanvasPicture::kBorder);
}

}  // namespace

CanvasPicture::CanvasPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainPicture"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    constexpr int kNewDocumentOuterSize = 254;
    setOuterSize(kNewDocumentOuterSize, kNewDocumentOuterSize);
}

int CanvasPicture::innerWidth() const
{
    return std::max(0, width() - 2 * kBorder);
}

int CanvasPicture::innerHeight() const
{
    return std::max(0, height() - 2 * kBorder);
}

void CanvasPicture::setInnerSize(int width, int height)
{
    setOuterSize(width + 2 * kBorder, height + 2 * kBorder);
}

void CanvasPicture::setOuterSize(int width, int height)
{
    resize(std::max(0, width), std::max(0, height));
    // A hidden widget gets its resize event only when shown; the kept picture follows now.
    if (image_.size() != QSize(innerWidth(), innerHeight())) {
        QImage resized(innerWidth(), innerHeight(), QImage::Format_RGB32);
        resized.fill(ColourRef::toRgb(backColor_));
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
        painter.end();
        image_ = std::move(resized);
    }
}

quint32 CanvasPicture::backColor() const
{
    return backColor_;
}

void CanvasPicture::setBackColor(quint32 colour)
{
    backColor_ = colour;
    clear();
}

void CanvasPicture::clear()
{
    image_.fill(ColourRef::toRgb(backColor_));
    update();
}

void CanvasPicture::paintPicture(const QImage& picture, int x, int y)
{
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, picture);
    painter.end();
    update();
}

void CanvasPicture::setWaitingName(const QString& name)
{
    waitingName_ = name;
    update();
}

const QImage& CanvasPicture::image() const
{
    return image_;
}

void CanvasPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const QRect outer = rect();
    painter.fillRect(outer, palette().dark());
    painter.fillRect(outer.adjusted(kBorder, kBorder, 0, 0), palette().light());
    painter.drawImage(kBorder, kBorder, image_);
    if (!waitingName_.isEmpty()) {
        // In the colour that stands out most from the background.
        const QColor background = QColor::fromRgb(ColourRef::toRgb(backColor_));
        painter.setPen(background.lightness() < kMidLightness ? Qt::white : Qt::black);
        const QRect inner = outer.adjusted(kBorder, kBorder, -kBorder, -kBorder);
        painter.drawText(inner, Qt::AlignCenter | Qt::TextWrapAnywhere, waitingName_);
    }
}

void CanvasPicture::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    setOuterSize(event->size().width(), event->size().height());
}

void CanvasPicture::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mousePressed(canvasPosition(event));
}

void CanvasPicture::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved(canvasPosition(event));
}

void CanvasPicture::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(canvasPosition(event));
}
