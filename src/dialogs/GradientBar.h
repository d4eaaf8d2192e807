#pragma once

#include <QImage>
#include <QWidget>

// One colour bar of the colour picker: 256 columns, column i drawn in the colour of channel
// value i. It keeps its picture and repaints from it; the picker decides when to redraw it.
// Mouse events report the column under the pointer, which may lie outside 0 to 255 while a
// button is held.
class GradientBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 256;
    static constexpr int kHeight = 12;

    explicit GradientBar(QWidget* parent = nullptr);

    // Column i gets colour(i) (0xAARRGGBB), for i = 0 to 255.
    template <typename ColourOf>
    void drawGradient(ColourOf colourOf)
    {
        for (int i = 0; i < kWidth; ++i) {
            for (int y = 0; y < kHeight; ++y) {
                picture_.setPixel(i, y, colourOf(i));
            }
        }
        update();
    }
    const QImage& picture() const { return picture_; }

Q_SIGNALS:
    void pressed(int x);
    void moved(int x);
    void released(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};
