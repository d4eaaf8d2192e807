#pragma once

#include "editor/FileStamp.h"

#include <QCache>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Thumbnails kept by path and frame size, each with the stamp of the file it was decoded from,
// within a bound of bytes. Decoding (at thumbnail size: the JPEG decoder scales while decoding)
// is a separate step that any thread may run; the cache itself belongs to one thread.
class ThumbnailCache {
public:
    static constexpr qsizetype kCapacityBytes = 64LL * 1024 * 1024;

    ThumbnailCache();

    // The kept thumbnail when the file still has `stamp`; a null picture is a file that could
    // not be decoded.
    std::optional<QImage> find(const QString& path, QSize size, const FileStamp& stamp);
    void insert(const QString& path, QSize size, const FileStamp& stamp, const QImage& picture);

    // The picture stretched to `size`, or a null image when the file cannot be decoded.
    static QImage decode(const QString& path, QSize size);

private:
    struct Entry {
        FileStamp stamp;
        QImage picture;
    };

    static QString key(const QString& path, QSize size);

    QCache<QString, Entry> entries_;
};
