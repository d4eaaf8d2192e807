#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The monitors a full-screen show covers: the show plays on the primary one, every other
// monitor gets a black window, so none of them shows the desktop. A monitor that lies wholly
// inside another one (a mirrored output) needs no window of its own. Monitors of separate X
// screens have coordinates of their own, so only monitors of one desktop are compared.
class ScreenLayout {
public:
    struct Screen {
        QRect geometry;
        int desktop = 0;  // monitors with the same number share one coordinate space
    };

    ScreenLayout(QList<Screen> screens, int primary);
    // The monitors as the window system reports them (QGuiApplication::screens()).
    static ScreenLayout current();

    int primary() const { return primary_; }
    // Indexes of the monitors that need a black window.
    QList<int> blankScreens() const;
    // Whether a window of this size is as large as one of the monitors: a host that small
    // is a preview, not a screen saver at work.
    bool coversAScreen(QSize window) const;

private:
    bool insideAnother(int index, const QList<int>& covered) const;

    QList<Screen> screens_;
    int primary_;
};
