#pragma once

class MainForm;
class QScrollBar;

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

    explicit MainLayout(MainForm& form);

    void Form_Resize();

private:
    // Fits the canvas along one axis: centred when the view holds it, else panned by the bar.
    static int fit(int view, int canvas, QScrollBar& bar);

    MainForm& form_;
};
