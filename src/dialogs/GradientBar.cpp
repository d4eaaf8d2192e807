#include "dialogs/GradientBar.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

int column(const QMouseEvent* event)
{
    return static_cast<int>(std::floor(event->position().x()));
}

}  // namespace

GradientBar::GradientBar(QWidget* parent)
    : QWidget(parent), picture_(kWidth, kHeight, QImage::Format_RGB32)
{
    picture_.fill(Qt::black);
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void GradientBar::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed(column(event));
}

void GradientBar::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT moved(column(event));
}

void GradientBar::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT released(column(event));
}
