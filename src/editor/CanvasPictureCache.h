#pragma once

#include "editor/FileStamp.h"

#include <QCache>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

// The parts of slide pictures that the canvas shows, kept by path and area with the stamp of
// the file they were decoded from, within a bound of bytes: large photos on a small canvas
// decode only the rows and columns on view, and showing a slide again costs no decoding while
// its file is unchanged. Decoding is a separate step that any thread may run; the cache itself
// belongs to one thread.
class CanvasPictureCache {
public:
    static constexpr qsizetype kCapacityBytes = 128LL * 1024 * 1024;

    struct Piece {
        bool decoded = false;  // false: the file cannot be read as a picture
        QImage picture;        // null when no part of the picture lies in the area
        QPoint offset;         // where `picture` starts, in the picture's own coordinates
    };

    CanvasPictureCache();

    // The kept piece when the file still has `stamp`.
    std::optional<Piece> find(const QString& path, const QRect& area, const FileStamp& stamp);
    void insert(const QString& path, const QRect& area, const FileStamp& stamp, const Piece& piece);

    // The part of the picture within `area` (picture coordinates).
    static Piece decode(const QString& path, const QRect& area);

private:
    struct Entry {
        FileStamp stamp;
        Piece piece;
    };

    static QString key(const QString& path, const QRect& area);

    QCache<QString, Entry> entries_;
};
