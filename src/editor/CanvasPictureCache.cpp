#include "editor/CanvasPictureCache.h"

#include "document/SourceFile.h"
#include "player/ImageDecoder.h"

#include <QImageReader>

CanvasPictureCache::CanvasPictureCache() : entries_(kCapacityBytes) {}

QString CanvasPictureCache::key(const QString& path, const QRect& area)
{
    return QStringLiteral("%1\n%2,%3,%4,%5")
        .arg(path)
        .arg(area.x())
        .arg(area.y())
        .arg(area.width())
        .arg(area.height());
}

std::optional<CanvasPictureCache::Piece> CanvasPictureCache::find(const QString& path,
                                                                  const QRect& area,
                                                                  const FileStamp& stamp)
{
    const Entry* entry = entries_.object(key(path, area));
    if (entry == nullptr || !(entry->stamp == stamp)) {
        return std::nullopt;
    }
    return entry->piece;
}

void CanvasPictureCache::insert(const QString& path, const QRect& area, const FileStamp& stamp,
                                const Piece& piece)
{
    const qsizetype cost = std::max<qsizetype>(1, piece.picture.sizeInBytes());
    entries_.insert(key(path, area), new Entry{stamp, piece}, cost);
}

CanvasPictureCache::Piece CanvasPictureCache::decode(const QString& path, const QRect& area)
{
    const Expected<std::unique_ptr<QFile>> file = SourceFile::open(path);
    if (!file) {
        return Piece();
    }
    QImageReader reader(file.value().get());
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    if (!natural.isValid()) {
        return Piece();
    }
    if (reader.transformation() != QImageIOHandler::TransformationNone) {
        // The clip applies before the orientation; decode whole and cut the part out.
        const QImage whole = ImageDecoder::decodeFile(path);
        if (whole.isNull()) {
            return Piece();
        }
        const QRect visible = area.intersected(whole.rect());
        return Piece{true, visible.isEmpty() ? QImage() : whole.copy(visible), visible.topLeft()};
    }
    const QRect visible = area.intersected(QRect(QPoint(0, 0), natural));
    if (visible.isEmpty()) {
        return Piece{true, QImage(), visible.topLeft()};
    }
    if (visible.size() != natural) {
        reader.setClipRect(visible);
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        return Piece();
    }
    return Piece{true, picture.convertToFormat(QImage::Format_RGB32), visible.topLeft()};
}
