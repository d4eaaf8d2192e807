#include "editor/WindowPlacement.h"

#include <QSettings>
#include <QWidget>

namespace {

const QString kGeometryKey = QStringLiteral("MainForm/geometry");

}  // namespace

WindowPlacement::WindowPlacement(QSettings& settings) : settings_(settings) {}

void WindowPlacement::restore(QWidget& window) const
{
    // Qt keeps a restored window on a screen that exists now and above its minimum size.
    window.restoreGeometry(settings_.value(kGeometryKey).toByteArray());
}

void WindowPlacement::save(const QWidget& window)
{
    settings_.setValue(kGeometryKey, window.saveGeometry());
    settings_.sync();
}
