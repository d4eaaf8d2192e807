#include "editor/ThumbnailCache.h"

#include "player/ImageDecoder.h"

#include <QFileInfo>
#include <QImageReader>

ThumbnailCache::ThumbnailCache() : entries_(kCapacityBytes) {}

QImage ThumbnailCache::thumbnail(const QString& path, QSize size)
{
    const QFileInfo info(path);
    const qint64 fileSize = info.exists() ? info.size() : -1;
    const QDateTime modified = info.lastModified();
    if (const Entry* entry = entries_.object(path);
        entry != nullptr && entry->fileSize == fileSize && entry->modified == modified &&
        entry->size == size) {
        return entry->picture;
    }
    auto* entry = new Entry{fileSize, modified, size, decode(path, size)};
    const QImage picture = entry->picture;
    const qsizetype cost = std::max<qsizetype>(1, picture.sizeInBytes());
    entries_.insert(path, entry, cost);
    return picture;
}

QImage ThumbnailCache::decode(const QString& path, QSize size)
{
    if (size.isEmpty()) {
        return QImage();
    }
    QImageReader::setAllocationLimit(ImageDecoder::kAllocationLimitMiB);
    QImageReader reader(path);
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
