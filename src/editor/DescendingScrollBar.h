#pragma once

#include <QScrollBar>

// A scroll bar whose number falls as the thumb moves right or down: `first` at the left or top
// end, `last` (not above `first`) at the right or bottom end. The property panel's spins (top =
// the largest number, so the up arrow adds one) and the canvas's pan bars (0 at the left or top,
// down to view - canvas) are such bars. Qt's value is the negated number, so arrows, page
// clicks, the wheel and the keys move the thumb and the number together.
class DescendingScrollBar : public QScrollBar {
    Q_OBJECT
public:
    DescendingScrollBar(Qt::Orientation orientation, int first, int last,
                        QWidget* parent = nullptr);

    int number() const { return -value(); }
    void setNumber(int number) { setValue(-number); }
    int first() const { return -minimum(); }
    int last() const { return -maximum(); }
    void setNumberRange(int first, int last) { setRange(-first, -last); }

Q_SIGNALS:
    void numberChanged(int number);
};
