#pragma once

#include <QImage>
#include <QWidget>

class QMimeData;

// One thumbnail frame `picFrame(j)` of the strip: a bordered picture that keeps what is drawn
// on it. It reports presses, moves and releases with its index, takes a dragged frame or
// files dropped from the desktop, and starts the drag of itself.
class ThumbnailFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOuterSize = 97;
    static constexpr int kBorder = 2;
    static constexpr int kOutlineWidth = 12;
    static constexpr int kHighlightWidth = 10;
    static inline const QString kFrameMimeType = QStringLiteral("application/x-kremoa-frame");

    ThumbnailFrame(int index, QWidget* parent);

    int index() const { return index_; }
    QSize innerSize() const;
    const QImage& image() const { return image_; }

    // A stretched picture over the whole inner area; a null picture leaves the frame plain.
    void showPicture(const QImage& picture);
    // The current slide's outline: a ring in the window-background colour with the highlight
    // colour over all but its innermost pixel.
    void drawOutline();
    // Drags this frame: its outline follows the pointer until the button is released.
    void startDrag();
    // What a drag of this frame carries (drops read it back).
    QMimeData* dragData() const;

Q_SIGNALS:
    void pressed(int index);
    void moved(int index);
    void released(int index);
    void frameDropped(int source, int target);
    void filesDropped(const QStringList& paths);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int index_;
    QImage image_;
};
