#pragma once

#include <QImage>
#include <QWidget>

class QMimeData;

// One thumbnail frame `picFrame(j)` of the strip: a bordered picture that keeps what is drawn
// on it. It shows one slide's thumbnail, or while that is on its way the show's background
// colour with the file's name. It reports presses, moves and releases with its index, takes a
// dragged frame or files dropped from the desktop, and starts the drag of itself.
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

    // The picture of `path` stretched over the whole inner area; a null picture (a file that
    // cannot be decoded) leaves the frame plain.
    void showPicture(const QString& path, const QImage& picture);
    // The picture of `path` is on its way: the background colour and the file's name meanwhile.
    void showWaiting(const QString& path, QColor background);
    // The picture that was on its way, keeping the outline.
    void pictureArrived(const QImage& picture);
    const QString& path() const { return path_; }
    bool isWaiting() const { return waiting_; }
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
    // Draws the kept picture from the frame's state.
    void compose();

    int index_;
    QImage image_;
    QString path_;
    QImage picture_;
    QColor background_;
    bool waiting_ = false;
    bool outlined_ = false;
};
