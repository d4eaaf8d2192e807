#pragma once

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

// Thumbnails decoded at thumbnail size (the JPEG decoder scales while decoding), kept by path
// and checked against the file's size and modification time, so the strip shows the files as
// they are now without decoding them again on every refresh.
class ThumbnailCache {
public:
    static constexpr qsizetype kCapacityBytes = 64LL * 1024 * 1024;

    ThumbnailCache();

    // The picture stretched to `size`, or a null image when the file cannot be decoded.
    QImage thumbnail(const QString& path, QSize size);

private:
    struct Entry {
        qint64 fileSize = -1;
        QDateTime modified;
        QSize size;
        QImage picture;
    };

    static QImage decode(const QString& path, QSize size);

    QCache<QString, Entry> entries_;
};
