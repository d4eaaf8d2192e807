#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class PictureLoader;
class QScrollBar;
class ThumbnailFrame;

// The thumbnail strip `picImage`: one frame per slide from the first slide shown, left to
// right, the current slide's frame outlined, and the strip scroll bar `sclImage` whose value is
// the first slide shown. Frame 0 always exists; the others are created and destroyed as the
// refresh says. Thumbnails still on their way are shown when they arrive, if their frame still
// shows that slide. Files dropped on the strip or on any frame are reported.
class ThumbnailStrip : public QWidget {
    Q_OBJECT
public:
    ThumbnailStrip(PictureLoader& pictures, QScrollBar& scroll, QWidget* parent);

    qsizetype frameCount() const { return frames_.size(); }
    ThumbnailFrame* frame(qsizetype j) const { return frames_.value(j); }

    // `RefreshThumbnails`: shows slides from `first`; `removeSurplus` allows destroying frames
    // no longer needed. Sets the scroll bar's range and large step. Frames whose thumbnail is
    // on its way show `background`.
    void refresh(const QStringList& paths, int current, int first, bool removeSurplus,
                 QColor background);

Q_SIGNALS:
    void framePressed(int j);
    void frameMoved(int j);
    void frameReleased(int j);
    void frameDropped(int source, int target);
    void filesDropped(const QStringList& paths);
    void undecodable(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    ThumbnailFrame* createFrame(int j);
    void thumbnailArrived(const QString& path, QSize size);

    PictureLoader& pictures_;
    QScrollBar& scroll_;
    QList<ThumbnailFrame*> frames_;
};
