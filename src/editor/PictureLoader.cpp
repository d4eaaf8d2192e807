#include "editor/PictureLoader.h"

#include "player/ImageDecoder.h"

#include <QImageReader>
#include <QSet>

PictureLoader::PictureLoader(std::unique_ptr<DecodeRunner> runner, QObject* parent)
    : QObject(parent), runner_(std::move(runner))
{
    // Set once here, before any decode runs: the limit is shared by every thread.
    QImageReader::setAllocationLimit(ImageDecoder::kAllocationLimitMiB);
}

PictureLoader::~PictureLoader()
{
    // Running decodes report to this object: they end before it does.
    runner_->stop();
}

QString PictureLoader::thumbnailKey(const QString& path, QSize size)
{
    return QStringLiteral("%1\n%2x%3").arg(path).arg(size.width()).arg(size.height());
}

QString PictureLoader::canvasKey(const QString& path, const QRect& area)
{
    return QStringLiteral("%1\n%2,%3,%4,%5")
        .arg(path)
        .arg(area.x())
        .arg(area.y())
        .arg(area.width())
        .arg(area.height());
}

PictureLoader::CanvasPart PictureLoader::fromPiece(const CanvasPictureCache::Piece& piece)
{
    return {piece.decoded ? Status::Ready : Status::Undecodable, piece.picture, piece.offset};
}

bool PictureLoader::want(QHash<QString, Job>& jobs, const QString& key, const QString& path)
{
    if (const auto job = jobs.constFind(key); job != jobs.constEnd()) {
        job->wanted->store(true);
        return false;
    }
    jobs.insert(key, Job{path, std::make_shared<std::atomic_bool>(true)});
    return true;
}

bool PictureLoader::forget(QHash<QString, Job>& jobs, const QString& key)
{
    const auto job = jobs.constFind(key);
    if (job == jobs.constEnd()) {
        return false;
    }
    if (job->wanted->load()) {
        return true;
    }
    jobs.erase(job);
    return false;
}

PictureLoader::Thumbnail PictureLoader::thumbnail(const QString& path, QSize size)
{
    if (const std::optional<QImage> kept = thumbnails_.find(path, size, FileStamp::of(path))) {
        return {kept->isNull() ? Status::Undecodable : Status::Ready, *kept};
    }
    const QString key = thumbnailKey(path, size);
    if (want(thumbnailJobs_, key, path)) {
        startThumbnail(path, size);
        // A runner that decodes on the spot has delivered already.
        if (!thumbnailJobs_.contains(key)) {
            if (const auto kept = thumbnails_.find(path, size, FileStamp::of(path))) {
                return {kept->isNull() ? Status::Undecodable : Status::Ready, *kept};
            }
        }
    }
    return {};
}

void PictureLoader::startThumbnail(const QString& path, QSize size)
{
    const auto wanted = thumbnailJobs_.value(thumbnailKey(path, size)).wanted;
    runner_->start(
        [this, path, size, wanted] {
            if (!wanted->load()) {
                QMetaObject::invokeMethod(this, [this, path, size] {
                    if (forget(thumbnailJobs_, thumbnailKey(path, size))) {
                        startThumbnail(path, size);
                    }
                });
                return;
            }
            // The stamp is taken first: a file changed while it is decoded is decoded again.
            const FileStamp stamp = FileStamp::of(path);
            const QImage picture = ThumbnailCache::decode(path, size);
            QMetaObject::invokeMethod(this, [this, path, size, stamp, picture] {
                thumbnailJobs_.remove(thumbnailKey(path, size));
                thumbnails_.insert(path, size, stamp, picture);
                Q_EMIT thumbnailReady(path, size);
            });
        },
        DecodeRunner::kThumbnail);
}

void PictureLoader::keepThumbnailsOf(const QStringList& paths)
{
    const QSet<QString> kept(paths.begin(), paths.end());
    for (const Job& job : std::as_const(thumbnailJobs_)) {
        job.wanted->store(kept.contains(job.path));
    }
}

PictureLoader::CanvasPart PictureLoader::canvasPart(const QString& path, const QRect& area)
{
    if (const auto kept = canvasParts_.find(path, area, FileStamp::of(path))) {
        return fromPiece(*kept);
    }
    const QString key = canvasKey(path, area);
    for (auto job = canvasJobs_.cbegin(); job != canvasJobs_.cend(); ++job) {
        job->wanted->store(job.key() == key);
    }
    if (want(canvasJobs_, key, path)) {
        startCanvasPart(path, area);
        // A runner that decodes on the spot has delivered already.
        if (!canvasJobs_.contains(key)) {
            if (const auto kept = canvasParts_.find(path, area, FileStamp::of(path))) {
                return fromPiece(*kept);
            }
        }
    }
    return {};
}

void PictureLoader::startCanvasPart(const QString& path, const QRect& area)
{
    const auto wanted = canvasJobs_.value(canvasKey(path, area)).wanted;
    runner_->start(
        [this, path, area, wanted] {
            if (!wanted->load()) {
                QMetaObject::invokeMethod(this, [this, path, area] {
                    if (forget(canvasJobs_, canvasKey(path, area))) {
                        startCanvasPart(path, area);
                    }
                });
                return;
            }
            const FileStamp stamp = FileStamp::of(path);
            const CanvasPictureCache::Piece piece = CanvasPictureCache::decode(path, area);
            QMetaObject::invokeMethod(this, [this, path, area, stamp, piece] {
                canvasJobs_.remove(canvasKey(path, area));
                canvasParts_.insert(path, area, stamp, piece);
                Q_EMIT canvasPartReady(path, area);
            });
        },
        DecodeRunner::kCanvas);
}

PictureLoader::CanvasPart PictureLoader::canvasPartNow(const QString& path, const QRect& area)
{
    const FileStamp stamp = FileStamp::of(path);
    if (const auto kept = canvasParts_.find(path, area, stamp)) {
        return fromPiece(*kept);
    }
    const CanvasPictureCache::Piece piece = CanvasPictureCache::decode(path, area);
    canvasParts_.insert(path, area, stamp, piece);
    return fromPiece(piece);
}

void PictureLoader::requestWhole(const QString& path)
{
    runner_->start(
        [this, path] {
            const QImage picture = ImageDecoder::decodeFile(path);
            QMetaObject::invokeMethod(this,
                                      [this, path, picture] { Q_EMIT wholeReady(path, picture); });
        },
        DecodeRunner::kWhole);
}
