#include "editor/ToolbarIcons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kIconSize = 16;
const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kFolder(230, 190, 70);
const QColor kDisk(60, 90, 170);
const QColor kScreen(70, 140, 210);
const QColor kGreen(40, 150, 60);
const QColor kRed(200, 40, 40);
const QColor kSky(150, 200, 240);
const QColor kHill(70, 160, 80);
const QColor kSun(250, 200, 40);

void drawPage(QPainter& painter, const QRect& page)
{
    painter.setPen(kInk);
    painter.setBrush(kPaper);
    painter.drawRect(page);
}

void drawLandscape(QPainter& painter, const QRectF& area)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSky);
    painter.drawRect(area);
    painter.setBrush(kSun);
    const qreal sun = area.width() / 4;
    painter.drawEllipse(QRectF(area.right() - sun * 1.5, area.top() + sun / 3, sun, sun));
    painter.setBrush(kHill);
    QPainterPath hill;
    hill.moveTo(area.bottomLeft());
    hill.lineTo(area.left() + area.width() * 0.35, area.top() + area.height() * 0.45);
    hill.lineTo(area.left() + area.width() * 0.6, area.top() + area.height() * 0.7);
    hill.lineTo(area.left() + area.width() * 0.8, area.top() + area.height() * 0.55);
    hill.lineTo(area.bottomRight());
    hill.closeSubpath();
    painter.drawPath(hill);
}

void drawPicture(QPainter& painter, ToolbarIcons::Picture picture)
{
    using Picture = ToolbarIcons::Picture;
    switch (picture) {
        case Picture::New:
            drawPage(painter, QRect(3, 1, 10, 14));
            break;
        case Picture::Open:
            painter.setPen(kInk);
            painter.setBrush(kFolder.darker(120));
            painter.drawRect(1, 3, 13, 11);
            painter.setBrush(kFolder);
            painter.drawPolygon(
                QPolygon({QPoint(1, 14), QPoint(4, 7), QPoint(15, 7), QPoint(13, 14)}));
            break;
        case Picture::Save:
            painter.setPen(kInk);
            painter.setBrush(kDisk);
            painter.drawRect(1, 1, 13, 13);
            painter.setBrush(kPaper);
            painter.drawRect(4, 1, 7, 5);
            painter.drawRect(3, 9, 9, 5);
            break;
        case Picture::Create:
            painter.setPen(kInk);
            painter.setBrush(kScreen);
            painter.drawRect(1, 1, 13, 10);
            painter.drawLine(7, 11, 7, 13);
            painter.drawLine(4, 14, 11, 14);
            drawLandscape(painter, QRectF(2, 2, 12, 9));
            break;
        case Picture::Copy:
            drawPage(painter, QRect(1, 1, 9, 11));
            drawPage(painter, QRect(5, 4, 9, 11));
            break;
        case Picture::Preview:
            painter.setPen(kInk);
            painter.setBrush(kGreen);
            painter.drawPolygon(QPolygon({QPoint(4, 2), QPoint(13, 8), QPoint(4, 14)}));
            break;
        case Picture::Add:
            drawLandscape(painter, QRectF(1, 3, 11, 9));
            painter.setPen(QPen(kGreen, 2));
            painter.drawLine(12, 9, 12, 15);
            painter.drawLine(9, 12, 15, 12);
            break;
        case Picture::Delete:
            drawLandscape(painter, QRectF(1, 3, 11, 9));
            painter.setPen(QPen(kRed, 2));
            painter.drawLine(9, 9, 15, 15);
            painter.drawLine(15, 9, 9, 15);
            break;
    }
}

}  // namespace

QIcon ToolbarIcons::icon(Picture picture)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawPicture(painter, picture);
    painter.end();
    return QIcon(pixmap);
}

QImage ToolbarIcons::applicationPicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 16.0;
    const QRectF frame(margin, margin * 2, size - 2 * margin, size - 4 * margin);
    painter.setPen(QPen(kInk, margin / 2));
    painter.setBrush(kFolder);
    painter.drawRoundedRect(frame, margin, margin);
    drawLandscape(painter, frame.adjusted(margin, margin, -margin, -margin));
    painter.end();
    return image;
}
