#include "editor/ThumbnailCache.h"

#include "document/SourceFile.h"
#include "player/ImageDecoder.h"

#include <QImageReader>

ThumbnailCache::ThumbnailCache() : entries_(kCapacityBytes) {}

QString ThumbnailCache::key(const QString& path, QSize size)
{
    return QStringLiteral("%1\n%2x%3").arg(path).arg(size.width()).arg(size.height());
}

std::optional<QImage> ThumbnailCache::find(const QString& path, QSize size, const FileStamp& stamp)
{
    const Entry* entry = entries_.object(key(path, size));
    if (entry == nullptr || !(entry->stamp == stamp)) {
        return std::nullopt;
    }
    return entry->picture;
}

void ThumbnailCache::insert(const QString& path, QSize size, const FileStamp& stamp,
                            const QImage& picture)
{
    const qsizetype cost = std::max<qsizetype>(1, picture.sizeInBytes());
    entries_.insert(key(path, size), new Entry{stamp, picture}, cost);
}

QImage ThumbnailCache::decode(const QString& path, QSize size)
{
    if (size.isEmpty()) {
        return QImage();
    }
    const Expected<std::unique_ptr<QFile>> file = SourceFile::open(path);
    if (!file) {
        return QImage();
    }
    QImageReader reader(file.value().get());
    reader.setAutoTransform(true);
    // Below 50 the JPEG decoder takes its fast paths; at thumbnail size the difference is not
    // visible.
    constexpr int kThumbnailQuality = 25;
    reader.setQuality(kThumbnailQuality);
    const QSize natural = reader.size();
    if (!natural.isValid()) {
        return QImage();
    }
    // A quarter turn swaps the sides before the stretch; decode at the size that becomes `size`.
    const bool quarterTurn =
        reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    reader.setScaledSize(quarterTurn ? size.transposed() : size);
    QImage picture = reader.read();
    if (picture.isNull()) {
        return QImage();
    }
    if (picture.size() != size) {
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}
