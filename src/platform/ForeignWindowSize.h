#pragma once

#include <QSize>
#include <QWindow>

// The size of another program's window (a screen-saver host's), which Qt does not report for
// windows it wraps with QWindow::fromWinId. Empty when it cannot be found out.
class ForeignWindowSize {
public:
    static QSize of(WId window);
};
