#pragma once

#include <QRasterWindow>

class QScreen;

// A black window covering one monitor other than the show's while the show plays full-screen.
// Keys, mouse buttons and mouse moves go on to the show's window, which decides whether they
// end the show.
class BlankScreenWindow : public QRasterWindow {
    Q_OBJECT
public:
    BlankScreenWindow(QScreen* screen, QWindow* show);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void forward(QEvent* event);

    QWindow* show_;
};
