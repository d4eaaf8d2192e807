#include "editor/SpinScrollBar.h"

SpinScrollBar::SpinScrollBar(int top, int bottom, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(-top, -bottom);
    setSingleStep(1);
    setPageStep(1);
    connect(this, &QScrollBar::valueChanged, this,
            [this](int value) { Q_EMIT numberChanged(-value); });
}
