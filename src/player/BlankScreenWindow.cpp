#include "player/BlankScreenWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

BlankScreenWindow::BlankScreenWindow(QScreen* screen, QWindow* show) : show_(show)
{
    setFlags(Qt::Window | Qt::FramelessWindowHint);
    setScreen(screen);
    setGeometry(screen->geometry());
}

void BlankScreenWindow::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), Qt::black);
}

void BlankScreenWindow::keyPressEvent(QKeyEvent* event)
{
    forward(event);
}

void BlankScreenWindow::mousePressEvent(QMouseEvent* event)
{
    forward(event);
}

void BlankScreenWindow::mouseMoveEvent(QMouseEvent* event)
{
    forward(event);
}

void BlankScreenWindow::forward(QEvent* event)
{
    QCoreApplication::sendEvent(show_, event);
}
