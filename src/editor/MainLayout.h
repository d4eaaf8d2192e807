#pragma once

#include <QSize>

#include <functional>

class CanvasPicture;
class DescendingScrollBar;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

// `Form_Resize`: the window's fixed arrangement for its current inner size. Every step runs on
// its own: a step whose width or height would be negative (a tiny or minimised window) is
// skipped and the next steps use the values then in force.
class MainLayout {
public:
    static constexpr int kGap = 7;
    static constexpr int kStripHeight = 100;
    static constexpr int kStripScrollHeight = 16;
    static constexpr int kPanScrollThickness = 16;
    static constexpr int kBgmBoxTop = 48;
    static constexpr int kViewTop = 72;
    static constexpr int kPanelTop = 0;

    // The arranged controls, all children of `client`.
    struct Controls {
        QWidget& client;
        QWidget& strip;
        QScrollBar& stripScroll;
        QWidget& panel;
        QLineEdit& bgmBox;
        QPushButton& bgmButton;
        QWidget& view;
        CanvasPicture& canvas;
        DescendingScrollBar& hScroll;
        DescendingScrollBar& vScroll;
        int toolbarRight;  // the right edge of the toolbar's last button
    };

    // `refreshStrip` redraws the strip from its scroll value, keeping surplus frames.
    MainLayout(const Controls& controls, std::function<void()> refreshStrip);

    void Form_Resize();
    // The smallest inner size at which every step has room and the panel stays clear of the
    // toolbar (the panel scrolls its controls when it is shorter than they are).
    QSize minimumInnerSize() const;

private:
    // Fits the canvas along one axis: centred when the view holds it, else panned by the bar.
    static int fit(int view, int canvas, DescendingScrollBar& bar);

    Controls controls_;
    std::function<void()> refreshStrip_;
};
