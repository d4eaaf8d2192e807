#pragma once

#include <QScrollBar>

// A small vertical scroll bar used as a spin control whose top end is the largest number, so
// the up arrow adds one. Qt's vertical bars grow downwards, so the bar's own value runs over
// the negated numbers; number() and numberChanged() speak in the numbers shown.
class SpinScrollBar : public QScrollBar {
    Q_OBJECT
public:
    SpinScrollBar(int top, int bottom, QWidget* parent = nullptr);

    int number() const { return -value(); }
    void setNumber(int number) { setValue(-number); }
    int top() const { return -minimum(); }
    int bottom() const { return -maximum(); }

Q_SIGNALS:
    void numberChanged(int number);
};
