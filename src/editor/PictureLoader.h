#pragma once

#include "editor/CanvasPictureCache.h"
#include "editor/DecodeRunner.h"
#include "editor/ThumbnailCache.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

// The editor's pictures: thumbnails and canvas parts from the caches when their files are
// unchanged, otherwise decoded by the runner away from the user-interface thread and announced
// when they arrive. A picture is decoded once however often it is asked for meanwhile; decodes
// that nobody needs any more are dropped before they start.
class PictureLoader : public QObject {
    Q_OBJECT
public:
    enum class Status { Waiting, Ready, Undecodable };
    struct Thumbnail {
        Status status = Status::Waiting;
        QImage picture;
    };
    struct CanvasPart {
        Status status = Status::Waiting;
        QImage picture;  // null when no part of the picture lies in the area
        QPoint offset;   // where `picture` starts in the picture's own coordinates
    };

    explicit PictureLoader(std::unique_ptr<DecodeRunner> runner, QObject* parent = nullptr);
    ~PictureLoader() override;

    // The thumbnail at `size`; while it is waiting a decode is on its way and `thumbnailReady`
    // follows.
    Thumbnail thumbnail(const QString& path, QSize size);
    // Only the thumbnails of these pictures are still needed.
    void keepThumbnailsOf(const QStringList& paths);
    // The part of the picture within `area`; while it is waiting a decode is on its way and
    // `canvasPartReady` follows. Canvas parts asked for before and not started are dropped.
    CanvasPart canvasPart(const QString& path, const QRect& area);
    // The part decoded at once on the calling thread when it is not kept.
    CanvasPart canvasPartNow(const QString& path, const QRect& area);
    // Decodes the whole picture; `wholeReady` brings it (null when it cannot be decoded).
    void requestWhole(const QString& path);

Q_SIGNALS:
    void thumbnailReady(const QString& path, QSize size);
    void canvasPartReady(const QString& path, const QRect& area);
    void wholeReady(const QString& path, const QImage& picture);

private:
    // A decode on its way, with the flag that says whether it is still wanted.
    struct Job {
        QString path;
        std::shared_ptr<std::atomic_bool> wanted;
    };

    static QString thumbnailKey(const QString& path, QSize size);
    static QString canvasKey(const QString& path, const QRect& area);
    static CanvasPart fromPiece(const CanvasPictureCache::Piece& piece);
    // Starts a decode unless one is on its way, which is then wanted again.
    static bool want(QHash<QString, Job>& jobs, const QString& key, const QString& path);
    void startThumbnail(const QString& path, QSize size);
    void startCanvasPart(const QString& path, const QRect& area);
    // A decode that found itself unwanted: forgotten, or run after all if it is wanted anew.
    static bool forget(QHash<QString, Job>& jobs, const QString& key);

    ThumbnailCache thumbnails_;
    CanvasPictureCache canvasParts_;
    QHash<QString, Job> thumbnailJobs_;  // by thumbnail key
    QHash<QString, Job> canvasJobs_;     // by canvas-part key
    std::unique_ptr<DecodeRunner> runner_;
};
