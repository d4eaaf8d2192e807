#include "editor/ThumbnailStrip.h"

#include "editor/PictureLoader.h"
#include "editor/ThumbnailFrame.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>

ThumbnailStrip::ThumbnailStrip(PictureLoader& pictures, QScrollBar& scroll, QWidget* parent)
    : QWidget(parent), pictures_(pictures), scroll_(scroll)
{
    setObjectName(QStringLiteral("picImage"));
    setAcceptDrops(true);
    createFrame(0)->show();
    connect(&pictures_, &PictureLoader::thumbnailReady, this, &ThumbnailStrip::thumbnailArrived);
}

ThumbnailFrame* ThumbnailStrip::createFrame(int j)
{
    auto* frame = new ThumbnailFrame(j, this);
    frame->move(0, 0);
    frame->hide();
    connect(frame, &ThumbnailFrame::pressed, this, &ThumbnailStrip::framePressed);
    connect(frame, &ThumbnailFrame::moved, this, &ThumbnailStrip::frameMoved);
    connect(frame, &ThumbnailFrame::released, this, &ThumbnailStrip::frameReleased);
    connect(frame, &ThumbnailFrame::frameDropped, this, &ThumbnailStrip::frameDropped);
    connect(frame, &ThumbnailFrame::filesDropped, this, &ThumbnailStrip::filesDropped);
    frames_.append(frame);
    return frame;
}

void ThumbnailStrip::refresh(const QStringList& paths, int current, int first, bool removeSurplus,
                             QColor background)
{
    const int frameWidth = frames_.first()->width();
    const int stripWidth = width();
    const int count = static_cast<int>(paths.size());

    // k frames are needed: those whose left edge j * FW lies within the strip. Exactly that
    // many are kept (frame 0 always), so refreshing the same view never creates or destroys one.
    int k = count - first;
    while (frameWidth * (k - 1) > stripWidth) {
        --k;
    }
    const qsizetype needed = std::max(k, 1);
    if (frames_.size() < needed) {
        while (frames_.size() < needed) {
            createFrame(static_cast<int>(frames_.size()));
        }
    } else if (removeSurplus) {
        while (frames_.size() > needed) {
            // A frame may be the source of the drag now ending; it goes once the drag is over.
            ThumbnailFrame* surplus = frames_.takeLast();
            surplus->hide();
            surplus->deleteLater();
        }
        if (k <= 0) {
            frames_.first()->hide();
        }
    }

    QStringList shown;
    for (int i = std::max(first, 0); i < count && i - first < frames_.size(); ++i) {
        ThumbnailFrame* frame = frames_[i - first];
        frame->move((i - first) * frameWidth, frame->y());
        const PictureLoader::Thumbnail thumbnail =
            pictures_.thumbnail(paths[i], frame->innerSize());
        if (thumbnail.status == PictureLoader::Status::Waiting) {
            frame->showWaiting(paths[i], background);
        } else {
            frame->showPicture(paths[i], thumbnail.picture);
        }
        if (thumbnail.status == PictureLoader::Status::Undecodable) {
            Q_EMIT undecodable(paths[i]);
        }
        frame->show();
        if (i == current) {
            frame->drawOutline();
        }
        shown.append(paths[i]);
    }
    pictures_.keepThumbnailsOf(shown);

    // The range lets the last slide's frame be shown whole.
    int whole = k;
    while (frameWidth * whole > stripWidth) {
        --whole;
    }
    scroll_.setMaximum(std::max(0, count - whole));
    scroll_.setPageStep(1);
    if (whole > 0) {
        scroll_.setPageStep(whole);
    }
}

void ThumbnailStrip::thumbnailArrived(const QString& path, QSize size)
{
    for (ThumbnailFrame* frame : std::as_const(frames_)) {
        if (!frame->isWaiting() || frame->path() != path || frame->innerSize() != size) {
            continue;
        }
        const PictureLoader::Thumbnail thumbnail = pictures_.thumbnail(path, size);
        if (thumbnail.status != PictureLoader::Status::Waiting) {
            frame->pictureArrived(thumbnail.picture);
        }
        if (thumbnail.status == PictureLoader::Status::Undecodable) {
            Q_EMIT undecodable(path);
        }
    }
}

void ThumbnailStrip::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void ThumbnailStrip::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
    Q_EMIT filesDropped(paths);
}
