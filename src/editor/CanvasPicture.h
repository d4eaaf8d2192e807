#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// The editor's canvas `MainPicture`: a picture with a border whose inner area is the show's
// canvas, 1:1 in pixels, filled with the background colour. It keeps what is drawn on it in a
// persistent image and repaints from it. Mouse events are reported in canvas pixels.
class CanvasPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorder = 2;  // on each side; a new document's outer size is 254 x 254

    explicit CanvasPicture(QWidget* parent = nullptr);

    int innerWidth() const;
    int innerHeight() const;
    // Outer size = inner size + the border on both sides.
    void setInnerSize(int width, int height);
    void setOuterSize(int width, int height);

    quint32 backColor() const;  // 0x00BBGGRR
    void setBackColor(quint32 colour);

    // Fills the whole canvas with the background colour.
    void clear();
    // Paints a picture at natural size with its top-left corner at (x, y), opaque, clipped.
    void paintPicture(const QImage& picture, int x, int y);
    // Names, over the canvas, the picture file whose picture is still on its way (empty: none).
    // The name is not part of the kept picture.
    void setWaitingName(const QString& name);
    const QString& waitingName() const { return waitingName_; }
    // The kept picture (what Copy puts on the clipboard).
    const QImage& image() const;

Q_SIGNALS:
    void mousePressed(QPoint canvasPosition);
    void mouseMoved(QPoint canvasPosition);
    void mouseReleased(QPoint canvasPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
    quint32 backColor_ = 0;
    QString waitingName_;
};
