#include "editor/MainLayout.h"

#include "editor/CanvasPicture.h"
#include "editor/MainForm.h"
#include "editor/PropertyPanel.h"
#include "editor/ThumbnailStrip.h"

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

MainLayout::MainLayout(MainForm& form) : form_(form) {}

int MainLayout::fit(int view, int canvas, QScrollBar& bar)
{
    if (view >= canvas) {
        bar.setRange(0, 0);
        return view / 2 - canvas / 2;
    }
    // The bar's value is the canvas's left (or top) edge, from 0 down to view - canvas.
    bar.setRange(std::max(view - canvas, static_cast<int>(std::numeric_limits<qint16>::min())), 0);
    bar.setPageStep(view);
    return bar.value();
}

void MainLayout::Form_Resize()
{
    QWidget& client = *form_.centralWidget();
    const int width = client.width();
    const int height = client.height();
    QWidget& strip = *form_.picImage;
    QScrollBar& stripScroll = *form_.sclImage;
    QWidget& panel = *form_.panel;
    QLineEdit& bgmBox = *form_.Label3;
    QWidget& view = *form_.MainView;
    QScrollBar& hScroll = *form_.HScroll1;
    QScrollBar& vScroll = *form_.VScroll1;

    setTop(strip, height - strip.height() - stripScroll.height());
    setWidth(strip, width);
    setTop(stripScroll, height - stripScroll.height());
    setWidth(stripScroll, width);
    setLeft(panel, width - panel.width());
    setHeight(panel, strip.y() - panel.y());
    bgmBox.move(0, bgmBox.y());
    setWidth(bgmBox, panel.x() - kGap);
    setLeft(*form_.Command9, bgmBox.width() - form_.Command9->width());
    setWidth(view, panel.x() - vScroll.width() - kGap);
    setHeight(view, strip.y() - view.y() - hScroll.height() - kGap);
    setTop(hScroll, view.y() + view.height());
    setWidth(hScroll, view.width());
    setLeft(vScroll, view.width());
    setHeight(vScroll, view.height());

    CanvasPicture& canvas = *form_.MainPicture;
    const int left = fit(view.width(), canvas.width(), hScroll);
    const int top = fit(view.height(), canvas.height(), vScroll);
    canvas.move(left, top);

    form_.RefreshThumbnails(static_cast<qint16>(stripScroll.value()), false);
}
