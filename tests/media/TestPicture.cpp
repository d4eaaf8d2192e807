#include "TestPicture.h"

#include <QLinearGradient>
#include <QPainter>

QImage TestPicture::solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage TestPicture::gradient(QSize size, QColor from, QColor to)
{
    QImage image(size, QImage::Format_RGB32);
    QLinearGradient blend(0, 0, size.width(), 0);
    blend.setColorAt(0, from);
    blend.setColorAt(1, to);
    QPainter painter(&image);
    painter.fillRect(image.rect(), blend);
    return image;
}

QImage TestPicture::ellipse(QSize size, QColor background, QColor shape)
{
    QImage image = solid(size, background);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shape);
    painter.drawEllipse(image.rect());
    return image;
}
