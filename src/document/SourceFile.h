#pragma once

#include "document/Expected.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

// A file the program reads: a show, a picture, a sound, an icon, the runtime template. It
// "exists" when it is an existing, readable regular file; there are no hidden or system
// attributes to consider here. A FIFO, device, folder or socket counts as missing, and is
// never opened in a way that could wait for a writer.
class SourceFile {
public:
    static inline const QString kNotFound = QStringLiteral("ファイルが見つかりません");
    static inline const QString kNotRegular = QStringLiteral("通常のファイルではありません");
    static inline const QString kTooLarge = QStringLiteral("ファイルが大きすぎます");

    // The file's size, or nothing when it does not exist in that sense.
    static std::optional<qint64> sizeOf(const QString& path);
    // The file opened for reading, or the reason in Japanese why it cannot be.
    static Expected<std::unique_ptr<QFile>> open(const QString& path);
    // The whole file when it is at most maxBytes long.
    static Expected<QByteArray> read(const QString& path, qint64 maxBytes);
};
