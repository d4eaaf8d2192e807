#include "editor/DescendingScrollBar.h"

DescendingScrollBar::DescendingScrollBar(Qt::Orientation orientation, int first, int last,
                                         QWidget* parent)
    : QScrollBar(orientation, parent)
{
    setNumberRange(first, last);
    connect(this, &QScrollBar::valueChanged, this,
            [this](int value) { Q_EMIT numberChanged(-value); });
}
