#include "editor/MainLayout.h"

#include "editor/CanvasPicture.h"
#include "editor/DescendingScrollBar.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <limits>

namespace {

void setLeft(QWidget& widget, int left)
{
    widget.move(left, widget.y());
}

void setTop(QWidget& widget, int top)
{
    widget.move(widget.x(), top);
}

void setWidth(QWidget& widget, int width)
{
    if (width >= 0) {
        widget.resize(width, widget.height());
    }
}

void setHeight(QWidget& widget, int height)
{
    if (height >= 0) {
        widget.resize(widget.width(), height);
    }
}

}  // namespace

MainLayout::MainLayout(const Controls& controls, std::function<void()> refreshStrip)
    : controls_(controls), refreshStrip_(std::move(refreshStrip))
{}

int MainLayout::fit(int view, int canvas, DescendingScrollBar& bar)
{
    if (view >= canvas) {
        bar.setNumberRange(0, 0);
        return view / 2 - canvas / 2;
    }
    // The bar's number is the canvas's left (or top) edge, from 0 with the thumb at the start
    // down to view - canvas with the thumb at the end.
    bar.setNumberRange(0, std::max(view - canvas, int(std::numeric_limits<qint16>::min())));
    bar.setPageStep(view);
    return bar.number();
}

void MainLayout::Form_Resize()
{
    const int width = controls_.client.width();
    const int height = controls_.client.height();
    QWidget& strip = controls_.strip;
    QScrollBar& stripScroll = controls_.stripScroll;
    QWidget& panel = controls_.panel;
    QLineEdit& bgmBox = controls_.bgmBox;
    QWidget& view = controls_.view;
    DescendingScrollBar& hScroll = controls_.hScroll;
    DescendingScrollBar& vScroll = controls_.vScroll;

    setTop(strip, height - strip.height() - stripScroll.height());
    setWidth(strip, width);
    setTop(stripScroll, height - stripScroll.height());
    setWidth(stripScroll, width);
    setLeft(panel, width - panel.width());
    setHeight(panel, strip.y() - panel.y());
    bgmBox.move(0, bgmBox.y());
    setWidth(bgmBox, panel.x() - kGap);
    setLeft(controls_.bgmButton, bgmBox.width() - controls_.bgmButton.width());
    setWidth(view, panel.x() - vScroll.width() - kGap);
    setHeight(view, strip.y() - view.y() - hScroll.height() - kGap);
    setTop(hScroll, view.y() + view.height());
    setWidth(hScroll, view.width());
    setLeft(vScroll, view.width());
    setHeight(vScroll, view.height());

    CanvasPicture& canvas = controls_.canvas;
    const int left = fit(view.width(), canvas.width(), hScroll);
    const int top = fit(view.height(), canvas.height(), vScroll);
    canvas.move(left, top);

    refreshStrip_();
}

QSize MainLayout::minimumInnerSize() const
{
    const int strip = controls_.strip.height() + controls_.stripScroll.height();
    const int width = controls_.toolbarRight + kGap + controls_.panel.width();
    const int everyStep = kViewTop + controls_.hScroll.height() + kGap + strip;
    const int panel = kPanelTop + controls_.panel.minimumSizeHint().height() + strip;
    return QSize(width, std::max(everyStep, panel));
}
