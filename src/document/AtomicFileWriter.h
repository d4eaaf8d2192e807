#pragma once

#include "document/Expected.h"

#include <QIODevice>
#include <QSaveFile>
#include <QString>

// Writes a file through a temporary file in the same folder that replaces the target only when
// complete: flush, fsync, rename, fsync of the folder. Until commit() succeeds the old file is
// untouched; if the writer is destroyed without commit() the temporary file is removed.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path);
    ~AtomicFileWriter();

    Status open();
    QIODevice& device();
    // Flushes, syncs and renames over the target, then syncs the folder.
    Status commit();

private:
    QString path_;
    QSaveFile file_;
};
