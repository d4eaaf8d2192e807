#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// What the picture caches know of a file: its length and modification time. A picture decoded
// from a file is still good while the file has the same stamp.
struct FileStamp {
    qint64 size = -1;  // -1: no ordinary file of that name
    QDateTime modified;

    static FileStamp of(const QString& path);

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
