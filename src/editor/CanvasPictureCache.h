#pragma once

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

// Decodes the part of a slide's picture that the canvas shows, and keeps recent parts by path,
// area, file size and modification time: large photos on a small canvas decode only the rows
// and columns on view, and showing a slide again costs no decoding while its file is unchanged.
class CanvasPictureCache {
public:
    static constexpr qsizetype kCapacityBytes = 128LL * 1024 * 1024;

    struct Piece {
        QImage picture;  // null when no part of the picture lies in the area
        QPoint offset;   // where `picture` starts, in the picture's own coordinates
    };

    CanvasPictureCache();

    // The part of the picture within `area` (picture coordinates), or nothing when the file
    // cannot be decoded.
    std::optional<Piece> visiblePart(const QString& path, const QRect& area);

private:
    struct Entry {
        qint64 fileSize = -1;
        QDateTime modified;
        Piece piece;
    };

    static std::optional<Piece> decode(const QString& path, const QRect& area);

    QCache<QString, Entry> entries_;
};
