#include "DemoPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

constexpr int kStarPoints = 5;
constexpr double kStarInnerRatio = 0.42;
constexpr int kPetals = 8;
constexpr int kStripeCount = 12;
constexpr int kBubbleCount = 14;
constexpr int kFullCircleDegrees = 360;

QImage blank(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

QImage DemoPictures::sunrise(QSize size)
{
    QImage image = blank(size, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(20, 30, 90));
    sky.setColorAt(0.6, QColor(250, 140, 60));
    sky.setColorAt(1, QColor(255, 220, 120));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    QRadialGradient sun(w * 0.6, h * 0.62, h * 0.2);
    sun.setColorAt(0, QColor(255, 255, 210));
    sun.setColorAt(1, QColor(255, 180, 60));
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(w * 0.6, h * 0.62), h * 0.18, h * 0.18);
    QPainterPath far;
    far.moveTo(0, h * 0.75);
    far.cubicTo(w * 0.3, h * 0.55, w * 0.5, h * 0.8, w, h * 0.65);
    far.lineTo(w, h);
    far.lineTo(0, h);
    painter.setBrush(QColor(70, 110, 80));
    painter.drawPath(far);
    QPainterPath near;
    near.moveTo(0, h * 0.9);
    near.cubicTo(w * 0.4, h * 0.72, w * 0.7, h * 0.95, w, h * 0.82);
    near.lineTo(w, h);
    near.lineTo(0, h);
    painter.setBrush(QColor(40, 80, 50));
    painter.drawPath(near);
    return image;
}

QImage DemoPictures::flower(QSize size)
{
    QImage image = blank(size, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double radius = std::min(size.width(), size.height()) / 2.0;
    QRadialGradient background(centre, radius * 1.5);
    background.setColorAt(0, QColor(250, 240, 255));
    background.setColorAt(1, QColor(170, 200, 240));
    painter.fillRect(image.rect(), background);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < kPetals; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(double(kFullCircleDegrees) * i / kPetals);
        QRadialGradient petal(QPointF(0, -radius * 0.45), radius * 0.45);
        petal.setColorAt(0, QColor(255, 200, 230));
        petal.setColorAt(1, QColor(220, 60, 140));
        painter.setBrush(petal);
        painter.drawEllipse(QPointF(0, -radius * 0.45), radius * 0.2, radius * 0.42);
        painter.restore();
    }
    painter.setBrush(QColor(250, 210, 40));
    painter.drawEllipse(centre, radius * 0.16, radius * 0.16);
    return image;
}

QImage DemoPictures::star(QSize size, QColor background)
{
    QImage image = blank(size, background);
    QPainter painter(&image);
    // No antialiasing: every pixel outside the star keeps exactly the background colour.
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double outer = std::min(size.width(), size.height()) / 2.0 - 2;
    QPolygonF points;
    for (int i = 0; i < kStarPoints * 2; ++i) {
        const double angle = std::numbers::pi * i / kStarPoints - std::numbers::pi / 2;
        const double r = i % 2 == 0 ? outer : outer * kStarInnerRatio;
        points << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QLinearGradient gold(0, 0, 0, size.height());
    gold.setColorAt(0, QColor(255, 240, 120));
    gold.setColorAt(1, QColor(240, 150, 20));
    painter.setPen(QPen(QColor(160, 90, 0), 3));
    painter.setBrush(gold);
    painter.drawPolygon(points);
    return image;
}

QImage DemoPictures::stripes(QSize size)
{
    QImage image = blank(size, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double width = double(size.width() + size.height()) / kStripeCount;
    for (int i = 0; i < kStripeCount; ++i) {
        painter.setBrush(QColor::fromHsv(kFullCircleDegrees * i / kStripeCount, 170, 240));
        const double x = i * width;
        const QPolygonF band{QPointF(x, 0), QPointF(x + width, 0),
                             QPointF(x + width - size.height(), size.height()),
                             QPointF(x - size.height(), size.height())};
        painter.drawPolygon(band);
    }
    return image;
}

QImage DemoPictures::bubbles(QSize size)
{
    QImage image = blank(size, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sea(0, 0, 0, size.height());
    sea.setColorAt(0, QColor(40, 180, 170));
    sea.setColorAt(1, QColor(10, 50, 90));
    painter.fillRect(image.rect(), sea);
    for (int i = 0; i < kBubbleCount; ++i) {
        // A fixed pattern instead of random numbers, so the demo is the same in every build.
        const double x = std::fmod(i * 97.0, size.width());
        const double y = std::fmod(i * 61.0 + 30, size.height());
        const double r = 8 + (i * 7) % 28;
        QRadialGradient bubble(QPointF(x - r / 3, y - r / 3), r);
        bubble.setColorAt(0, QColor(255, 255, 255, 220));
        bubble.setColorAt(1, QColor::fromHsv((i * 40) % kFullCircleDegrees, 120, 255, 90));
        painter.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
        painter.setBrush(bubble);
        painter.drawEllipse(QPointF(x, y), r, r);
    }
    return image;
}
