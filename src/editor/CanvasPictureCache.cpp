#include "editor/CanvasPictureCache.h"

#include "player/ImageDecoder.h"

#include <QFileInfo>
#include <QImageReader>

CanvasPictureCache::CanvasPictureCache() : entries_(kCapacityBytes) {}

std::optional<CanvasPictureCache::Piece> CanvasPictureCache::visiblePart(const QString& path,
                                                                         const QRect& area)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        return std::nullopt;
    }
    const QString key = QStringLiteral("%1\n%2,%3,%4,%5")
                            .arg(path)
                            .arg(area.x())
                            .arg(area.y())
                            .arg(area.width())
                            .arg(area.height());
    const qint64 fileSize = info.size();
    const QDateTime modified = info.lastModified();
    if (const Entry* entry = entries_.object(key);
        entry != nullptr && entry->fileSize == fileSize && entry->modified == modified) {
        return entry->piece;
    }
    std::optional<Piece> piece = decode(path, area);
    if (piece) {
        const qsizetype cost = std::max<qsizetype>(1, piece->picture.sizeInBytes());
        entries_.insert(key, new Entry{fileSize, modified, *piece}, cost);
    }
    return piece;
}

std::optional<CanvasPictureCache::Piece> CanvasPictureCache::decode(const QString& path,
                                                                    const QRect& area)
{
    QImageReader::setAllocationLimit(ImageDecoder::kAllocationLimitMiB);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    if (!natural.isValid()) {
        return std::nullopt;
    }
    if (reader.transformation() != QImageIOHandler::TransformationNone) {
        // The clip applies before the orientation; decode whole and cut the part out.
        const QImage whole = ImageDecoder::decodeFile(path);
        if (whole.isNull()) {
            return std::nullopt;
        }
        const QRect visible = area.intersected(whole.rect());
        return Piece{visible.isEmpty() ? QImage() : whole.copy(visible), visible.topLeft()};
    }
    const QRect visible = area.intersected(QRect(QPoint(0, 0), natural));
    if (visible.isEmpty()) {
        return Piece{QImage(), visible.topLeft()};
    }
    if (visible.size() != natural) {
        reader.setClipRect(visible);
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        return std::nullopt;
    }
    return Piece{picture.convertToFormat(QImage::Format_RGB32), visible.topLeft()};
}
